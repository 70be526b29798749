#pragma once

#include "editor/editeur.h"

#include <gtest/gtest.h>

// An editor on a white 160 x 100 work picture, counting the picture's refreshes.
inline constexpr int kLeft = 1; // left button mask

class EditorFixture : public ::testing::Test
{
protected:
    EditorFixture() { picture.setRefreshHandler([this] { ++refreshes; }); }

    void pixelSize(int n)
    {
        while (editeur.text6().value() < n)
            editeur.pixelPlus();
    }
    void lineWidth(int n)
    {
        while (editeur.text5().value() < n)
            editeur.epaisseurPlus();
    }
    void press(double x, double y) { editeur.mouseDown(kLeft, x, y); }
    void drag(double x, double y) { editeur.mouseMove(kLeft, x, y); }
    void release(double x, double y) { editeur.mouseUp(kLeft, x, y); }

    Surface picture{160, 100};
    Editeur editeur{picture};
    int refreshes = 0;
};

