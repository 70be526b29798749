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

// The editing tools, numbered like the option buttons outils(0) to outils(4), then
// the two tools of the "Outils" menu.
enum class Outil {
    Aucun = -1, PixelOn = 0, PixelOff = 1, Texte = 2, Ligne = 3, Ellipse = 4, Rectangle = 5, Remplissage = 6
};
constexpr int kNombreOutils = 7;

// traitLigne: the line tool's rubber band, end points in canvas pixels as they came.
struct TraitLigne
{
    bool visible = false;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int borderWidth = 1;
};

// contourEllipse: the ellipse tool's rubber band, its bounding box in canvas pixels.
struct ContourEllipse
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

// etiquetteTexte: the text tool's floating label, top-left corner in canvas pixels.
struct EtiquetteTexte
{
    bool visible = false;
    double left = 0, top = 0;
    QString caption;
    QFont font;
};

// The picture editor without widgets: the tool choice, the three overlays that
// float over the work picture vueTravail until validated, the pixel size, line
// width and font settings, and one handler per canvas or panel event. Only
// validations and the pixel tools change vueTravail's pixels, and each of those
// events refreshes it once.
//
// Mouse buttons are a mask: 1 left, 2 right, 4 middle, 0 none.
class Editeur : public QObject
{
    Q_OBJECT

public:
    // Sets the fonts up as at start-up (all three at 7 points, boiteTaillePolice = 7).
    explicit Editeur(Surface &travail, QObject *parent = nullptr);

    Surface &travail() { return m_travail; }
    const Surface &travail() const { return m_travail; }
    // The font preview vueApercuPolice (160 x 25), always showing "Sample Text".
    Surface &apercuPolice() { return m_apercuPolice; }
    const Surface &apercuPolice() const { return m_apercuPolice; }

    Outil outil() const { return m_outil; }
    const TraitLigne &traitLigne() const { return m_traitLigne; }
    const ContourEllipse &contourEllipse() const { return m_contourEllipse; }
    const EtiquetteTexte &etiquetteTexte() const { return m_etiquetteTexte; }
    const RectangleState &rectangle() const { return m_rectangle; }
    // The lines of etiquetteTexte's caption, as the label shows and validation prints them.
    QStringList lignesEtiquette() const;
    // The area etiquetteTexte's caption covers on the canvas (empty when the caption is).
    QRectF rectEtiquette() const;

    const Spinner &taillePolice() const { return m_taillePolice; } // font size, points
    const Spinner &epaisseurLigne() const { return m_epaisseurLigne; } // line width
    const Spinner &taillePixel() const { return m_taillePixel; } // pixel size
    const QString &texte() const { return m_texte; }

    // Sizes above this are refused like a size the fonts cannot take.
    static constexpr int kTaillePoliceMax = 1000;
    static QString messageErreurTaille();

    // Canvas events (vueTravail); x, y in canvas pixels; shift 1 while Shift is held.
    void mouseDown(int button, double x, double y, int shift = 0);
    void mouseMove(int button, double x, double y, int shift = 0);
    void mouseUp(int button, double x, double y);
    // A Qt key code (Qt::Key_Return, Qt::Key_Left, Qt::Key_F1...).
    void keyDown(int qtKey);

    // outils(index) Click; -1 selects nothing.
    void choisirOutil(int index);
    void enteteClick(int index); // entetes(index) Click: index 2 focuses the canvas
    void etiquetteClick();           // etiquetteTexte Click: drops the label, focuses the canvas
    void etiquetteMouseMove();       // etiquetteTexte MouseMove: focuses the canvas

    void validerLigne();   // boutonValiderLigne
    void validerEllipse(); // boutonValiderEllipse
    void validerTexte();   // boutonValiderTexte
    // Draws the pending rectangle in black: an outline of the line width, grown
    // inwards from the rectangle's edge, or the whole area when filled.
    void validerRectangle();
    // Paints the 4-connected area of pixels of (x, y)'s colour in colour.
    void remplir(int x, int y, Couleur colour);

    void setTexte(const QString &text);     // boiteTexte Change
    void choisirPolice(const QString &name); // listePolices Click
    void setSouligne(bool checked);          // caseSouligne
    void setGras(bool checked);              // caseGras
    void setItalique(bool checked);          // caseItalique
    void setRaye(bool checked);              // caseRaye
    void tailleMoins();                      // flecheTailleMoins
    void taillePlus();                       // flecheTaillePlus
    void epaisseurMoins();                   // flecheEpaisseurMoins
    void epaisseurPlus();                    // flecheEpaisseurPlus
    void pixelMoins();                       // flechePixelMoins
    void pixelPlus();                        // flechePixelPlus

signals:
    void coordonnees(const QString &text); // libelleCoordonnees caption, "12x34"
    void aProposDemande();                 // F1: show the about window
    void messageBanniere(const QString &text); // maketext on the banner
    void focusCanevasDemande();
    void overlaysChanged();
    void taillePoliceChanged(const QString &text);
    void epaisseurLigneChanged(const QString &text);
    void taillePixelChanged(const QString &text);
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
    void placeOrHideEtiquette(double x, double y);
    void startRectangle(double x, double y, int shift);
    void dragRectangle(double x, double y, int shift);
    void fillRect(const QRect &rect);
    void nudge(int dx, int dy);
    void redrawPreview();
    void applyStyle(void (QFont::*set)(bool), bool (QFont::*get)() const, bool checked);
    void applySize(std::optional<int> size);
    void applyLineWidth();

    Surface &m_travail;
    Surface m_apercuPolice{160, 25};
    Outil m_outil = Outil::Aucun;
    TraitLigne m_traitLigne;
    ContourEllipse m_contourEllipse;
    EtiquetteTexte m_etiquetteTexte;
    RectangleState m_rectangle;
    Spinner m_taillePolice{6, 1, 1, std::nullopt};
    Spinner m_epaisseurLigne{1, 1, 1, std::nullopt};
    Spinner m_taillePixel{1, 1, 1, std::nullopt};
    QString m_texte;
    // The square a pixel-tool drag painted last (none outside a drag).
    std::optional<QPoint> m_dernierCarre;
};
