#pragma once

#include "spinner.h"

#include "platform/surface.h"

#include <QFont>
#include <QObject>
#include <QPoint>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <optional>

// The editing tools, numbered like the option buttons Optio(0) to Optio(4), then
// the two tools of the "Outils" menu.
enum class Outil {
    Aucun = -1, PixelOn = 0, PixelOff = 1, Texte = 2, Ligne = 3, Ellipse = 4, Rectangle = 5, Remplissage = 6
};
constexpr int kNombreOutils = 7;

// Line1: the line tool's rubber band, end points in canvas pixels as they came.
struct Line1State
{
    bool visible = false;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int borderWidth = 1;
};

// Shape1: the ellipse tool's rubber band, its bounding box in canvas pixels.
struct Shape1State
{
    bool visible = false;
    double left = 0, top = 0, width = 0, height = 0;
};

// The rectangle tool's rubber band: two opposite corner pixels, both inside the
// rectangle; filled when Shift was held.
struct RectangleState
{
    bool visible = false;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool plein = false;
    QRect rect() const
    {
        return QRect(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2), std::max(y1, y2)));
    }
};

// Prev: the text tool's floating label, top-left corner in canvas pixels.
struct PrevState
{
    bool visible = false;
    double left = 0, top = 0;
    QString caption;
    QFont font;
};

// The picture editor without widgets: the tool choice, the three overlays that
// float over the work picture Picture2 until validated, the pixel size, line
// width and font settings, and one handler per canvas or panel event. Only
// validations and the pixel tools change Picture2's pixels, and each of those
// events refreshes it once.
//
// Mouse buttons are a mask: 1 left, 2 right, 4 middle, 0 none.
class Editeur : public QObject
{
    Q_OBJECT

public:
    // Sets the fonts up as at start-up (all three at 7 points, Text4 = 7).
    explicit Editeur(Surface &picture2, QObject *parent = nullptr);

    Surface &picture2() { return m_picture2; }
    const Surface &picture2() const { return m_picture2; }
    // The font preview Picture4 (160 x 25), always showing "Sample Text".
    Surface &picture4() { return m_picture4; }
    const Surface &picture4() const { return m_picture4; }

    Outil outil() const { return m_outil; }
    const Line1State &line1() const { return m_line1; }
    const Shape1State &shape1() const { return m_shape1; }
    const PrevState &prev() const { return m_prev; }
    const RectangleState &rectangle() const { return m_rectangle; }
    // The lines of Prev's caption, as the label shows and validation prints them.
    QStringList prevLines() const;
    // The area Prev's caption covers on the canvas (empty when the caption is).
    QRectF prevRect() const;

    const Spinner &text4() const { return m_text4; } // font size, points
    const Spinner &text5() const { return m_text5; } // line width
    const Spinner &text6() const { return m_text6; } // pixel size
    const QString &text3() const { return m_text3; }

    // Sizes above this are refused like a size the fonts cannot take.
    static constexpr int kTaillePoliceMax = 1000;
    static QString messageErreurTaille();

    // Canvas events (Picture2); x, y in canvas pixels; shift 1 while Shift is held.
    void mouseDown(int button, double x, double y, int shift = 0);
    void mouseMove(int button, double x, double y, int shift = 0);
    void mouseUp(int button, double x, double y);
    // A Qt key code (Qt::Key_Return, Qt::Key_Left, Qt::Key_F1...).
    void keyDown(int qtKey);

    // Optio(index) Click; -1 selects nothing.
    void choisirOutil(int index);
    void labelClick(int index); // Label(index) Click: index 2 focuses the canvas
    void prevClick();           // Prev Click: drops the label, focuses the canvas
    void prevMouseMove();       // Prev MouseMove: focuses the canvas

    void validerLigne();   // btnXP4
    void validerEllipse(); // btnXP7
    void validerTexte();   // btnXP5
    // Draws the pending rectangle in black: an outline of the line width, grown
    // inwards from the rectangle's edge, or the whole area when filled.
    void validerRectangle();
    // Paints the 4-connected area of pixels of (x, y)'s colour in colour.
    void remplir(int x, int y, Couleur colour);

    void setTexte(const QString &text);     // Text3 Change
    void choisirPolice(const QString &name); // Combo1 Click
    void setSouligne(bool checked);          // Check4
    void setGras(bool checked);              // Check5
    void setItalique(bool checked);          // Check6
    void setRaye(bool checked);              // Check7
    void tailleMoins();                      // Image3
    void taillePlus();                       // Image2
    void epaisseurMoins();                   // Image4
    void epaisseurPlus();                    // Image5
    void pixelMoins();                       // Image7
    void pixelPlus();                        // Image6

signals:
    void coordonnees(const QString &text); // Label2 caption, "12x34"
    void aProposDemande();                 // F1: show the about window
    void messageBanniere(const QString &text); // maketext on the banner
    void focusCanevasDemande();
    void overlaysChanged();
    void text4Changed(const QString &text);
    void text5Changed(const QString &text);
    void text6Changed(const QString &text);
    // A change of the work picture ended: a pixel-tool stroke (press to release)
    // or a validation. What it changed is one undo step.
    void etapeTerminee();
    // The tool changed (index as choisirOutil's).
    void outilChange(int index);

private:
    bool paintWithPixelTool(double x, double y);
    void paintSquare(double x, double y, Couleur colour, bool rafraichir = true);
    void startLine(double x, double y);
    void dragLine(double x, double y);
    void startOrCancelEllipse(double x, double y);
    void dragEllipse(double x, double y);
    void placeOrHidePrev(double x, double y);
    void startRectangle(double x, double y, int shift);
    void dragRectangle(double x, double y, int shift);
    void fillRect(const QRect &rect);
    void nudge(int dx, int dy);
    void redrawPreview();
    void applyStyle(void (QFont::*set)(bool), bool (QFont::*get)() const, bool checked);
    void applySize(std::optional<int> size);
    void applyLineWidth();

    Surface &m_picture2;
    Surface m_picture4{160, 25};
    Outil m_outil = Outil::Aucun;
    Line1State m_line1;
    Shape1State m_shape1;
    PrevState m_prev;
    RectangleState m_rectangle;
    Spinner m_text4{6, 1, 1, std::nullopt};
    Spinner m_text5{1, 1, 1, std::nullopt};
    Spinner m_text6{1, 1, 1, std::nullopt};
    QString m_text3;
    // The square a pixel-tool drag painted last (none outside a drag).
    std::optional<QPoint> m_dernierCarre;
};
