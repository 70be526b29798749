#include "app/commandline.h"
#include "app/lancerinterface.h"

#include <QGuiApplication>
#include <QTextStream>

#include <csignal>
#include <cstdio>

int main(int argc, char **argv)
{
    // Beyond a file-size limit (ulimit -f) a write must fail and be reported like a
    // full disk, not end the program with the picture unsaved.
    std::signal(SIGXFSZ, SIG_IGN);
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (!CommandLine::handles(arguments))
        return lancerInterface(argc, argv, arguments);

    // The converter needs fonts and pictures but no screen, and it reports its own
    // failures in French: Qt's notes about the environment would only be noise.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("Brivane"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    return CommandLine(out, err).run(QCoreApplication::arguments());
}
