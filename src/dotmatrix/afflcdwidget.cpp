#include "afflcdwidget.h"

#include "int16.h"

AfflcdWidget::AfflcdWidget(QWidget *parent)
    : DotMatrixWidget(DotMatrixPolicy::afflcd, parent)
{
}

void AfflcdWidget::SetMatriceSize(int newsize, bool keepmatrice, int hauteur)
{
    int16::checked(hauteur);
    core().SetMatriceSize(newsize, keepmatrice);
}
