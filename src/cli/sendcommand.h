#pragma once

#include <QStringList>

class Console;

// "brivane envoyer FICHIER.89i... [--cable C] [--calculatrice M]": sends the
// pictures to the calculator over the link cable, one after the other; a file that
// is no picture is skipped, a link failure stops the rest. arguments: the program
// first, then the command's own. Returns the exit status.
int sendCommand(const QStringList &arguments, const Console &console);
