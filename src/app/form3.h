#pragma once

#include <QWidget>

class AfflcdWidget;
class Surface;

// The zoomed preview "Apercu Zoomé": the work picture enlarged on a simulated
// calculator screen. It keeps itself above other windows and is destroyed when
// closed.
class Form3 : public QWidget
{
    Q_OBJECT

public:
    explicit Form3(QWidget *parent = nullptr);

    // Copies the 160 x 100 work picture onto the screen: one black dot of 3 pixels
    // for every pixel that is not pure white.
    void copier(const Surface &picture2);

    AfflcdWidget *afflcd1 = nullptr;
};
