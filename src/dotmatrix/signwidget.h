#pragma once

#include "dotmatrix.h"

#include <QWidget>

// The window side of the scrolling sign (the main window's banner): shows the
// display one pixel for one pixel and keeps it as large as the widget. The
// sign's members throw NumberedError, which the caller must catch.
class SignWidget : public QWidget
{
    Q_OBJECT

public:
    explicit SignWidget(QWidget *parent = nullptr);

    DotMatrix &matrix() { return m_matrix; }
    const DotMatrix &matrix() const { return m_matrix; }

    QSize sizeHint() const override { return DotMatrix::kDesignSize; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    DotMatrix m_matrix{DotMatrixPolicy::sign};
};
