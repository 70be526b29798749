#pragma once

#include "cli/commandline.h"

#include <QTextStream>

// One run of the converter's command line in this process (arguments without the
// program's name), with what it printed.
struct CommandRun { int status = -1; QString out, err; };

inline CommandRun runCommandLine(const QStringList &arguments)
{
    CommandRun run;
    QTextStream out(&run.out), err(&run.err);
    run.status = CommandLine(out, err).run(QStringList{QStringLiteral("brivane")} + arguments);
    return run;
}
