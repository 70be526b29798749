#include "form3.h"

#include "apparence.h"
#include "dotmatrix/afflcdwidget.h"
#include "fenetres.h"
#include "platform/numberederror.h"
#include "platform/surface.h"

Form3::Form3(QWidget *parent)
    : QWidget(parent)
{
    fenetres::auDessus(this, "Form3");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(QIcon());
    afflcd1 = new AfflcdWidget(this);
    apparence::placer(afflcd1, "afflcd1");
}

void Form3::copier(const Surface &picture2)
{
    try {
        afflcd1->setBackcolor(kBlanc);
        afflcd1->setForecolor(kNoir);
        afflcd1->setPixelSize(3);
        afflcd1->SetMatriceSize(160, false, 100);
        afflcd1->setBackcolor(kBlanc);
        for (int x = 0; x < 160; ++x)
            for (int y = 0; y < 100; ++y)
                if (picture2.point(x, y) != kBlanc)
                    afflcd1->drawpixel(3, x + 1, y + 1);
        afflcd1->actualisebmp();
    } catch (const NumberedError &) {
        // The screen's grid holds every dot of a 160 x 100 picture: nothing to report.
    }
}
