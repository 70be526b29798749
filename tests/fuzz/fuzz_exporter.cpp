// "brivane exporter" on any bytes as the ".89i" file: it either writes a PNG of
// exactly the file's picture at its size, or refuses in French with status 1 and
// leaves the PNG that was there as it was.
#include "fuzzsupport.h"

#include "app/commandline.h"

#include <QImage>
#include <QTextStream>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzz::initialiser(argc, argv);
    return 0;
}

namespace {

// The PNG holds w x h pixels, black exactly where the file's bits are set.
void verifierPng(const QByteArray &file, const QString &pngPath)
{
    const auto byte = [&](qint64 i) { return unsigned(quint8(file.at(i))); };
    const int h = int(256 * byte(88) + byte(89));
    const int w = int(256 * byte(90) + byte(91));
    const QImage png(pngPath);
    fuzz::verifier(!png.isNull(), "le PNG écrit ne se relit pas");
    fuzz::verifier(png.size() == QSize(w, h), "le PNG n'a pas la taille de l'image");
    const QImage grey = png.convertToFormat(QImage::Format_Grayscale8);
    const qint64 rowBytes = (qint64(w) + 7) / 8;
    const qint64 bitmapLength = qint64(file.size()) - 95;
    for (int y = 0; y < h; ++y) {
        const uchar *row = grey.constScanLine(y);
        for (int x = 0; x < w; ++x) {
            const qint64 index = y * rowBytes + x / 8;
            const bool black = index < bitmapLength && (byte(92 + index) & (0x80u >> (x % 8)));
            if (row[x] != (black ? 0 : 255))
                fuzz::echec("un pixel du PNG ne suit pas le fichier",
                            QStringLiteral("(%1, %2)").arg(x).arg(y));
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QString source = fuzz::chemin(QStringLiteral("image.89i"));
    static const QString target = fuzz::chemin(QStringLiteral("image.png"));
    static const QByteArray ancien("ancien contenu");
    fuzz::ecrire(source, data, size);
    fuzz::ecrire(target, ancien);

    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const int status = CommandLine(outStream, errStream)
                           .run({QStringLiteral("brivane"), QStringLiteral("exporter"), source, target});
    const QByteArray file = QByteArray::fromRawData(reinterpret_cast<const char *>(data),
                                                    qsizetype(size));
    if (status == CommandLine::Success) {
        fuzz::verifier(err.isEmpty(), "un export réussi écrit une erreur", err);
        verifierPng(file, target);
        return 0;
    }
    fuzz::verifier(status == CommandLine::FileFailure, "code de sortie inattendu",
                   QString::number(status));
    fuzz::verifier(err.contains(source), "le message d'erreur ne nomme pas le fichier", err);
    fuzz::verifier(out.isEmpty(), "un export refusé écrit sur la sortie", out);
    fuzz::verifier(fuzz::lire(target) == ancien, "un export refusé touche au PNG existant");
    return 0;
}
