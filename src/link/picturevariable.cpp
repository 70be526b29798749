#include "picturevariable.h"

#include "picfile/format.h"
#include "picfile/picturereader.h"
#include "platform/files.h"

#include <QDir>
#include <QFileInfo>

namespace tilink {

namespace {

QByteArray field(const QByteArray &file, int offset)
{
    const QByteArray bytes = file.mid(offset, picfile::kNameLength);
    const qsizetype end = bytes.indexOf('\0');
    return end < 0 ? bytes : bytes.left(end);
}

} // namespace

QByteArray PictureVariable::fullName() const
{
    return folder.isEmpty() ? name : folder + '\\' + name;
}

std::optional<PictureVariable> readPictureVariable(const QString &path, QString *error)
{
    // A variable the link can carry is never longer than this: a larger file is
    // refused from its header.
    const qint64 limit = picfile::kDataLengthOffset + kMaxVariableSize + picfile::kTrailerSize;
    const std::optional<QByteArray> file = files::readAll(path, error, limit);
    if (!file)
        return std::nullopt;
    const QString shown = QDir::toNativeSeparators(path);
    if (!picfile::isPictureFile(*file, std::max(qint64(file->size()), QFileInfo(path).size()))) {
        if (error)
            *error = QStringLiteral("Le fichier %1 n'est pas une image de calculatrice.").arg(shown);
        return std::nullopt;
    }
    const QSize size = picfile::statedSize(*file);
    if (size.isEmpty()) {
        if (error)
            *error = QStringLiteral("Le fichier %1 ne contient aucune image.").arg(shown);
        return std::nullopt;
    }
    // From the data length to the tag: the length field, height, width, rows, tag.
    const qint64 bytes = 2 + 4 + qint64(size.height()) * ((size.width() + 7) / 8) + 1;
    if (bytes > kMaxVariableSize) {
        if (error)
            *error = QStringLiteral("L'image du fichier %1 (%2 x %3 pixels) est trop grande pour la calculatrice.")
                         .arg(shown)
                         .arg(size.width())
                         .arg(size.height());
        return std::nullopt;
    }
    if (picfile::kDataLengthOffset + bytes > file->size()) {
        if (error)
            *error = QStringLiteral("Le fichier %1 n'est pas une image de calculatrice.").arg(shown);
        return std::nullopt;
    }
    PictureVariable variable;
    variable.folder = field(*file, picfile::kFolderOffset);
    variable.name = field(*file, picfile::kNameOffset);
    variable.type = quint8(file->at(picfile::kNameOffset + picfile::kNameLength));
    variable.data = file->mid(picfile::kDataLengthOffset, bytes);
    if (variable.name.isEmpty()) {
        if (error)
            *error = QStringLiteral("Le fichier %1 ne donne aucun nom à son image.").arg(shown);
        return std::nullopt;
    }
    return variable;
}

} // namespace tilink
