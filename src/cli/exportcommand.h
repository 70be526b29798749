#pragma once

#include <QStringList>

class Console;

// "brivane exporter FICHIER.89i IMAGE.png": the picture of a calculator file as a
// black-and-white PNG of its own size (4096 x 4096 at most). arguments: the
// program first, then the command's own. Returns the exit status.
int exportCommand(const QStringList &arguments, const Console &console);
