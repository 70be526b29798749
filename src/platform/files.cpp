#include "files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>

namespace files {

namespace {

// Qt words system errors in English: the usual ones in French. errnum is errno as
// the failing call left it; an unknown one keeps Qt's text.
QString reason(int errnum, const QFileDevice &file)
{
    switch (errnum) {
    case EACCES:
    case EPERM:
        return QStringLiteral("accès refusé");
    case EROFS:
        return QStringLiteral("le disque est en lecture seule");
    case ENOSPC:
        return QStringLiteral("le disque est plein");
#ifdef EDQUOT
    case EDQUOT:
        return QStringLiteral("le quota de disque est dépassé");
#endif
    case EFBIG:
        return QStringLiteral("le fichier dépasse la taille permise");
    case ENOENT:
        return QStringLiteral("le fichier ou son dossier n'existe pas");
    case ENOTDIR:
        return QStringLiteral("un élément du chemin n'est pas un dossier");
    case EISDIR:
        return QStringLiteral("c'est un dossier");
    case ENAMETOOLONG:
        return QStringLiteral("le nom est trop long");
    case EIO:
        return QStringLiteral("erreur d'entrée-sortie du disque");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("trop de fichiers ouverts");
    case ELOOP:
        return QStringLiteral("trop de liens symboliques");
    default:
        break;
    }
    const QString text = file.errorString();
    return text.isEmpty() ? QStringLiteral("erreur inconnue") : text;
}

} // namespace

bool isOrdinaryFile(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && info.isFile();
}

std::optional<QByteArray> readAll(const QString &path, QString *error, qint64 maxBytes)
{
    QFile file(path);
    // A pipe or a device would block the program or never end: only files are read.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        if (error)
            *error = QStringLiteral("Impossible d'ouvrir le fichier %1 : %2.")
                         .arg(QDir::toNativeSeparators(path),
                              info.isDir() ? QStringLiteral("c'est un dossier")
                                           : QStringLiteral("ce n'est pas un fichier ordinaire"));
        return std::nullopt;
    }
    errno = 0;
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("Impossible d'ouvrir le fichier %1 : %2.")
                         .arg(QDir::toNativeSeparators(path), reason(errno, file));
        return std::nullopt;
    }
    errno = 0;
    // read(n) sets n bytes aside first: never more than the file holds.
    QByteArray bytes = maxBytes >= 0 ? file.read(std::min(maxBytes, file.size())) : file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = QStringLiteral("Impossible de lire le fichier %1 : %2.")
                         .arg(QDir::toNativeSeparators(path), reason(errno, file));
        return std::nullopt;
    }
    return bytes;
}

bool replaceWith(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    const auto fail = [&](const QString &why) {
        if (error)
            *error = QStringLiteral("Impossible d'enregistrer le fichier %1 : %2.")
                         .arg(QDir::toNativeSeparators(path), why);
        return false;
    };
    if (QFileInfo(path).isDir())
        return fail(QStringLiteral("un dossier porte ce nom"));
    // errno right after each call: the clean-up of a failed save keeps it.
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return fail(reason(errno, file));
    // QSaveFile::commit() renames the copy even when flushing it failed, and a
    // write cut short by a full disk reports no error: checked here, so a partial
    // copy never takes the place of the old file (it goes with `file`).
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush())
        return fail(reason(errno, file));
    errno = 0;
    if (!file.commit())
        return fail(reason(errno, file));
    return true;
}

} // namespace files
