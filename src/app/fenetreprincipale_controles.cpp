// Building the main window's controls from the geometry table.
#include "fenetreprincipale.h"

#include "apparence.h"
#include "commandbutton.h"
#include "dotmatrix/signwidget.h"
#include "editor/canvas.h"
#include "geometrie.h"
#include "images.h"
#include "editor/surfacewidget.h"
#include "picturebutton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleFactory>

namespace {

template <typename W>
W *controle(const char *nom, QWidget *parent)
{
    auto *w = new W(geometrie::texte(nom), parent);
    apparence::placer(w, nom);
    return w;
}

CommandButton *bouton(const char *nom, QWidget *parent)
{
    auto *b = new CommandButton(parent);
    apparence::placer(b, nom);
    return b;
}

// A label that only shows text over what lies under it.
QLabel *transparent(const char *nom, QWidget *parent, Qt::Alignment alignement)
{
    auto *label = controle<QLabel>(nom, parent);
    label->setAlignment(alignement);
    return label;
}

} // namespace

PictureButton *FenetrePrincipale::creerFleche(int index, bool plus, const char *nom, QWidget *parent)
{
    auto *image = new PictureButton(plus ? images::plus() : images::moins(), parent);
    apparence::placer(image, nom);
    image->setAutoRepeat(true);
    icones[size_t(index)] = image;
    return image;
}

QLineEdit *FenetrePrincipale::creerCompteur(const char *nom, QWidget *parent)
{
    auto *box = controle<QLineEdit>(nom, parent);
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    box->setFocusPolicy(Qt::ClickFocus);
    return box;
}

void FenetrePrincipale::creerOptions()
{
    entetes[0] = apparence::entete(this, "enteteNiveaux");
    pourcentNiveau = transparent("pourcentNiveau", this, Qt::AlignRight | Qt::AlignTop);
    niveauGris = new QScrollBar(Qt::Horizontal, this);
    apparence::placer(niveauGris, "niveauGris");
    niveauGris->setRange(-50, 50);
    niveauGris->setSingleStep(1);
    niveauGris->setPageStep(1);
    niveauGris->setValue(0);
    // The arrow keys move it like its arrows: Right and Up towards the maximum.
    niveauGris->setInvertedControls(false);
    niveauGris->setFocusPolicy(Qt::StrongFocus);
    // A raised thumb on a stippled groove: the flat one of the default style hardly
    // shows on this window.
    if (QStyle *style = QStyleFactory::create(QStringLiteral("Windows"))) {
        style->setParent(niveauGris);
        niveauGris->setStyle(style);
    }
    caseProportions = controle<QCheckBox>("caseProportions", this);
    caseInverser = controle<QCheckBox>("caseInverser", this);
    caseTramage = controle<QCheckBox>("caseTramage", this);
    apparence::fond(caseTramage, couleurs::fond);
    choixMethodeSimple = controle<QRadioButton>("choixMethodeSimple", this);
    choixMethodeGris = controle<QRadioButton>("choixMethodeGris", this);
    entetes[9] = apparence::entete(this, "enteteTaille");
    creerFleche(FenetrePrincipale::FlecheLargeurMoins, false, "flecheLargeurMoins", this);
    boiteLargeur = creerCompteur("boiteLargeur", this);
    creerFleche(FenetrePrincipale::FlecheLargeurPlus, true, "flecheLargeurPlus", this);
    libelleHauteur = transparent("libelleHauteur", this, Qt::AlignLeft | Qt::AlignTop);
    creerFleche(FenetrePrincipale::FlecheHauteurMoins, false, "flecheHauteurMoins", this);
    boiteHauteur = creerCompteur("boiteHauteur", this);
    creerFleche(FenetrePrincipale::FlecheHauteurPlus, true, "flecheHauteurPlus", this);
    boutons[FenetrePrincipale::BoutonImporter] = bouton("boutonImporter", this);
    boutons[FenetrePrincipale::BoutonOuvrir] = bouton("boutonOuvrir", this);
    boutons[FenetrePrincipale::BoutonConvertir] = bouton("boutonConvertir", this);
}

void FenetrePrincipale::creerApercus()
{
    entetes[1] = apparence::entete(this, "enteteApercuSource");
    vueApercuSource = new SurfaceWidget(&document.preview, this);
    apparence::placer(vueApercuSource, "vueApercuSource");
    entetes[2] = apparence::entete(this, "enteteApercuTravail");
    vueTravail = new Canvas(editeur, this);
    apparence::placer(vueTravail, "vueTravail");
    vueTravail->setCursor(Qt::CrossCursor);
    // The coordinate readout, empty until the pointer moves over the canvas.
    libelleCoordonnees = new QLabel(this);
    apparence::placer(libelleCoordonnees, "libelleCoordonnees");
    libelleCoordonnees->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    apparence::fond(libelleCoordonnees, couleurs::entete);
    icones[FenetrePrincipale::Loupe] = new PictureButton(images::loupe(), this);
    apparence::placer(icones[FenetrePrincipale::Loupe], "loupe");
}

void FenetrePrincipale::creerEnregistrement()
{
    apparence::ligne(this, "Line4");
    boutons[FenetrePrincipale::BoutonSauverAuto] = bouton("boutonSauverAuto", this);
    entetes[3] = apparence::entete(this, "enteteNomAuto");
    nomSuivant = controle<QLabel>("nomSuivant", this);
    nomSuivant->setFrameStyle(QFrame::Box | QFrame::Plain);
    apparence::fond(nomSuivant, kWhite);
    boutons[FenetrePrincipale::BoutonSauverSous] = bouton("boutonSauverSous", this);
    boutons[FenetrePrincipale::BoutonVisualisateur] = bouton("boutonVisualisateur", this);
    apparence::ligne(this, "Line3");
    caseOptionsAvancees = controle<QCheckBox>("caseOptionsAvancees", this);
    entetes[5] = apparence::entete(this, "enteteNomFichier");
    boiteNomVariable = new QLineEdit(this);
    apparence::placer(boiteNomVariable, "boiteNomVariable");
    boiteNomVariable->setMaxLength(8);
    entetes[4] = apparence::entete(this, "enteteDossier");
    boiteDossier = controle<QLineEdit>("boiteDossier", this);
    boiteDossier->setMaxLength(8);
    apparence::ligne(this, "Line5");
    banner = new SignWidget(this);
    apparence::placer(banner, "banner");
}

void FenetrePrincipale::creerOutils()
{
    groupeOutils = controle<QGroupBox>("groupeOutils", this);
    groupeOutils->setFlat(true);
    apparence::fond(groupeOutils, couleurs::fond);

    outils[0] = controle<QRadioButton>("outilPixelOn", groupeOutils);
    outils[1] = controle<QRadioButton>("outilPixelOff", groupeOutils);
    entetes[8] = apparence::entete(groupeOutils, "enteteTaillePixel");
    apparence::ligne(groupeOutils, "Line2");
    creerFleche(FenetrePrincipale::FlechePixelMoins, false, "flechePixelMoins", groupeOutils);
    boiteTaillePixel = creerCompteur("boiteTaillePixel", groupeOutils);
    creerFleche(FenetrePrincipale::FlechePixelPlus, true, "flechePixelPlus", groupeOutils);
    creerOutilsTexte();
    outils[3] = controle<QRadioButton>("outilLigne", groupeOutils);
    entetes[7] = apparence::entete(groupeOutils, "enteteEpaisseur");
    creerFleche(FenetrePrincipale::FlecheEpaisseurMoins, false, "flecheEpaisseurMoins", groupeOutils);
    boiteEpaisseur = creerCompteur("boiteEpaisseur", groupeOutils);
    creerFleche(FenetrePrincipale::FlecheEpaisseurPlus, true, "flecheEpaisseurPlus", groupeOutils);
    boutons[FenetrePrincipale::BoutonValiderLigne] = bouton("boutonValiderLigne", groupeOutils);
    outils[4] = controle<QRadioButton>("outilEllipse", groupeOutils);
    boutons[FenetrePrincipale::BoutonValiderEllipse] = bouton("boutonValiderEllipse", groupeOutils);
}

void FenetrePrincipale::creerOutilsTexte()
{
    outils[2] = controle<QRadioButton>("outilTexte", groupeOutils);
    boiteTexte = new QPlainTextEdit(groupeOutils);
    apparence::placer(boiteTexte, "boiteTexte");
    boiteTexte->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    boiteTexte->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    creerFleche(FenetrePrincipale::FlecheTailleMoins, false, "flecheTailleMoins", groupeOutils);
    boiteTaillePolice = creerCompteur("boiteTaillePolice", groupeOutils);
    creerFleche(FenetrePrincipale::FlecheTaillePlus, true, "flecheTaillePlus", groupeOutils);
    listePolices = new QComboBox(groupeOutils);
    apparence::placer(listePolices, "listePolices");
    caseSouligne = controle<QCheckBox>("caseSouligne", groupeOutils);
    caseItalique = controle<QCheckBox>("caseItalique", groupeOutils);
    caseGras = controle<QCheckBox>("caseGras", groupeOutils);
    caseRaye = controle<QCheckBox>("caseRaye", groupeOutils);
    entetes[6] = apparence::entete(groupeOutils, "entetePolice");
    vueApercuPolice = new SurfaceWidget(&editeur.fontPreview(), groupeOutils);
    apparence::placer(vueApercuPolice, "vueApercuPolice");
    boutons[FenetrePrincipale::BoutonValiderTexte] = bouton("boutonValiderTexte", groupeOutils);
}

void FenetrePrincipale::setReadingTabOrder()
{
    // The main part from top to bottom, its left column before its right one,
    // then the tools frame.
    const std::initializer_list<QWidget *> order = {
        niveauGris, caseProportions, caseInverser, choixMethodeSimple, choixMethodeGris, caseTramage,
        boutons[BoutonImporter], boutons[BoutonOuvrir], boutons[BoutonConvertir], vueTravail,
        boutons[BoutonSauverAuto], boutons[BoutonSauverSous], boutons[BoutonVisualisateur],
        caseOptionsAvancees, boiteNomVariable, boiteDossier,
        outils[0], outils[1], outils[2], boiteTexte, listePolices, caseSouligne, caseItalique, caseGras, caseRaye,
        boutons[BoutonValiderTexte], outils[3], boutons[BoutonValiderLigne], outils[4], boutons[BoutonValiderEllipse]};
    for (auto w = order.begin(); w + 1 != order.end(); ++w)
        setTabOrder(*w, *(w + 1));
    // A tab in the text to place means nothing on the calculator: Tab moves on.
    boiteTexte->setTabChangesFocus(true);
}
