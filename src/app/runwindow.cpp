#include "runwindow.h"

#include "mainwindow.h"
#include "mainpanel.h"
#include "artwork.h"
#include "platform/translation.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>

#include <chrono>
#include <cstdio>

namespace {

// Acts on the window's first paint for the scripts, then ends the program.
class FirstPaint : public QObject
{
public:
    FirstPaint(QWidget *window, QString capture, bool measure)
        : m_window(window)
        , m_capture(std::move(capture))
        , m_measure(measure)
    {
        if (!m_capture.isEmpty() || m_measure)
            window->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_done) {
            m_done = true;
            // Once the paint is over.
            QTimer::singleShot(0, this, &FirstPaint::act);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void act()
    {
        if (m_measure) {
            const auto now = std::chrono::system_clock::now().time_since_epoch();
            std::printf("%lld\n", static_cast<long long>(
                std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
            std::fflush(stdout);
        }
        if (!m_capture.isEmpty() && !m_window->grab().save(m_capture))
            std::fprintf(stderr, "Impossible d'enregistrer %s\n", qPrintable(m_capture));
        QCoreApplication::quit();
    }

    QWidget *m_window;
    QString m_capture;
    bool m_measure;
    bool m_done = false;
};

// Whether a window can be shown at all: on Linux a display server must be named
// (or a platform chosen), else Qt would end the program with its own English note.
bool windowsCanShow()
{
#ifdef Q_OS_LINUX
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qEnvironmentVariableIsSet("DISPLAY")
        || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

} // namespace

int runWindow(int argc, char **argv, const QStringList &arguments)
{
    if (!windowsCanShow()) {
        std::fprintf(stderr, "Aucun écran n'est disponible pour ouvrir la fenêtre de Brivane (ni DISPLAY ni "
                             "WAYLAND_DISPLAY n'est défini).\nPour convertir sans fenêtre : brivane convertir "
                             "--help\n");
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brivane"));
    QApplication::setWindowIcon(artwork::icon());
    if (!translation::installQtFrench())
        std::fprintf(stderr, "Traduction française de Qt introuvable (paquet qt6-translations-l10n).\n");

    auto *mainPanel = new MainPanel;
    // Closing the main window ends the program, whatever else is open.
    QObject::connect(mainPanel, &MainPanel::closed, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    mainPanel->start(arguments);
    // The menu bar stands above the window, which the frame takes in.
    QPointer<MainWindow> mainWindow = new MainWindow(mainPanel);
    mainWindow->setAttribute(Qt::WA_DeleteOnClose);
    FirstPaint firstPaint(mainWindow, qEnvironmentVariable("BRIVANE_CAPTURE"),
                             qEnvironmentVariableIsSet("BRIVANE_STARTUP_TIMING"));
    mainWindow->show();
    const int code = QApplication::exec();
    delete mainWindow; // still there when a script's hook ended the program
    return code;
}
