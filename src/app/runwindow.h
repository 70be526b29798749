#pragma once

#include <QStringList>

// Starts the program's window: creates the application, runs the main window's
// start-up with the command-line arguments (without the program's name) and
// returns when the main window is closed. Without a screen to show it, says so in
// French and returns 1.
//
// Two environment variables serve the project's scripts; each makes the program
// end right after the window's first paint:
//   BRIVANE_STARTUP_TIMING   prints the wall-clock time of that paint, in
//                              nanoseconds since 1970, for the start-up timing;
//   BRIVANE_CAPTURE=file.png   saves a picture of the window, for the screenshot.
int runWindow(int argc, char **argv, const QStringList &arguments);
