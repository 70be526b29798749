#pragma once

#include "platform/surface.h"

#include <functional>

// The two black-and-white methods. Both work in place on the work picture and
// write only black (0) and white (0xFFFFFF).
namespace traitement {

// Filled by SepareRVB: the three parts of the last colour split.
extern int rouge;
extern int vert;
extern int bleu;

void SepareRVB(Couleur colour);

// Grey level = plain average (red + green + blue + 1) div 3; black exactly when
// 100 * grey <= 255 * (level + 50); then inverted when invert is -1 (True).
void ViaGrayscale(Surface &picture, int level, int invert);

// Every pixel of the 160 x 100 area that is not exactly white becomes black.
void NoirEtBlanc(Surface &picture);

// Run at the end of both methods; the main window uses it to close the about window.
void setAfterConversion(std::function<void()> hook);
// The end of every method: the picture is refreshed, then the hook runs.
void finConversion(Surface &picture);

} // namespace traitement
