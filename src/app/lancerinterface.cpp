#include "lancerinterface.h"

#include "cadre.h"
#include "fenetreprincipale.h"
#include "images.h"
#include "platform/translation.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>

#include <chrono>
#include <cstdio>

namespace {

// Acts on the window's first paint for the scripts, then ends the program.
class PremierAffichage : public QObject
{
public:
    PremierAffichage(QWidget *window, QString capture, bool mesure)
        : m_window(window)
        , m_capture(std::move(capture))
        , m_mesure(mesure)
    {
        if (!m_capture.isEmpty() || m_mesure)
            window->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_fait) {
            m_fait = true;
            // Once the paint is over.
            QTimer::singleShot(0, this, &PremierAffichage::agir);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void agir()
    {
        if (m_mesure) {
            const auto maintenant = std::chrono::system_clock::now().time_since_epoch();
            std::printf("%lld\n", static_cast<long long>(
                std::chrono::duration_cast<std::chrono::nanoseconds>(maintenant).count()));
            std::fflush(stdout);
        }
        if (!m_capture.isEmpty() && !m_window->grab().save(m_capture))
            std::fprintf(stderr, "Impossible d'enregistrer %s\n", qPrintable(m_capture));
        QCoreApplication::quit();
    }

    QWidget *m_window;
    QString m_capture;
    bool m_mesure;
    bool m_fait = false;
};

} // namespace

int lancerInterface(int argc, char **argv, const QStringList &arguments)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brivane"));
    QApplication::setWindowIcon(images::icone());
    if (!translation::installQtFrench())
        std::fprintf(stderr, "Traduction française de Qt introuvable (paquet qt6-translations-l10n).\n");

    auto *fenetrePrincipale = new FenetrePrincipale;
    // Closing the main window ends the program, whatever else is open.
    QObject::connect(fenetrePrincipale, &FenetrePrincipale::fermee, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    fenetrePrincipale->Form_Load(arguments);
    // The menu bar stands above the window, which the frame takes in.
    QPointer<Cadre> cadre = new Cadre(fenetrePrincipale);
    cadre->setAttribute(Qt::WA_DeleteOnClose);
    PremierAffichage premier(cadre, qEnvironmentVariable("BRIVANE_CAPTURE"),
                             qEnvironmentVariableIsSet("BRIVANE_MESURE_DEMARRAGE"));
    cadre->show();
    const int code = QApplication::exec();
    delete cadre; // still there when a script's hook ended the program
    return code;
}
