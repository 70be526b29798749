#include "console.h"

#include <QCommandLineParser>
#include <QDir>
#include <QTextStream>

Console::Console(QTextStream &out, QTextStream &err)
    : m_out(out)
    , m_err(err)
{
}

int Console::usageError(const QString &message, const QString &command) const
{
    m_err << message << Qt::endl
          << QStringLiteral("Voir « brivane %1--help ».")
                 .arg(command.isEmpty() ? QString() : command + u' ')
          << Qt::endl;
    return UsageError;
}

int Console::parseError(const QCommandLineParser &parser, const QString &command) const
{
    return usageError(parser.errorText(), command);
}

QString Console::shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}
