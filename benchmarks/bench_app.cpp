#include "app/fenetreprincipale.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

namespace {

// A 1600 x 1200 photograph-like JPEG: smooth gradients with fine texture.
QString photoJpeg(const QTemporaryDir &dir)
{
    QImage image(1600, 1200, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = qRgb((x / 7 + (x * y) % 13) & 0xFF, (y / 5 + x % 17) & 0xFF, ((x + y) / 12) & 0xFF);
    }
    const QString path = dir.filePath(QStringLiteral("photo.jpg"));
    image.save(path, "JPG", 90);
    return path;
}

// Notes the window's first paint.
class Peinture : public QObject
{
public:
    bool faite = false;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            faite = true;
        return QObject::eventFilter(watched, event);
    }
};

double secondesDepuis(std::chrono::steady_clock::time_point t0)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

// The whole program: from starting its process to its window's first paint,
// with the JPEG on the command line.
void BM_DemarrageProcessus(benchmark::State &state)
{
    const QString exe = QCoreApplication::applicationDirPath() + QStringLiteral("/../src/brivane");
    if (!QFileInfo(exe).isExecutable()) {
        state.SkipWithError("build the brivane target first");
        return;
    }
    QTemporaryDir dir;
    const QString photo = photoJpeg(dir);
    for (auto _ : state) {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("BRIVANE_MESURE_DEMARRAGE"), QStringLiteral("1"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(env);
        const auto debut = std::chrono::system_clock::now();
        process.start(exe, {photo});
        if (!process.waitForFinished(10000)) {
            state.SkipWithError("the program did not end");
            return;
        }
        const qint64 peint = process.readAllStandardOutput().trimmed().toLongLong();
        const qint64 depart = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                  debut.time_since_epoch()).count();
        state.SetIterationTime(double(peint - depart) / 1e9);
    }
}
BENCHMARK(BM_DemarrageProcessus)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

// The window alone, in a running application: creation, start-up with the
// JPEG, show and first paint.
void BM_DemarrageFenetre(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString photo = photoJpeg(dir);
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        auto form = std::make_unique<FenetrePrincipale>();
        Peinture peinture;
        form->installEventFilter(&peinture);
        form->document.automaticFolder().setProgramFolder(dir.path());
        form->Form_Load(photo);
        form->show();
        while (!peinture.faite)
            QApplication::processEvents();
        state.SetIterationTime(secondesDepuis(t0));
        form->removeEventFilter(&peinture);
    }
}
BENCHMARK(BM_DemarrageFenetre)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

// Releasing the level slider's thumb: the convert command runs and the work
// picture is painted again. Argument: "Conserver les proportions" off (0) or on (1),
// which fits from the 1600 x 1200 source instead of the preview.
void BM_RelacheCurseur(benchmark::State &state)
{
    QTemporaryDir dir;
    FenetrePrincipale form;
    form.document.automaticFolder().setProgramFolder(dir.path());
    form.Form_Load(photoJpeg(dir));
    form.document.keepProportions = state.range(0) != 0;
    form.show();
    QApplication::processEvents();
    QWidget *travail = form.findChild<QWidget *>(QStringLiteral("vueTravail"));
    int sens = 1;
    for (auto _ : state) {
        form.niveauGris->setSliderDown(true);
        form.niveauGris->setSliderPosition(10 * sens);
        sens = -sens;
        const auto t0 = std::chrono::steady_clock::now();
        form.niveauGris->setSliderDown(false);
        travail->repaint();
        state.SetIterationTime(secondesDepuis(t0));
    }
}
BENCHMARK(BM_RelacheCurseur)->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMicrosecond);

} // namespace
