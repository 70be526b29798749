// The main window's file commands: open, paste and the two saves, with their dialogs
// and messages. The document does the work and says why a command failed.
#include "mainpanel.h"

#include "dialogs.h"
#include "picfile/calculatorname.h"
#include "platform/pictureloader.h"

#include <QDir>
#include <QFileInfo>

void MainPanel::warn(const QString &text)
{
    Dialogs::current().message(text, Dialogs::Icon::Exclamation);
}

QString MainPanel::dialogFolder() const
{
    return QDir::toNativeSeparators(m_dialogFolder.isEmpty() ? QDir::homePath() : m_dialogFolder);
}

void MainPanel::rememberFolder(const QString &path)
{
    m_dialogFolder = QFileInfo(QDir::fromNativeSeparators(path.trimmed())).absolutePath();
}

void MainPanel::openWithDialog()
{
    const QList<Dialogs::Filter> filters{
        // Every format the decoder reads, whatever the letter case (the dialog
        // matches patterns without regard to case).
        {QStringLiteral("Images files (*.89i;*.bmp;*.jpg;*.gif;*.ico)"),
         QStringLiteral("*.89i;*.bmp;*.jpg;*.jpeg;*.gif;*.ico;*.png")},
        {QStringLiteral("All Files (*.*)"), QStringLiteral("*")},
    };
    const auto chosen = Dialogs::current().chooseFile(this, filters, dialogFolder(),
                                                      QStringLiteral("Ouvrir une Image."));
    if (!chosen)
        return;
    rememberFolder(*chosen);
    openFile(*chosen);
}

void MainPanel::openFile(const QString &path)
{
    QString error;
    QString warning;
    if (!document.open(path, &error, &warning))
        warn(error);
    else if (!warning.isEmpty())
        warn(warning);
}

void MainPanel::pasteClipboard()
{
    const QImage image = clipboardPicture();
    // Nothing to import: the picture in place stays.
    if (image.isNull()) {
        warn(QStringLiteral("Le presse-papier ne contient aucune image."));
        return;
    }
    importPicture(image);
}

void MainPanel::importPicture(const QImage &image)
{
    QString error;
    if (!document.importPicture(image, &error))
        warn(error);
}

void MainPanel::saved(const QString &path)
{
    Dialogs::current().message(QStringLiteral("Fichier enregistré"), Dialogs::Icon::Information,
                               QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));
}

void MainPanel::warnIfAdvancedNames()
{
    if (document.advancedOptions)
        warn(QStringLiteral("Vous avez choisi d'utiliser des options complémentaires"));
}

void MainPanel::saveAs()
{
    const QList<Dialogs::Filter> filters{{QStringLiteral("Images files (*.89i)"), QStringLiteral("*.89i")}};
    const auto chosen = Dialogs::current().chooseSaveFile(this, filters, dialogFolder(),
                                                          QStringLiteral("Enregistrer une Image."));
    if (!chosen)
        return;
    rememberFolder(*chosen);
    const QString path = filenaming::saveAsPath(*chosen);
    warnIfAdvancedNames();
    // Without an advanced name, the variable is named after the file, so that two
    // files saved under two names stay two pictures on the calculator.
    const QString folder = document.fileFolderName();
    QString name = picfile::calculatorName(QFileInfo(path).completeBaseName());
    if (document.advancedOptions && !document.variableName.isEmpty())
        name = document.variableName;
    else if (name.isEmpty())
        name = QStringLiteral("fig0000");
    QString error;
    if (document.writeFittedPicture(path, folder, name, &error))
        saved(path);
    else
        warn(error);
}

void MainPanel::saveAutomatically()
{
    warnIfAdvancedNames();
    QString error;
    QString path;
    if (document.saveAutomatically(&error, &path))
        saved(path);
    else
        warn(error);
}
