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

QString MainPanel::dialogFolder(RecentFiles::Dialog dialog) const
{
    // A folder gone since (a removable drive) is not offered.
    const QString folder = recentFiles.folder(dialog);
    return QDir::toNativeSeparators(!folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath());
}

void MainPanel::addRecentFile(const QString &path)
{
    recentFiles.add(path);
    emit recentFilesChanged();
}

void MainPanel::openRecentFile(const QString &path)
{
    if (QFileInfo::exists(path)) {
        openFile(path);
        return;
    }
    warn(QStringLiteral("Le fichier %1 est introuvable : il est retiré de la liste.").arg(QDir::toNativeSeparators(path)));
    recentFiles.remove(path);
    emit recentFilesChanged();
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
    const auto chosen = Dialogs::current().chooseFile(this, filters, dialogFolder(RecentFiles::Dialog::Open),
                                                      QStringLiteral("Ouvrir une Image."));
    if (!chosen)
        return;
    recentFiles.setFolder(RecentFiles::Dialog::Open, QFileInfo(RecentFiles::cleaned(*chosen)).path());
    openFile(*chosen);
}

void MainPanel::openFile(const QString &path)
{
    QString error;
    QString warning;
    if (!document.open(path, &error, &warning)) {
        warn(error);
        return;
    }
    addRecentFile(path);
    if (!warning.isEmpty())
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
    const auto chosen = Dialogs::current().chooseSaveFile(this, filters, dialogFolder(RecentFiles::Dialog::Save),
                                                          QStringLiteral("Enregistrer une Image."));
    if (!chosen)
        return;
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
    if (!document.writeFittedPicture(path, folder, name, &error)) {
        // The next save is offered where the last one went, not where this one failed.
        warn(error);
        return;
    }
    recentFiles.setFolder(RecentFiles::Dialog::Save, QFileInfo(RecentFiles::cleaned(path)).path());
    addRecentFile(path);
    saved(path);
}

void MainPanel::saveAutomatically()
{
    warnIfAdvancedNames();
    QString error;
    QString path;
    if (!document.saveAutomatically(&error, &path)) {
        warn(error);
        return;
    }
    addRecentFile(path);
    saved(path);
}
