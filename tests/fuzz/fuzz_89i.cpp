// Any bytes as a ".89i" file: one that does not begin with "**TI" or cannot hold the
// rows its header states is refused as no calculator picture; any other, read from
// disk and drawn onto the work picture, or decoded from the bytes and drawn over it,
// gives exactly what the layout says, and is refused only when it holds no picture,
// saying so; "exporter" writes a PNG of exactly that picture, or refuses with status
// 1, naming the file, the old PNG untouched.
#include "fuzzsupport.h"

#include "picfile/picturereader.h"
#include "support/calc89i.h"
#include "cli/commandrunner.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QString path = fuzz::path(QStringLiteral("image.89i")), png = fuzz::path(QStringLiteral("image.png"));
    const QByteArray file(reinterpret_cast<const char *>(data), qsizetype(size));
    fuzz::writeBytes(path, file);
    static QImage target(160, 100, QImage::Format_RGB32);
    const QImage expected = reference89i(file, 160, 100);
    target.fill(0xFFFFFFFFu);
    const auto byte = [&](qsizetype i) { return qint64(quint8(file.at(i))); };
    const bool pictureFile = file.startsWith("**TI") && file.size() >= 92
                             && file.size() >= 92 + (byte(88) << 8 | byte(89)) * (((byte(90) << 8 | byte(91)) + 7) / 8);
    QString error, blankError;
    const auto picture = picfile::read(path, target.size(), &blankError, picfile::NoPicture::Blank);
    const bool refused = !picfile::read(path, target.size(), &error);
    if (!pictureFile) {
        fuzz::check(!picture && refused && error.contains(QStringLiteral("n'est pas une image de calculatrice"))
                        && blankError == error, "un fichier qui n'est pas une image est lu", error);
    } else {
        fuzz::check(picture.has_value(), "read refuse un fichier lisible", blankError);
        picfile::draw(*picture, target);
        fuzz::check(target == expected, "read ne dessine pas ce que dit le fichier");
        picfile::draw(picfile::decode(file, target.size()), target);
        fuzz::check(target == expected, "redessiner par-dessus change l'image");
        fuzz::check(refused == picfile::statedSize(file).isEmpty() && (!refused || error.contains(QStringLiteral("aucune image"))),
                    "refus d'un fichier sans image", error);
    }

    fuzz::writeBytes(png, "ancien contenu");
    const CommandRun run = runCommandLine({QStringLiteral("exporter"), path, png});
    QFile written(png);
    if (run.status != CommandLine::Success) {
        fuzz::check(run.status == CommandLine::FileFailure && run.err.contains(path) && run.out.isEmpty(),
                       "refus inattendu", run.err);
        fuzz::check(written.open(QIODevice::ReadOnly) && written.readAll() == "ancien contenu", "un export refusé touche au PNG");
        return 0;
    }
    const QSize stated = picfile::statedSize(file);
    fuzz::check(run.err.isEmpty(), "un export réussi écrit une erreur", run.err);
    fuzz::check(QImage(png).convertToFormat(QImage::Format_RGB32) == reference89i(file, stated.width(), stated.height()),
                   "le PNG ne suit pas le fichier");
    return 0;
}
