#pragma once

#include "convert/conversionstate.h"
#include "support/recordingdialogs.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

// A whole file, or nothing when it cannot be read.
inline QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeBytes(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// A conversion state whose program folder is a fresh temporary folder, with the
// dialogs recorded.
class ConversionTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        state.setCheminAppli(dir.path());
    }

    QString path(const QString &name) const { return dir.filePath(name); }

    QByteArray bytes(const QString &name) const { return readBytes(path(name)); }
    void write(const QString &name, const QByteArray &content) const
    {
        ASSERT_TRUE(writeBytes(path(name), content));
    }

    QStringList messageTexts() const
    {
        QStringList texts;
        for (const auto &m : dialogs.messages)
            texts << m.text;
        return texts;
    }

    QTemporaryDir dir;
    RecordingDialogs dialogs;
    ConversionState state;
};

// A picture of one colour.
inline QImage solid(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// White, with black in the rectangle (left, top, width, height).
inline QImage whiteWithBlack(int width, int height, const QRect &black)
{
    QImage image = solid(width, height, 0xFFFFFFFF);
    for (int y = black.top(); y <= black.bottom(); ++y)
        for (int x = black.left(); x <= black.right(); ++x)
            image.setPixel(x, y, 0xFF000000);
    return image;
}
