#pragma once

class QWidget;

// What the program's fixed-size windows share: a fixed client size from the
// geometry table, a title bar with only a close box, and placement.
namespace fenetres {

// Fixed client size, title bar and close box only (no minimise, no maximise).
void fixe(QWidget *window, const char *nom);
// The same for the secondary windows, which also stay above all other windows
// from their creation on (without being shown).
void auDessus(QWidget *window, const char *nom);
// Centres the window on the screen it will show on.
void centrer(QWidget *window);

} // namespace fenetres
