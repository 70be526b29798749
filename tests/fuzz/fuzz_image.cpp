// Any bytes as a picture opened by "Ouvrir Fichier", then fitted and converted both
// ways: refused naming the file and changing nothing, or giving a black-and-white
// work picture and a fit inside the output area.
#include "fuzzsupport.h"

#include "convert/document.h"
#include "platform/pictureloader.h"

#include <algorithm>

static void checkFit(const Document &s)
{
    const QImage &image = s.work.image();
    const auto *p = reinterpret_cast<const QRgb *>(image.constBits());
    fuzz::check(image.size() == QSize(160, 100) && std::all_of(p, p + 160 * 100, [](QRgb c) {
                       return c == 0xFF000000u || c == 0xFFFFFFFFu;
                   }), "l'image de travail n'est pas 160 x 100 en noir et blanc");
    const QRect fit = s.fit();
    fuzz::check(fit.width() >= 1 && fit.height() >= 1 && QRect(0, 0, s.outputWidth, s.outputHeight).contains(fit),
                   "l'ajustement sort de la zone de sortie",
                   QStringLiteral("%1,%2 %3x%4").arg(fit.x()).arg(fit.y()).arg(fit.width()).arg(fit.height()));
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QString path = fuzz::path(QStringLiteral("source")); // no extension: the content says
    fuzz::writeBytes(path, QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    Document state;
    state.automaticFolder().setProgramFolder(fuzz::path(QString())); // the automatic name looks in a folder of a few files
    const QImage before = state.source.image();
    QString error;
    if (!state.open(path, &error)) {
        fuzz::check(error.contains(path) && state.source.image() == before, "refus mal fait", error);
        return 0;
    }
    const qint64 pixels = qint64(state.source.width()) * state.source.height();
    fuzz::check(error.isEmpty() && pixels > 0 && pixels <= kPixelsMax, "ouverture mal faite", error);
    state.convert();
    checkFit(state);
    state.keepProportions = true;
    state.outputWidth = 48, state.outputHeight = 98;
    state.convert();
    checkFit(state);
    return 0;
}
