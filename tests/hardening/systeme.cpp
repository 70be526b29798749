#include "systeme.h"

#include <QFile>

#include <gtest/gtest.h>

#include <fcntl.h>

bool canCreateIn(const QString &folder)
{
    const QByteArray name = QFile::encodeName(folder + QStringLiteral("/.essai-ecriture"));
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    if (fd < 0)
        return false;
    ::close(fd);
    ::unlink(name.constData());
    return true;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}
