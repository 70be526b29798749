#include "startupsource.h"

#include <QFileInfo>

QString startupSource(const QString &commandLineText)
{
    if (!commandLineText.contains(u'"'))
        return commandLineText;
    return commandLineText.size() < 2 ? QString() : commandLineText.mid(1, commandLineText.size() - 2);
}

QString startupSource(const QStringList &arguments, QStringList *notOpened)
{
    notOpened->clear();
    const QString joined = startupSource(arguments.join(u' '));
    // A path with blanks may come in pieces: the whole line is tried first.
    if (arguments.size() < 2 || QFileInfo::exists(joined))
        return joined;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (QFileInfo(arguments.at(i)).isFile()) {
            *notOpened = arguments;
            notOpened->removeAt(i);
            return arguments.at(i);
        }
    }
    return joined;
}
