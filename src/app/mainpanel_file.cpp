// The main window's file commands: open, paste and the two saves, with their dialogs
// and messages. The document does the work and says why a command failed.
#include "mainpanel.h"

#include "calculatortransfer.h"
#include "dialogs.h"
#include "linkdialog.h"
#include "viewer.h"
#include "picfile/calculatorname.h"
#include "platform/pictureloader.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>

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
    fileOpened(path);
    if (!warning.isEmpty())
        warn(warning);
}

void MainPanel::fileOpened(const QString &path)
{
    const QString trimmed = path.trimmed();
    m_sourceName = QFileInfo(trimmed).fileName();
    if (filenaming::namesCalculatorPicture(trimmed)) {
        // The work picture is what the file holds: nothing to save until it is retouched.
        m_pictureFile = QFileInfo(trimmed).absoluteFilePath();
        history.markSaved();
        showModified();
    }
}

QString MainPanel::suggestedFileName() const
{
    const QString base = QFileInfo(m_sourceName).completeBaseName();
    return base.isEmpty() ? QString() : base.toLower() + QStringLiteral(".89i");
}

QString MainPanel::pictureName() const
{
    if (!m_pictureFile.isEmpty())
        return QFileInfo(m_pictureFile).fileName();
    const QString suggested = suggestedFileName();
    return suggested.isEmpty() ? QStringLiteral("Sans titre") : suggested;
}

void MainPanel::pasteClipboard()
{
    // A file copied in a file manager: opened, and so decoded, as a dropped one.
    const QClipboard *clipboard = QGuiApplication::clipboard();
    if (const QString file = clipboard ? pictureFile(clipboard->mimeData()) : QString(); !file.isEmpty()) {
        openFile(file);
        return;
    }
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
    else
        m_sourceName.clear();
}

void MainPanel::saved(const QString &path)
{
    m_pictureFile = QFileInfo(path).absoluteFilePath();
    history.markSaved();
    showModified();
    Dialogs::current().message(QStringLiteral("Fichier enregistré"), Dialogs::Icon::Information,
                               QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));
}

void MainPanel::warnIfAdvancedNames()
{
    if (document.advancedOptions)
        warn(QStringLiteral("Vous avez choisi d'utiliser des options complémentaires"));
}

bool MainPanel::saveAs()
{
    const QList<Dialogs::Filter> filters{{QStringLiteral("Images files (*.89i)"), QStringLiteral("*.89i")}};
    const QString suggested = suggestedFileName();
    const QString folder = dialogFolder(RecentFiles::Dialog::Save);
    const QString initialPath = suggested.isEmpty() ? folder : QDir(folder).filePath(suggested);
    const auto chosen = Dialogs::current().chooseSaveFile(this, filters, QDir::toNativeSeparators(initialPath),
                                                          QStringLiteral("Enregistrer une Image."));
    if (!chosen)
        return false;
    return saveTo(filenaming::saveAsPath(*chosen));
}

bool MainPanel::saveTo(const QString &path)
{
    layDownSelection();
    warnIfAdvancedNames();
    QString error;
    if (!document.writeFittedPicture(path, document.fileFolderName(), variableNameFor(path), &error)) {
        // The next save is offered where the last one went, not where this one failed.
        warn(error);
        return false;
    }
    recentFiles.setFolder(RecentFiles::Dialog::Save, QFileInfo(RecentFiles::cleaned(path)).path());
    addRecentFile(path);
    saved(path);
    return true;
}

QString MainPanel::variableNameFor(const QString &path) const
{
    // Without an advanced name, the variable is named after the file, so that two
    // files saved under two names stay two pictures on the calculator.
    if (document.advancedOptions && !document.variableName.isEmpty())
        return document.variableName;
    const QString name = picfile::calculatorName(QFileInfo(path).completeBaseName());
    return name.isEmpty() ? QStringLiteral("fig0000") : name;
}

void MainPanel::sendToCalculator()
{
    if (m_transfer->isRunning())
        return;
    layDownSelection();
    // Named as the file it came from or was saved to, else as "Sauver sous" suggests.
    QString file = m_pictureFile.isEmpty() ? suggestedFileName() : QFileInfo(m_pictureFile).fileName();
    auto temporary = std::make_shared<QTemporaryDir>();
    const QString path = temporary->filePath(file.isEmpty() ? QStringLiteral("fig0000.89i") : file);
    QString error = QStringLiteral("Impossible de préparer l'envoi : aucun dossier temporaire n'est disponible.");
    if (!temporary->isValid() || !document.writeFittedPicture(path, document.fileFolderName(), variableNameFor(path), &error)) {
        warn(error);
        return;
    }
    m_transfer->start(path, window(), temporary);
}

void MainPanel::sendFileToCalculator(const QString &path)
{
    m_transfer->start(path, m_viewer && m_viewer->isVisible() ? static_cast<QWidget *>(m_viewer) : window());
}

void MainPanel::showLinkDialog()
{
    LinkDialog dialog(window());
    dialog.exec();
}

bool MainPanel::mayClose()
{
    if (!history.isModified())
        return true;
    const QString question = QStringLiteral("Enregistrer les modifications de « %1 » ?").arg(pictureName());
    switch (Dialogs::current().ask(window(), question)) {
    case Dialogs::Answer::Discard:
        return true;
    case Dialogs::Answer::Save:
        // The file the picture came from or was saved to, else the dialog.
        return m_pictureFile.isEmpty() ? saveAs() : saveTo(m_pictureFile);
    case Dialogs::Answer::Cancel:
        break;
    }
    return false;
}

void MainPanel::saveAutomatically()
{
    layDownSelection();
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
