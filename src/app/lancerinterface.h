#pragma once

#include <QString>

// Starts the program's window: creates the application, runs the main window's
// start-up with the command-line text (the arguments without the program's
// name) and returns when the main window is closed.
//
// With BRIVANE_MESURE_DEMARRAGE set, the program prints the wall-clock time in
// nanoseconds at which its window was first painted, then ends: a script
// compares it with the time it started the process.
int lancerInterface(int argc, char **argv, const QString &ligneCommande);
