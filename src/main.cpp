#include "app/runwindow.h"
#include "cli/commandline.h"

#include <QCoreApplication>
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
        return runWindow(argc, argv, arguments);

    // The converter reports its own failures in French: Qt's notes would only be noise.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    // It decodes, stretches and writes pictures in memory, and draws no text: no
    // platform plugin nor font database is needed, which saves most of the start-up.
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Brivane"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    return CommandLine(out, err).run(QCoreApplication::arguments());
}
