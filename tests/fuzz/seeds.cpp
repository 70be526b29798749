// Writes the seed corpus of the fuzz targets into the folder given (tests/fuzz/corpus):
// calculator pictures from the program's own writer, and small BMP, GIF, JPEG, icon
// and PNG pictures. Run by tests/fuzz/make-seeds.
#include "picfile/lib89i.h"
#include "platform/surface.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>

namespace {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "Impossible d'écrire %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// Black and white detail: a frame, a diagonal and a checker corner.
Surface calculatorPicture(int width, int height)
{
    Surface surface(std::max(width, 1), std::max(height, 1), kBlanc);
    for (int x = 0; x < width; ++x) {
        surface.setPixel(x, 0, kNoir);
        surface.setPixel(x, height - 1, kNoir);
    }
    for (int y = 0; y < height; ++y) {
        surface.setPixel(0, y, kNoir);
        surface.setPixel(width - 1, y, kNoir);
        surface.setPixel(y * width / std::max(height, 1), y, kNoir);
        for (int x = 0; x < std::min(width, 12); ++x)
            if (y < 12 && (x + y) % 2 == 0)
                surface.setPixel(x, y, kNoir);
    }
    return surface;
}

// A colour picture with gradients, a shape and some text-like detail.
QImage colourPicture(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgba(x * 255 / width, y * 255 / height, (x ^ y) * 16 & 0xFF,
                                       x < width / 4 ? 128 : 255));
    QPainter painter(&image);
    painter.setPen(Qt::black);
    painter.drawEllipse(width / 4, height / 4, width / 2, height / 2);
    painter.drawLine(0, height - 1, width - 1, 0);
    return image;
}

QByteArray encoded(const QImage &image, const char *format, int quality = -1)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format, quality))
        std::fprintf(stderr, "Qt n'écrit pas le format %s\n", format);
    return bytes;
}

// A GIF with a four-colour palette. Qt writes no GIF, so the LZW stream is made
// here the simplest way: a clear code before every two pixels keeps every code
// three bits wide.
QByteArray gif(int width, int height, const QList<QRgb> &palette, bool interlaced)
{
    const auto le16 = [](QByteArray &out, int v) {
        out.append(char(v & 0xFF));
        out.append(char((v >> 8) & 0xFF));
    };
    QByteArray out("GIF89a");
    le16(out, width);
    le16(out, height);
    out.append(char(0x81)); // global colour table of 4 entries
    out.append('\0');
    out.append('\0');
    for (int i = 0; i < 4; ++i) {
        const QRgb c = palette.value(i);
        out.append(char(qRed(c)));
        out.append(char(qGreen(c)));
        out.append(char(qBlue(c)));
    }
    out.append(',');
    le16(out, 0);
    le16(out, 0);
    le16(out, width);
    le16(out, height);
    out.append(char(interlaced ? 0x40 : 0x00));
    out.append(char(2)); // minimum code size

    QByteArray codes;
    quint32 bits = 0;
    int count = 0;
    const auto put = [&](int code) {
        bits |= quint32(code) << count;
        count += 3;
        while (count >= 8) {
            codes.append(char(bits & 0xFF));
            bits >>= 8;
            count -= 8;
        }
    };
    for (int i = 0; i < width * height; ++i) {
        if (i % 2 == 0)
            put(4); // clear
        put((i / width + i % width) % 4);
    }
    put(5); // end of information
    if (count > 0)
        codes.append(char(bits & 0xFF));
    for (qsizetype at = 0; at < codes.size(); at += 255) {
        const QByteArray block = codes.mid(at, 255);
        out.append(char(block.size()));
        out.append(block);
    }
    out.append('\0');
    out.append(';');
    return out;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "Utilisation : %s DOSSIER_CORPUS\n", argv[0]);
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    bool ok = true;

    // Calculator pictures, the same for the two reader targets and the export.
    struct Size
    {
        int width, height;
    };
    const Size sizes[] = {{160, 100}, {100, 50}, {240, 128}, {8, 1}, {1, 1}, {16, 2}, {0, 0}, {13, 7}};
    for (const char *target : {"fuzz_lire89i", "fuzz_lire89i_grand", "fuzz_exporter"}) {
        root.mkpath(QString::fromLatin1(target));
        for (const Size &size : sizes) {
            const QByteArray file = lib89i::encode89i(calculatorPicture(size.width, size.height),
                                                      size.height, size.width, QStringLiteral("zfig"),
                                                      QStringLiteral("fig0000"));
            const QString name = QStringLiteral("%1/%2x%3.89i").arg(QString::fromLatin1(target))
                                     .arg(size.width).arg(size.height);
            ok &= writeFile(root.filePath(name), file);
        }
        // A file cut short in its bitmap, and one cut in its header.
        const QByteArray whole = lib89i::encode89i(calculatorPicture(64, 20), 20, 64,
                                                   QStringLiteral("zfig"), QStringLiteral("court"));
        ok &= writeFile(root.filePath(QString::fromLatin1(target) + QStringLiteral("/tronque.89i")),
                        whole.left(150));
        ok &= writeFile(root.filePath(QString::fromLatin1(target) + QStringLiteral("/entete.89i")),
                        whole.left(90));
    }

    // Source pictures in every format the open command takes.
    root.mkpath(QStringLiteral("fuzz_image"));
    const auto image = [&](const QString &name, const QByteArray &bytes) {
        ok &= !bytes.isEmpty() && writeFile(root.filePath(QStringLiteral("fuzz_image/") + name), bytes);
    };
    const QImage colour = colourPicture(24, 16);
    image(QStringLiteral("couleur.bmp"), encoded(colour.convertToFormat(QImage::Format_RGB32), "bmp"));
    image(QStringLiteral("mono.bmp"), encoded(colour.convertToFormat(QImage::Format_Mono), "bmp"));
    image(QStringLiteral("palette.bmp"), encoded(colour.convertToFormat(QImage::Format_Indexed8), "bmp"));
    image(QStringLiteral("couleur.jpg"), encoded(colour.convertToFormat(QImage::Format_RGB32), "jpg", 50));
    image(QStringLiteral("gris.jpg"), encoded(colour.convertToFormat(QImage::Format_Grayscale8), "jpg", 50));
    image(QStringLiteral("couleur.png"), encoded(colour, "png"));
    image(QStringLiteral("mono.png"), encoded(colour.convertToFormat(QImage::Format_Mono), "png"));
    image(QStringLiteral("palette.png"), encoded(colour.convertToFormat(QImage::Format_Indexed8), "png"));
    image(QStringLiteral("gris16.png"), encoded(colour.convertToFormat(QImage::Format_Grayscale16), "png"));
    image(QStringLiteral("icone16.ico"), encoded(colourPicture(16, 16), "ico"));
    image(QStringLiteral("icone32.ico"), encoded(colourPicture(32, 32).convertToFormat(QImage::Format_RGB32), "ico"));
    const QList<QRgb> palette{qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(200, 30, 30), qRgb(30, 30, 200)};
    image(QStringLiteral("petit.gif"), gif(6, 5, palette, false));
    image(QStringLiteral("entrelace.gif"), gif(5, 9, palette, true));

    return ok ? 0 : 1;
}
