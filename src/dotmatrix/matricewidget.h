#pragma once

#include "dotmatrixwidget.h"

// The scrolling sign: 7 rows of dots with gaps, the built-in 5 x 7 font, and at
// creation the initial text in red on dark blue.
class MatriceWidget : public DotMatrixWidget
{
    Q_OBJECT

public:
    explicit MatriceWidget(QWidget *parent = nullptr);

    void SetMatriceSize(int newsize, bool keepmatrice = false)
    {
        core().SetMatriceSize(newsize, keepmatrice);
    }
};
