#pragma once

#include <QStringList>

class Console;

// "brivane exporter [--taille N] FICHIER.89i IMAGE.png": the picture of a calculator
// file as a black-and-white PNG of its own size (4096 x 4096 at most), or enlarged
// by the largest whole factor that fits N x N (the file managers' thumbnails).
// arguments: the program first, then the command's own. Returns the exit status.
int exportCommand(const QStringList &arguments, const Console &console);
