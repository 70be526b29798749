#include "fuzzsupport.h"

#include "platform/dialogs.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <unistd.h>

namespace fuzz {

namespace {

std::unique_ptr<QTemporaryDir> g_dossier;

// No person answers during a fuzz run: messages are dropped, dialogs cancelled.
class DialoguesMuets : public Dialogs
{
public:
    void message(const QString &, Icon) override {}
    std::optional<QString> chooseFile(QWidget *, const QList<Filter> &, const QString &,
                                      const QString &) override
    {
        return std::nullopt;
    }
    void setTopmost(QWidget *, bool) override {}
};

} // namespace

void initialiser(int *argc, char ***argv)
{
    static bool fait = false;
    if (fait)
        return;
    fait = true;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Decoders warn about every damaged picture; millions of runs make that noise.
    qputenv("QT_LOGGING_RULES", "qt.gui.imageio*=false");
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    // Lives until the process ends, as the application does.
    static QGuiApplication *application = new QGuiApplication(*argc, *argv);
    Q_UNUSED(application);
    static DialoguesMuets dialogues;
    Dialogs::install(&dialogues);

    const QString base = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm")
                                                                  : QDir::tempPath();
    g_dossier = std::make_unique<QTemporaryDir>(base + QStringLiteral("/brivane-fuzz-XXXXXX"));
    if (!g_dossier->isValid())
        echec("dossier temporaire", g_dossier->errorString());
    // The folder goes when the run ends normally.
    std::atexit([] { g_dossier.reset(); });
}

QString chemin(const QString &name)
{
    return g_dossier->filePath(name);
}

void ecrire(const QString &path, const uint8_t *data, size_t size)
{
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (fd < 0)
        echec("écriture du fichier d'entrée", path);
    size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, data + done, size - done);
        if (n <= 0)
            echec("écriture du fichier d'entrée", path);
        done += size_t(n);
    }
    ::close(fd);
}

void ecrire(const QString &path, const QByteArray &bytes)
{
    ecrire(path, reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size()));
}

QByteArray lire(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void echec(const char *what, const QString &detail)
{
    std::fprintf(stderr, "PROPRIÉTÉ FAUSSE : %s %s\n", what, qPrintable(detail));
    std::abort();
}

} // namespace fuzz
