#include "pictureloader.h"

#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>

namespace {

// A decoded picture bigger than this is refused rather than allowed to eat memory.
constexpr int kAllocationLimitMb = 256;

LoadedPicture decode(QImageReader &reader, const QString &what)
{
    reader.setAllocationLimit(kAllocationLimitMb);
    reader.setAutoTransform(true);
    LoadedPicture result;
    QImage image = reader.read();
    if (image.isNull()) {
        result.error = QStringLiteral("Impossible de lire l'image %1 : %2.")
                           .arg(what, reader.errorString());
        return result;
    }
    result.image = image.convertToFormat(QImage::Format_RGB32);
    if (result.image.isNull())
        result.error = QStringLiteral("Mémoire insuffisante pour l'image %1.").arg(what);
    return result;
}

} // namespace

LoadedPicture loadPicture(const QString &path)
{
    const QString shown = QDir::toNativeSeparators(path);
    if (!QFileInfo(path).isFile()) {
        LoadedPicture result;
        result.error = QStringLiteral("Le fichier %1 est introuvable.").arg(shown);
        return result;
    }
    QImageReader reader(path);
    // Trust the content over the extension: a PNG named .jpg still opens.
    reader.setDecideFormatFromContent(true);
    return decode(reader, shown);
}

LoadedPicture loadPictureData(const QByteArray &data)
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    return decode(reader, QStringLiteral("collée"));
}

QImage clipboardPicture()
{
    const QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return {};
    const QImage image = clipboard->image();
    if (image.isNull())
        return {};
    return image.convertToFormat(QImage::Format_RGB32);
}
