#pragma once

#include "convert/dithering.h"

#include <QList>
#include <QObject>
#include <QString>

class MainPanel;
class QAction;

// The dithering method, the tone curve ("Rendu des tons") and the automatic contrast
// as checkable actions, shared by the "Conversion" menu and the methods gallery.
// Choosing one converts the picture again, as one undo step; the "Tramage" box turns
// the chosen method on and off. After undo and redo, show() puts the checks back.
class ConversionChoices : public QObject
{
    Q_OBJECT

public:
    explicit ConversionChoices(MainPanel &panel);

    // The method's French name with its mnemonic ("&Atkinson").
    static QString methodText(monochrome::Dithering method);
    // The same without the mnemonic, for captions.
    static QString methodCaption(monochrome::Dithering method);
    struct Tone
    {
        double curve;
        QString text; // with its mnemonic; the default says so
    };
    // From "Lumière exacte" to "Ombres détaillées", the default among them.
    static QList<Tone> tones();

    QList<QAction *> methodActions; // in the order of kDitheringMethods
    QList<QAction *> toneActions;   // in the order of tones()
    QAction *autoContrast = nullptr;

    // The method the "Tramage" box turns on: the last one chosen, or brought back by undo.
    monochrome::Dithering chosenMethod() const { return m_chosen; }
    // The grey-level method dithered by this method, the box on, then converted.
    void pickMethod(monochrome::Dithering method);
    void pickToneCurve(double curve);
    void setAutoContrast(bool on);
    // The box and the checks show the document's settings, without converting.
    void show();

signals:
    // The settings, or the checks showing them, changed: the gallery follows.
    void changed();

private:
    void convert();

    MainPanel &m_panel;
    monochrome::Dithering m_chosen = monochrome::Dithering::FloydSteinberg;
};
