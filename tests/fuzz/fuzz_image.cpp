// Any bytes as a source picture, opened as the "Ouvrir Fichier" command opens a
// BMP, GIF, JPEG, icon or PNG file, then fitted and converted both ways. A picture
// that cannot be used is refused in French and changes nothing; one that opens gives
// a black-and-white work picture and a fit inside the output area.
#include "fuzzsupport.h"

#include "convert/conversionstate.h"
#include "platform/pictureloader.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzz::initialiser(argc, argv);
    return 0;
}

namespace {

bool noirEtBlanc(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (row[x] != 0xFF000000u && row[x] != 0xFFFFFFFFu)
                return false;
    }
    return true;
}

void verifierAjustement(const ConversionState &state)
{
    fuzz::verifier(noirEtBlanc(state.travail.image()), "l'image convertie n'est pas noir et blanc");
    fuzz::verifier(state.travail.size() == QSize(160, 100), "l'image de travail change de taille");
    fuzz::verifier(state.largeur >= 1 && state.hauteur >= 1 && state.x0 >= 0 && state.y0 >= 0
                       && state.x0 + state.largeur <= state.largeurSortie
                       && state.y0 + state.hauteur <= state.hauteurSortie,
                   "l'ajustement sort de la zone de sortie",
                   QStringLiteral("%1,%2 %3x%4").arg(state.x0).arg(state.y0).arg(state.largeur).arg(state.hauteur));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // No extension: the content alone says what the picture is.
    static const QString path = fuzz::chemin(QStringLiteral("source"));
    fuzz::ecrire(path, data, size);

    ConversionState state;
    // The automatic name is looked for in a folder of a few files.
    state.setCheminAppli(fuzz::chemin(QString()));
    const QImage avant = state.imageSource.image();
    QString error;
    if (!state.chargerFichier(path, &error)) {
        fuzz::verifier(error.contains(path), "le refus ne nomme pas le fichier", error);
        fuzz::verifier(state.imageSource.image() == avant, "un refus change l'image source");
        return 0;
    }
    fuzz::verifier(error.isEmpty(), "une image ouverte donne une erreur", error);
    const qint64 pixels = qint64(state.imageSource.width()) * state.imageSource.height();
    fuzz::verifier(pixels > 0 && pixels <= kPixelsMax, "image ouverte hors des limites",
                   QStringLiteral("%1 x %2").arg(state.imageSource.width()).arg(state.imageSource.height()));

    state.convertir();
    verifierAjustement(state);
    state.conserverProportions = true;
    state.largeurSortie = 48;
    state.hauteurSortie = 98;
    state.convertir();
    verifierAjustement(state);
    return 0;
}
