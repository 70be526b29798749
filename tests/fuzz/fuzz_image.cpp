// Any bytes as a picture opened by "Ouvrir Fichier", then fitted and converted both
// ways: refused naming the file and changing nothing, or giving a black-and-white
// work picture and a fit inside the output area.
#include "fuzzsupport.h"

#include "convert/conversionstate.h"
#include "platform/pictureloader.h"

#include <algorithm>

static void verifierAjustement(const ConversionState &s)
{
    const QImage &image = s.travail.image();
    const auto *p = reinterpret_cast<const QRgb *>(image.constBits());
    fuzz::verifier(image.size() == QSize(160, 100) && std::all_of(p, p + 160 * 100, [](QRgb c) {
                       return c == 0xFF000000u || c == 0xFFFFFFFFu;
                   }), "l'image de travail n'est pas 160 x 100 en noir et blanc");
    fuzz::verifier(s.largeur >= 1 && s.hauteur >= 1 && s.x0 >= 0 && s.y0 >= 0 && s.x0 + s.largeur <= s.largeurSortie
                       && s.y0 + s.hauteur <= s.hauteurSortie,
                   "l'ajustement sort de la zone de sortie", QStringLiteral("%1,%2 %3x%4").arg(s.x0).arg(s.y0).arg(s.largeur).arg(s.hauteur));
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QString path = fuzz::chemin(QStringLiteral("source")); // no extension: the content says
    fuzz::ecrire(path, QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    ConversionState state;
    state.setCheminAppli(fuzz::chemin(QString())); // the automatic name looks in a folder of a few files
    const QImage avant = state.imageSource.image();
    QString error;
    if (!state.chargerFichier(path, &error)) {
        fuzz::verifier(error.contains(path) && state.imageSource.image() == avant, "refus mal fait", error);
        return 0;
    }
    const qint64 pixels = qint64(state.imageSource.width()) * state.imageSource.height();
    fuzz::verifier(error.isEmpty() && pixels > 0 && pixels <= kPixelsMax, "ouverture mal faite", error);
    state.convertir();
    verifierAjustement(state);
    state.conserverProportions = true;
    state.largeurSortie = 48, state.hauteurSortie = 98;
    state.convertir();
    verifierAjustement(state);
    return 0;
}
