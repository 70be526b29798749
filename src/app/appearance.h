#pragma once

#include "platform/colour.h"

#include <QFont>
#include <QString>

#include <string_view>

class QGroupBox;
class QLabel;
class QWidget;

// Small helpers the windows share to build their controls from the geometry table.
namespace appearance {

// Puts the widget at its place from the table (pixels) and names it.
void place(QWidget *widget, std::string_view name);

// The widget's own background (window role) or, for text entries, its base colour.
void setBackground(QWidget *widget, QRgb colour);
void setEntryBackground(QWidget *widget, QRgb colour);
QRgb setEntryBackground(const QWidget *widget);

// A section header: single flat border, header background, caption from the table.
QLabel *header(QWidget *parent, std::string_view name);

// A line control (horizontal or vertical): one black pixel wide, taking no mouse
// events.
QWidget *line(QWidget *parent, std::string_view name);

// A frame drawn the classic way: a one-pixel border whose top runs at mid-height
// of the caption, above the controls inside, the caption cutting it.
void paintFrame(QGroupBox *frame);

// The controls' ordinary face: a condensed sans serif whose widths come close to
// "MS Sans Serif" 8.25 pt, so that every caption fits the room it was given.
QFont controlFont();

} // namespace appearance
