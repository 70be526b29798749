#pragma once

#include "dotmatrixwidget.h"

// The simulated calculator screen: 200 rows of square touching dots, counted
// from 0 on the pixel side, lit one by one by the host; no built-in glyphs.
class AfflcdWidget : public DotMatrixWidget
{
    Q_OBJECT

public:
    explicit AfflcdWidget(QWidget *parent = nullptr);

    // hauteur is accepted and has no effect: the grid keeps its 200 rows.
    void SetMatriceSize(int newsize, bool keepmatrice = false, int hauteur = 8);
    void drawpixel(int pixelSize, int x, int y) { core().drawpixel(pixelSize, x, y); }
    void clearpixel(int pixelSize, int x, int y) { core().clearpixel(pixelSize, x, y); }
};
