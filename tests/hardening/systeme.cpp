#include "systeme.h"

#include <QFile>

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
