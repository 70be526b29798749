#pragma once

class QWidget;

// What the program's fixed-size windows share: a fixed client size from the
// geometry table, a title bar with only a close box, and placement.
namespace windowsetup {

// Fixed client size, title bar and close box only (no minimise, no maximise).
void makeFixed(QWidget *window, const char *name);
// The same for the secondary windows, which also stay above all other windows
// from their creation on (without being shown).
void makeTopmost(QWidget *window, const char *name);
// Centres the window on the screen it will show on.
void centre(QWidget *window);
// Puts the window beside the other one (to its right, else to its left), inside
// the screen's available area, or over the other one's right part when there is
// no room beside it.
void placeBeside(QWidget *window, const QWidget *other);

} // namespace windowsetup
