#pragma once

// Shared by the fuzz targets: Qt without a screen, a private folder, checks.
#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdio>

namespace fuzz {

inline void check(bool ok, const char *what, const QString &detail = QString())
{
    if (!ok)
        qFatal("PROPRIÉTÉ FAUSSE : %s %s", what, qPrintable(detail));
}

inline QString path(const QString &name)
{
    static const QTemporaryDir folder((QFile::exists(QStringLiteral("/dev/shm")) ? QStringLiteral("/dev/shm") : QDir::tempPath())
                                       + QStringLiteral("/brivane-fuzz-XXXXXX"));
    return folder.filePath(name);
}

inline void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    check(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(), "écriture", path);
}

} // namespace fuzz

// The application object pictures and fonts need, alive until the process ends.
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
        if (type == QtFatalMsg) // not the decoders' warnings about every damaged picture
            fprintf(stderr, "%s\n", qPrintable(text));
    });
    new QGuiApplication(*argc, *argv);
    return 0;
}
