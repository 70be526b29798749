#pragma once

#include <QString>

class QCommandLineParser;
class QTextStream;

// Where the converter's commands write (French messages), and how they end.
class Console
{
public:
    // The exit statuses.
    enum Status { Success = 0, FileFailure = 1, UsageError = 2 };

    Console(QTextStream &out, QTextStream &err);

    QTextStream &out() const { return m_out; }
    QTextStream &err() const { return m_err; }

    // Says what is wrong with the command line and where its help is; returns
    // UsageError. An empty command points to the general help.
    int usageError(const QString &message, const QString &command) const;
    // The same for what the parser refused, in Qt's words (French once Qt's
    // translation is installed).
    int parseError(const QCommandLineParser &parser, const QString &command) const;

    // A path as the messages show it: with the system's separators.
    static QString shown(const QString &path);

private:
    QTextStream &m_out;
    QTextStream &m_err;
};
