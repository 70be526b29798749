#pragma once

#include "cli/convertoptions.h"

#include <QImage>
#include <QSet>
#include <QSize>
#include <QString>
#include <QStringList>

class Console;

// What the heavy part of converting one source leaves for the writing: the fitted
// picture and the messages, or the reason it failed.
struct Converted
{
    bool ok = false;
    QString error;
    QString warning;
    QImage picture; // the fitted picture, Document::fittedPicture()
    QSize size;     // the part of it the file holds
};

// "brivane convertir [options] SOURCE...": each source converted as the window
// converts it, then written as "Sauver sous" writes it, under a name from the
// options. Several sources are converted at once; the outputs, the messages and
// the status are those of one at a time.
class ConvertCommand
{
public:
    explicit ConvertCommand(const Console &console);

    // arguments: the program first, then the command's own. Returns the exit status.
    int run(const QStringList &arguments);

    // Loading, fit and conversion of one source. It touches nothing shared and its
    // messages come back in the result, so several workers run it side by side.
    static Converted convert(const QString &source, const ConvertOptions &options);

private:
    // Names and writes one converted source, or reports why it failed; called in
    // the order of the sources.
    bool write(const QString &source, const Converted &converted);
    // The variable named after an output file, unique within this run, a change or
    // a fallback said on the error stream.
    QString variableFor(const QString &path);

    const Console &m_console;
    ConvertOptions m_options;
    // Where the automatic names are counted: the current folder, with its separator.
    const QString m_folder;
    // The outputs of this run so far, as absolute paths.
    QSet<QString> m_written;
    // The variable names this run derived so far.
    QSet<QString> m_variables;
};
