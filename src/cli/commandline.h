#pragma once

#include "cli/console.h"

#include <QStringList>

// The command-line converter: the window's conversions without a window.
//   brivane convertir [options] SOURCE...
//   brivane exporter FICHIER.89i IMAGE.png
//   brivane --help | --version
class CommandLine : public Console
{
public:
    // Messages go to the two streams, so tests can read them.
    using Console::Console;

    // Whether the arguments (without the program's name) are for the converter;
    // anything else starts the window.
    static bool handles(const QStringList &arguments);

    // Runs a command; arguments as QCoreApplication::arguments() gives them, the
    // program first. Qt's own texts (the parser's errors) come in French. Returns
    // the exit status.
    int run(const QStringList &arguments);
};
