#pragma once

#include "platform/colour.h"

#include <QFont>
#include <QString>

#include <string_view>

class QGroupBox;
class QLabel;
class QWidget;

// Small helpers the windows share to build their controls from the geometry table.
namespace apparence {

// Puts the widget at its place from the table (pixels) and names it.
void placer(QWidget *widget, std::string_view nom);

// The widget's own background (window role) or, for text entries, its base colour.
void fond(QWidget *widget, QRgb couleur);
void fondSaisie(QWidget *widget, QRgb couleur);
QRgb fondSaisie(const QWidget *widget);

// A section header: single flat border, header background, caption from the table.
QLabel *entete(QWidget *parent, std::string_view nom);

// A line control (horizontal or vertical): one black pixel wide, taking no mouse
// events.
QWidget *ligne(QWidget *parent, std::string_view nom);

// A frame drawn the classic way: a one-pixel border whose top runs at mid-height
// of the caption, above the controls inside, the caption cutting it.
void peindreCadre(QGroupBox *cadre);

// The controls' ordinary face: a condensed sans serif whose widths come close to
// "MS Sans Serif" 8.25 pt, so that every caption fits the room it was given.
QFont policeControles();

} // namespace apparence
