#include "matricewidget.h"

MatriceWidget::MatriceWidget(QWidget *parent)
    : DotMatrixWidget(DotMatrixPolicy::matrice, parent)
{
}
