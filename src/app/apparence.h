#pragma once

#include "platform/colour.h"

#include <QFont>
#include <QString>

#include <string_view>

class QLabel;
class QWidget;

// Small helpers the windows share to build their controls from the geometry table.
namespace apparence {

// Puts the widget at its place from the table (pixels) and names it.
void placer(QWidget *widget, std::string_view nom);

// The widget's own background (window role) or, for text entries, its base colour.
void fond(QWidget *widget, Couleur couleur);
void fondSaisie(QWidget *widget, Couleur couleur);
Couleur fondSaisie(const QWidget *widget);

// A section header: single flat border, header background, caption from the table.
QLabel *entete(QWidget *parent, std::string_view nom);

// A line control (horizontal or vertical): one black pixel wide, taking no mouse
// events.
QWidget *ligne(QWidget *parent, std::string_view nom);

// "MS Serif" where the system has it, else the nearest small serif face.
QFont policeSerif(double points);
// The controls' ordinary face ("MS Sans Serif" 8.25 pt or its nearest match).
QFont policeControles();

} // namespace apparence
