// Any bytes as a ".89i" file. Read onto the 160 x 100 work picture, it draws exactly
// what the file layout says, also over what was there, and the same from memory.
// Exported by "brivane exporter", it gives a PNG of exactly the file's picture, or
// a French refusal with status 1 that leaves the PNG already there as it was.
#include "fuzzsupport.h"

#include "app/commandline.h"
#include "picfile/lib89i.h"
#include "support/calc89i.h"

#include <QImage>
#include <QTextStream>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzz::initialiser(argc, argv);
    return 0;
}

namespace {

void lire(const QString &path, const QByteArray &file)
{
    static Surface surface(160, 100);
    static QImage expected(160, 100, QImage::Format_RGB32);
    reference89i(file, expected);
    surface.image().fill(0xFFFF0000u); // left-overs the reader must clear
    QString error;
    fuzz::verifier(lib89i::Lire89i(path, surface, false, &error), "Lire89i refuse un fichier lisible", error);
    fuzz::verifier(surface.image() == expected, "Lire89i ne dessine pas ce que dit le fichier");
    lib89i::dessine89i(file, surface, true);
    fuzz::verifier(surface.image() == expected, "redessiner par-dessus change l'image");
}

void exporter(const QString &source, const QByteArray &file)
{
    static const QString target = fuzz::chemin(QStringLiteral("image.png"));
    static const QByteArray ancien("ancien contenu");
    fuzz::ecrire(target, ancien);
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const int status = CommandLine(outStream, errStream)
                           .run({QStringLiteral("brivane"), QStringLiteral("exporter"), source, target});
    if (status != CommandLine::Success) {
        fuzz::verifier(status == CommandLine::FileFailure, "code de sortie inattendu", QString::number(status));
        fuzz::verifier(err.contains(source), "le message d'erreur ne nomme pas le fichier", err);
        fuzz::verifier(out.isEmpty() && fuzz::lire(target) == ancien, "un export refusé touche au PNG");
        return;
    }
    fuzz::verifier(err.isEmpty(), "un export réussi écrit une erreur", err);
    const QSize size = lib89i::taille89i(file);
    const QImage png = QImage(target).convertToFormat(QImage::Format_RGB32);
    fuzz::verifier(png.size() == size, "le PNG n'a pas la taille de l'image");
    fuzz::verifier(png == reference89i(file, size.width(), size.height()), "le PNG ne suit pas le fichier");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QString path = fuzz::chemin(QStringLiteral("image.89i"));
    fuzz::ecrire(path, data, size);
    const QByteArray file = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    lire(path, file);
    exporter(path, file);
    return 0;
}
