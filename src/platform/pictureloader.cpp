#include "pictureloader.h"

#include "jpegdecoder.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QLoggingCategory>
#include <QTransform>

#include <atomic>
#include <cstring>
#include <mutex>
#include <optional>

namespace {

// What the decoder may allocate for its own picture, whatever its format: a picture
// of kPixelsMax pixels in RGB32, which is what the JPEG and BMP decoders give.
constexpr int kAllocationLimitMb = int(kPixelsMax * 4 / (1024 * 1024)) + 1;

// The limit is Qt's, for every decoder: also the clipboard's and a drop's pictures,
// which Qt decodes itself.
void limitDecoders()
{
    // Set once: decoding threads would otherwise write the same setting side by side.
    static const bool set = (QImageReader::setAllocationLimit(kAllocationLimitMb), true);
    Q_UNUSED(set);
}

bool tooLarge(QSize size)
{
    return size.isValid() && qint64(size.width()) * size.height() > kPixelsMax;
}

QString tooLargeError(const QString &what, QSize size)
{
    return QStringLiteral("L'image %1 est trop grande (%2 x %3 pixels) : au-delà de 100 millions "
                          "de pixels, elle n'est pas ouverte.")
        .arg(what)
        .arg(size.width())
        .arg(size.height());
}

const QString kDamagedData = QStringLiteral("les données de l'image sont abîmées, incomplètes ou trop grandes");

// Qt's own texts are in English: say why in French.
QString reason(const QImageReader &reader)
{
    switch (reader.error()) {
    case QImageReader::FileNotFoundError:
        return QStringLiteral("fichier introuvable");
    case QImageReader::DeviceError:
        return QStringLiteral("le fichier ne peut pas être lu");
    case QImageReader::UnsupportedFormatError:
        return QStringLiteral("ce n'est pas une image BMP, GIF, JPEG, icône ou PNG");
    case QImageReader::InvalidDataError:
        return kDamagedData;
    case QImageReader::UnknownError:
        break;
    }
    return QStringLiteral("erreur inconnue");
}

// A GIF's logical screen, from the file's first bytes: its decoder allocates the
// whole screen although the reader reports only the first frame's size.
QSize gifScreen(const QByteArray &head)
{
    if (head.size() < 10 || !(head.startsWith("GIF87a") || head.startsWith("GIF89a")))
        return QSize();
    const auto le16 = [&](int i) { return int(quint8(head[i])) | int(quint8(head[i + 1])) << 8; };
    return QSize(le16(6), le16(8));
}

// The JPEG decoder reports damaged or missing data only as log warnings, and then
// fills the missing part in: they are counted while a picture is decoded. Pictures
// may be decoded on several threads at once: the handler stays installed while any
// of them decodes, and each thread counts its own warnings.
class DamageWatch
{
public:
    DamageWatch()
    {
        t_count = 0;
        const std::lock_guard lock(s_mutex);
        if (s_watchers++ == 0)
            s_previous = qInstallMessageHandler(&DamageWatch::handler);
    }
    ~DamageWatch()
    {
        const std::lock_guard lock(s_mutex);
        if (--s_watchers == 0)
            qInstallMessageHandler(s_previous.load());
    }
    DamageWatch(const DamageWatch &) = delete;
    DamageWatch &operator=(const DamageWatch &) = delete;

    bool damaged() const { return t_count > 0; }

private:
    static void handler(QtMsgType type, const QMessageLogContext &context, const QString &text)
    {
        if (type == QtWarningMsg && context.category
            && std::strcmp(context.category, "qt.gui.imageio.jpeg") == 0) {
            ++t_count;
            return;
        }
        if (const QtMessageHandler previous = s_previous.load())
            previous(type, context, text);
    }

    static inline thread_local int t_count = 0;
    static inline std::mutex s_mutex;
    static inline int s_watchers = 0;
    static inline std::atomic<QtMessageHandler> s_previous = nullptr;
};

// Asks the JPEG decoder for the picture divided by the divisor that keeps it at
// least `smallest`, and says which. Qt's handler decodes at 1/2, 1/4 or 1/8 by
// libjpeg's scaled decoding only when asked for exactly that many pixels; asked for
// ceil(side / divisor) of a side that does not divide, it decodes at the next
// finer scale and resamples. So only the largest part whose sides divide is decoded
// (the last columns and rows, less than one decoded pixel, are left out): no second
// resampling, whatever the size.
void shrinkJpeg(QImageReader &reader, QSize smallest, LoadedPicture &result)
{
    const QSize stated = reader.size();
    const QImageIOHandler::Transformations turn = reader.transformation();
    result.fullSize = turn & QImageIOHandler::TransformationRotate90 ? stated.transposed() : stated;
    result.shrinkable = true;
    result.divisor = decodeDivisor(result.fullSize, smallest);
    const int d = result.divisor;
    QRect kept(0, 0, stated.width() / d * d, stated.height() / d * d);
    if (d > 1) {
        reader.setClipRect(kept);
        reader.setScaledSize(kept.size() / d);
    }
    // Where the file's turn puts the part decoded: mirrors first, then a quarter turn clockwise.
    if (turn & QImageIOHandler::TransformationMirror)
        kept.moveLeft(stated.width() - kept.right() - 1);
    if (turn & QImageIOHandler::TransformationFlip)
        kept.moveTop(stated.height() - kept.bottom() - 1);
    if (turn & QImageIOHandler::TransformationRotate90)
        kept = QRect(stated.height() - kept.bottom() - 1, kept.x(), kept.height(), kept.width());
    result.covered = kept;
}

// Turns a picture as its file says: mirrors first, then a quarter turn clockwise
// (as Qt's reader does).
QImage turned(QImage image, QImageIOHandler::Transformations turn)
{
    const bool mirror = turn & QImageIOHandler::TransformationMirror, flip = turn & QImageIOHandler::TransformationFlip;
    if (mirror || flip)
        image = std::move(image).mirrored(mirror, flip);
    if (turn & QImageIOHandler::TransformationRotate90)
        image = image.transformed(QTransform().rotate(90));
    return image;
}

// A JPEG in a colour space libjpeg turns into RGB is decoded straight from the
// file's bytes, at the divisor chosen; the others go through Qt's reader.
std::optional<JpegDecoding> decodeJpegFile(const QString &path, int divisor, QSize size)
{
    // Read, not mapped: a file cut short by another program while it is decoded
    // would end a mapping's reader with SIGBUS. Its own handle: Qt's reader goes on
    // from where the first one stands. A file larger than any photograph of
    // kPixelsMax pixels needs is left to Qt's reader, which streams it.
    constexpr qint64 kLargestRead = 256 * 1024 * 1024;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestRead)
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (bytes.isEmpty())
        return std::nullopt;
    return decodeJpeg(bytes, divisor, size);
}

LoadedPicture decode(const QString &path, QImageReader &reader, const QString &what, const QByteArray &head, QSize smallest)
{
    limitDecoders();
    reader.setAutoTransform(true);
    LoadedPicture result;
    // Sizes in the header refuse a huge picture before anything is decoded.
    for (const QSize declared : {gifScreen(head), reader.size()}) {
        if (tooLarge(declared)) {
            result.error = tooLargeError(what, declared);
            return result;
        }
    }
    if (reader.format() == "jpeg" && reader.size().isValid())
        shrinkJpeg(reader, smallest, result);
    std::optional<JpegDecoding> jpeg;
    if (result.shrinkable)
        jpeg = decodeJpegFile(path, result.divisor, reader.size());
    QImage image;
    bool damaged = false;
    if (jpeg && jpeg->outcome != JpegDecoding::Unsupported) {
        if (jpeg->outcome == JpegDecoding::OutOfMemory) {
            result.error = QStringLiteral("Mémoire insuffisante pour l'image %1.").arg(what);
            return result;
        }
        image = turned(std::move(jpeg->image), reader.transformation());
        damaged = jpeg->damaged;
    } else {
        const DamageWatch watch;
        image = reader.read();
        damaged = watch.damaged();
    }
    if (image.isNull()) {
        result.error = QStringLiteral("Impossible de lire l'image %1 : %2.")
                           .arg(what, jpeg && jpeg->outcome == JpegDecoding::Failed ? kDamagedData : reason(reader));
        return result;
    }
    if (tooLarge(image.size())) {
        result.error = tooLargeError(what, image.size());
        return result;
    }
    result.image = opaqueOnWhite(std::move(image));
    if (!result.shrinkable) {
        result.fullSize = result.image.size();
        result.covered = result.image.rect();
    }
    if (result.image.isNull()) {
        result.error = QStringLiteral("Mémoire insuffisante pour l'image %1.").arg(what);
        return result;
    }
    if (damaged)
        result.warning = QStringLiteral("L'image %1 est abîmée ou incomplète : seule la partie "
                                        "lisible est montrée.")
                             .arg(what);
    return result;
}

} // namespace

int decodeDivisor(QSize size, QSize smallest)
{
    if (smallest.isEmpty())
        return 1;
    int divisor = 8;
    while (divisor > 1 && (size.width() / divisor < smallest.width() || size.height() / divisor < smallest.height()))
        divisor /= 2;
    return divisor;
}

LoadedPicture loadPicture(const QString &path, QSize smallest)
{
    const QString shown = QDir::toNativeSeparators(path);
    const QFileInfo info(path);
    if (!info.isFile()) {
        // Nor is a pipe or a device read: it could block the program for good.
        LoadedPicture result;
        result.error = !info.exists() ? QStringLiteral("Le fichier %1 est introuvable.").arg(shown)
            : info.isDir()            ? QStringLiteral("%1 est un dossier, pas une image.").arg(shown)
                           : QStringLiteral("%1 n'est pas un fichier ordinaire.").arg(shown);
        return result;
    }
    // One opening: the decoder reads on from the first bytes the checks peek at.
    QFile file(path);
    QByteArray head;
    if (file.open(QIODevice::ReadOnly))
        head = file.peek(10);
    QImageReader reader(&file);
    // Trust the content over the extension: a PNG named .jpg still opens.
    reader.setDecideFormatFromContent(true);
    return decode(path, reader, shown, head, smallest);
}

QImage clipboardPicture()
{
    limitDecoders();
    const QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return {};
    const QImage image = clipboard->image();
    if (image.isNull())
        return {};
    // Not converted when too large: the RGB32 copy is what would cost too much.
    if (tooLarge(image.size()))
        return image;
    return opaqueOnWhite(image);
}

QImage opaqueOnWhite(QImage image)
{
    if (image.hasAlphaChannel()) {
        // Blended in place where the format allows it, so the picture is not held twice.
        image = std::move(image).convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < image.height(); ++y) {
            auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = row[x];
                const int a = qAlpha(p);
                if (a == 255)
                    continue;
                const auto over = [a](int c) { return (c * a + 255 * (255 - a) + 127) / 255; };
                row[x] = qRgb(over(qRed(p)), over(qGreen(p)), over(qBlue(p)));
            }
        }
    }
    return std::move(image).convertToFormat(QImage::Format_RGB32);
}
