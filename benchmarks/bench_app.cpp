#include "app/mainpanel.h"

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
class PaintWatch : public QObject
{
public:
    bool done = false;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            done = true;
        return QObject::eventFilter(watched, event);
    }
};

double secondsSince(std::chrono::steady_clock::time_point t0)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

// The whole program: from starting its process to its window's first paint,
// with the JPEG on the command line.
void BM_ProgramStart(benchmark::State &state)
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
        env.insert(QStringLiteral("BRIVANE_STARTUP_TIMING"), QStringLiteral("1"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.path()); // its recent files: not the user's
        process.setProcessEnvironment(env);
        const auto start = std::chrono::system_clock::now();
        process.start(exe, {photo});
        if (!process.waitForFinished(10000)) {
            state.SkipWithError("the program did not end");
            return;
        }
        const qint64 painted = process.readAllStandardOutput().trimmed().toLongLong();
        const qint64 started = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                   start.time_since_epoch()).count();
        state.SetIterationTime(double(painted - started) / 1e9);
    }
}
BENCHMARK(BM_ProgramStart)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

// The window alone, in a running application: creation, start-up with the
// JPEG, show and first paint.
void BM_WindowStart(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString photo = photoJpeg(dir);
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        auto form = std::make_unique<MainPanel>();
        PaintWatch paintWatch;
        form->installEventFilter(&paintWatch);
        form->document.automaticFolder().setProgramFolder(dir.path());
        form->start({photo});
        form->show();
        while (!paintWatch.done)
            QApplication::processEvents();
        state.SetIterationTime(secondsSince(t0));
        form->removeEventFilter(&paintWatch);
    }
}
BENCHMARK(BM_WindowStart)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

// Releasing the level slider's thumb: the convert command runs and the work
// picture is painted again. Argument: "Conserver les proportions" off (0) or on (1),
// which fits from the 1600 x 1200 source instead of the preview.
void BM_SliderRelease(benchmark::State &state)
{
    QTemporaryDir dir;
    MainPanel form;
    form.document.automaticFolder().setProgramFolder(dir.path());
    form.start({photoJpeg(dir)});
    form.document.keepProportions = state.range(0) != 0;
    form.show();
    QApplication::processEvents();
    QWidget *work = form.findChild<QWidget *>(QStringLiteral("canvas"));
    int direction = 1;
    for (auto _ : state) {
        form.levelSlider->setSliderDown(true);
        form.levelSlider->setSliderPosition(10 * direction);
        direction = -direction;
        const auto t0 = std::chrono::steady_clock::now();
        form.levelSlider->setSliderDown(false);
        work->repaint();
        state.SetIterationTime(secondsSince(t0));
    }
}
BENCHMARK(BM_SliderRelease)->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMicrosecond);

} // namespace
