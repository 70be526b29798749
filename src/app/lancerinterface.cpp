#include "lancerinterface.h"

#include "form1.h"
#include "images.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>

#include <chrono>
#include <cstdio>

namespace {

// Ends the program just after the window's first paint, printing when it was.
class MesureDemarrage : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_fait) {
            m_fait = true;
            QTimer::singleShot(0, qApp, [] {
                const auto maintenant = std::chrono::system_clock::now().time_since_epoch();
                std::printf("%lld\n", static_cast<long long>(
                                          std::chrono::duration_cast<std::chrono::nanoseconds>(maintenant).count()));
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_fait = false;
};

} // namespace

int lancerInterface(int argc, char **argv, const QString &ligneCommande)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brivane"));
    QApplication::setWindowIcon(images::icone());

    QPointer<Form1> form1 = new Form1;
    form1->setAttribute(Qt::WA_DeleteOnClose);
    // Closing the main window ends the program, whatever else is open.
    QObject::connect(form1, &Form1::fermee, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    MesureDemarrage mesure;
    if (qEnvironmentVariableIsSet("BRIVANE_MESURE_DEMARRAGE"))
        form1->installEventFilter(&mesure);
    form1->Form_Load(ligneCommande);
    form1->show();
    const int code = QApplication::exec();
    delete form1; // still there when the measurement ended the program
    return code;
}
