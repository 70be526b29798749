// What decoding JPEG photographs smaller while they are read changes in what the
// converter makes of them: each photograph named on the command line is opened as
// the program opens it (decoded at 1/2, 1/4 or 1/8 when the mean allows it) and,
// beside it, from its natural-size decode, the way every photograph was opened
// before. For each it prints the decoded size, the preview's mean and largest
// grey-level difference, and the share of the output's pixels that differ under
// the threshold and two dithering methods, over both fits, whole and framed on its
// middle (a third of each side). A Markdown table, then the worst of each column.
//   comparedecode PHOTO.jpg...
#include "convert/document.h"
#include "platform/pictureloader.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

using monochrome::Dithering;

// The mean and largest difference of the two previews' grey levels.
std::pair<double, int> greyDifference(const QImage &a, const QImage &b)
{
    double sum = 0;
    int largest = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const int d = std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y)));
            sum += d;
            largest = std::max(largest, d);
        }
    return {sum / (a.width() * a.height()), largest};
}

// The share of the fitted pictures' pixels that differ, in per cent.
double pixelsDiffering(const Document &a, const Document &b)
{
    const QRect fit = a.fit();
    if (fit != b.fit())
        return 100;
    int differing = 0;
    for (int y = fit.top(); y <= fit.bottom(); ++y)
        for (int x = fit.left(); x <= fit.right(); ++x)
            differing += a.work.image().pixel(x, y) != b.work.image().pixel(x, y);
    return 100.0 * differing / (fit.width() * fit.height());
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const Dithering methods[] = {Dithering::None, Dithering::FloydSteinberg, Dithering::BlueNoise};
    std::printf("| photo | size | decoded | preview: mean (max) grey diff. | pixels differing, worst: threshold | Floyd-Steinberg | blue noise |\n");
    std::printf("|---|---|---|---|---|---|---|\n");
    double worstPreview = 0, worst[3] = {0, 0, 0}, sum[3] = {0, 0, 0};
    int runs = 0;
    for (int i = 1; i < argc; ++i) {
        const QString path = QString::fromLocal8Bit(argv[i]);
        Document scaled{QString()}, natural{QString()};
        QString error;
        const LoadedPicture full = loadPicture(path);
        if (!scaled.open(path, &error) || !full.ok()) {
            std::fprintf(stderr, "%s: %s\n", argv[i], qPrintable(error + full.error));
            return 1;
        }
        natural.importPicture(full.image);
        const auto [previewMean, previewLargest] = greyDifference(scaled.preview.image(), natural.preview.image());
        worstPreview = std::max(worstPreview, previewMean);
        double photoWorst[3] = {0, 0, 0};
        const QSize size = natural.sourceSize();
        for (const bool keep : {false, true})
            for (const QRect frame : {QRect(), QRect(size.width() / 3, size.height() / 3, size.width() / 3, size.height() / 3)})
                for (int m = 0; m < 3; ++m) {
                    for (Document *d : {&scaled, &natural}) {
                        d->keepProportions = keep;
                        d->settings.dithering = methods[m];
                        d->setFrame(frame);
                        d->convertPicture();
                    }
                    const double differing = pixelsDiffering(scaled, natural);
                    photoWorst[m] = std::max(photoWorst[m], differing);
                    worst[m] = std::max(worst[m], differing);
                    sum[m] += differing;
                    runs += m == 0;
                }
        scaled.setFrame({});
        std::printf("| %s | %d x %d (%.1f MP) | %d x %d | %.2f (%d) | %.2f %% | %.2f %% | %.2f %% |\n",
                    qPrintable(QFileInfo(path).fileName()), size.width(), size.height(),
                    size.width() * double(size.height()) / 1e6, scaled.source.width(), scaled.source.height(),
                    previewMean, previewLargest, photoWorst[0], photoWorst[1], photoWorst[2]);
    }
    std::printf("\nWorst preview mean difference: %.2f grey levels. Pixels differing, mean (worst) over %d "
                "conversions each: threshold %.2f %% (%.2f %%), Floyd-Steinberg %.2f %% (%.2f %%), blue noise "
                "%.2f %% (%.2f %%).\n",
                worstPreview, runs, sum[0] / runs, worst[0], sum[1] / runs, worst[1], sum[2] / runs, worst[2]);
    return 0;
}
