#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

class QCommandLineParser;
class QTextStream;
class Document;
struct ConvertOptions;
struct Converted;

// The command-line converter: the window's conversions without a window.
//   brivane convertir [options] SOURCE...
//   brivane exporter FICHIER.89i IMAGE.png
//   brivane --help | --version
class CommandLine
{
public:
    enum Status { Success = 0, FileFailure = 1, UsageError = 2 };

    // Messages go to the two streams (French), so tests can read them.
    CommandLine(QTextStream &out, QTextStream &err);

    // Whether the arguments (without the program's name) are for the converter;
    // anything else starts the window.
    static bool handles(const QStringList &arguments);
    // The window's command-line text: the arguments joined by blanks.
    static QString joinArguments(const QStringList &arguments);
    // The picture path in a command-line text: a text holding a double quote
    // anywhere loses its first and its last character.
    static QString sourcePath(const QString &commandLineText);
    // The picture path in the window's arguments: the joined text as above when
    // it names an existing file (or when each argument fails too); otherwise the
    // first argument that is a file, the others going to *notOpened.
    static QString sourcePath(const QStringList &arguments, QStringList *notOpened);

    // Runs a command; arguments as QCoreApplication::arguments() gives them, the
    // program first. Returns the exit status.
    int run(const QStringList &arguments);

private:
    int convertir(const QStringList &arguments);
    int exporter(const QStringList &arguments);
    // Names and writes one converted source, or reports why it failed; called in
    // the order of the sources. written: the outputs of this run so far, as
    // absolute paths; naming: finds the next automatic name.
    bool writeOne(const QString &source, const Converted &converted, const ConvertOptions &options,
                  const Document &naming, QSet<QString> &written);
    int usageError(const QString &message, const QString &command);
    int parseError(const QCommandLineParser &parser, const QString &command);

    QTextStream &m_out;
    QTextStream &m_err;
};
