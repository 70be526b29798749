// Any bytes as a ".89i" file: read onto the work picture, from disk or over what is
// there, it draws exactly what the layout says; "exporter" writes a PNG of exactly
// that picture, or refuses with status 1, naming the file, the old PNG untouched.
#include "fuzzsupport.h"

#include "picfile/lib89i.h"
#include "support/calc89i.h"
#include "support/commandrunner.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QString path = fuzz::chemin(QStringLiteral("image.89i")), png = fuzz::chemin(QStringLiteral("image.png"));
    const QByteArray file(reinterpret_cast<const char *>(data), qsizetype(size));
    fuzz::ecrire(path, file);
    static Surface surface(160, 100);
    const QImage expected = reference89i(file, 160, 100);
    surface.image().fill(0xFFFF0000u); // left-overs the reader must clear
    QString error;
    fuzz::verifier(lib89i::Lire89i(path, surface, false, &error), "Lire89i refuse un fichier lisible", error);
    fuzz::verifier(surface.image() == expected, "Lire89i ne dessine pas ce que dit le fichier");
    lib89i::dessine89i(file, surface, true);
    fuzz::verifier(surface.image() == expected, "redessiner par-dessus change l'image");

    fuzz::ecrire(png, "ancien contenu");
    const CommandRun run = runCommandLine({QStringLiteral("exporter"), path, png});
    QFile written(png);
    if (run.status != CommandLine::Success) {
        fuzz::verifier(run.status == CommandLine::FileFailure && run.err.contains(path) && run.out.isEmpty(),
                       "refus inattendu", run.err);
        fuzz::verifier(written.open(QIODevice::ReadOnly) && written.readAll() == "ancien contenu", "un export refusé touche au PNG");
        return 0;
    }
    const QSize taille = lib89i::taille89i(file);
    fuzz::verifier(run.err.isEmpty(), "un export réussi écrit une erreur", run.err);
    fuzz::verifier(QImage(png).convertToFormat(QImage::Format_RGB32) == reference89i(file, taille.width(), taille.height()),
                   "le PNG ne suit pas le fichier");
    return 0;
}
