#pragma once

#include "app/commandline.h"
#include "convert/conversionfixture.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTextStream>

// Runs the command-line converter in a temporary folder made the current one,
// capturing what it writes.
class CommandLineTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        m_previous = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(dir.path()));
    }
    void TearDown() override { QDir::setCurrent(m_previous); }

    int run(const QStringList &arguments)
    {
        out.clear();
        err.clear();
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        return CommandLine(outStream, errStream).run(QStringList{QStringLiteral("brivane")} + arguments);
    }

    QString path(const QString &name) const { return dir.filePath(name); }

    QByteArray bytes(const QString &name) const { return readBytes(path(name)); }
    void write(const QString &name, const QByteArray &content) const
    {
        ASSERT_TRUE(writeBytes(path(name), content));
    }

    // The folder for many small files: in memory where the system offers it.
    static QString fastTemporaryPattern()
    {
        const QString pattern = QStringLiteral("/brivane-XXXXXX");
        return QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") + pattern
                                                         : QDir::tempPath() + pattern;
    }

    QTemporaryDir dir{fastTemporaryPattern()};
    QString out;
    QString err;

private:
    QString m_previous;
};

// A photograph-like picture: smooth colour gradients with some detail.
inline QImage photo(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb((x * 255) / width, (y * 255) / height, ((x ^ y) * 7) & 0xFF));
    return image;
}
