// Binding the main window's controls to the conversion state and the editor.
#include "fenetreprincipale.h"

#include "commandbutton.h"
#include "picturebutton.h"

#include "editor/ellipsetool.h"
#include "editor/linetool.h"
#include "editor/rectangletool.h"
#include "editor/texttool.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>

void FenetrePrincipale::lierCommandes()
{
    connect(boutons[FenetrePrincipale::BoutonConvertir], &CommandButton::clicked, this, [this] { document.convert(); });
    connect(boutons[FenetrePrincipale::BoutonImporter], &CommandButton::clicked, this, [this] { pasteClipboard(); });
    connect(boutons[FenetrePrincipale::BoutonSauverAuto], &CommandButton::clicked, this, [this] { saveAutomatically(); });
    connect(boutons[FenetrePrincipale::BoutonValiderLigne], &CommandButton::clicked, &editeur, [this] { editeur.tool<LineTool>()->validate(); });
    connect(boutons[FenetrePrincipale::BoutonValiderTexte], &CommandButton::clicked, &editeur, [this] { editeur.tool<TextTool>()->validate(); });
    connect(boutons[FenetrePrincipale::BoutonOuvrir], &CommandButton::clicked, this, [this] { openWithDialog(); });
    connect(boutons[FenetrePrincipale::BoutonValiderEllipse], &CommandButton::clicked, &editeur, [this] { editeur.tool<EllipseTool>()->validate(); });
    connect(boutons[FenetrePrincipale::BoutonSauverSous], &CommandButton::clicked, this, [this] { saveAs(); });
    connect(boutons[FenetrePrincipale::BoutonVisualisateur], &CommandButton::clicked, this, &FenetrePrincipale::boutonVisualisateur_Click);

    connect(boiteNomVariable, &QLineEdit::textChanged, this, [this](const QString &t) { document.variableName = t; });
    connect(boiteDossier, &QLineEdit::textChanged, this, [this](const QString &t) { document.calculatorFolder = t; });
    connect(caseOptionsAvancees, &QCheckBox::toggled, this, [this](bool on) { document.advancedOptions = on; });
}

void FenetrePrincipale::lierOptions()
{
    connect(niveauGris, &QScrollBar::valueChanged, this, [this] {
        // While the thumb is held the value only shows; the release commits it.
        if (niveauGris->isSliderDown())
            niveauGris_Scroll();
        else
            niveauGris_Change();
    });
    connect(niveauGris, &QScrollBar::sliderPressed, this, [this] { m_niveauAuClic = niveauGris->value(); });
    connect(niveauGris, &QScrollBar::sliderReleased, this, [this] {
        if (niveauGris->value() != m_niveauAuClic)
            niveauGris_Change();
    });
    connect(caseProportions, &QCheckBox::toggled, this, [this](bool on) { document.keepProportions = on; });
    connect(caseInverser, &QCheckBox::toggled, this, [this](bool on) { document.settings.invertColours = on; });
    connect(caseTramage, &QCheckBox::toggled, this, [this](bool on) {
        document.settings.dithering = on ? monochrome::Dithering::FloydSteinberg : monochrome::Dithering::None;
    });
    connect(choixMethodeSimple, &QRadioButton::clicked, this, &FenetrePrincipale::choixMethodeSimple_Click);
    connect(choixMethodeGris, &QRadioButton::clicked, this, &FenetrePrincipale::choixMethodeGris_Click);
    connect(choixMethodeSimple, &QRadioButton::toggled, this, [this](bool on) { document.settings.simpleMethod = on; });

    connect(icones[FenetrePrincipale::Loupe], &PictureButton::clicked, this, &FenetrePrincipale::loupe_Click);
    connect(icones[FenetrePrincipale::FlecheLargeurMoins], &PictureButton::clicked, this, &FenetrePrincipale::flecheLargeurMoins_Click);
    connect(icones[FenetrePrincipale::FlecheLargeurPlus], &PictureButton::clicked, this, &FenetrePrincipale::flecheLargeurPlus_Click);
    connect(icones[FenetrePrincipale::FlecheHauteurMoins], &PictureButton::clicked, this, &FenetrePrincipale::flecheHauteurMoins_Click);
    connect(icones[FenetrePrincipale::FlecheHauteurPlus], &PictureButton::clicked, this, &FenetrePrincipale::flecheHauteurPlus_Click);
}

void FenetrePrincipale::lierOutils()
{
    connect(icones[FenetrePrincipale::FlecheTaillePlus], &PictureButton::clicked, &editeur, &Editor::increaseFontSize);
    connect(icones[FenetrePrincipale::FlecheTailleMoins], &PictureButton::clicked, &editeur, &Editor::decreaseFontSize);
    connect(icones[FenetrePrincipale::FlecheEpaisseurMoins], &PictureButton::clicked, &editeur, &Editor::decreaseLineWidth);
    connect(icones[FenetrePrincipale::FlecheEpaisseurPlus], &PictureButton::clicked, &editeur, &Editor::increaseLineWidth);
    connect(icones[FenetrePrincipale::FlechePixelPlus], &PictureButton::clicked, &editeur, &Editor::increasePixelSize);
    connect(icones[FenetrePrincipale::FlechePixelMoins], &PictureButton::clicked, &editeur, &Editor::decreasePixelSize);
    connect(&editeur, &Editor::fontSizeChanged, boiteTaillePolice, &QLineEdit::setText);
    connect(&editeur, &Editor::lineWidthChanged, boiteEpaisseur, &QLineEdit::setText);
    connect(&editeur, &Editor::pixelSizeChanged, boiteTaillePixel, &QLineEdit::setText);

    for (int i = 0; i < int(outils.size()); ++i)
        connect(outils[size_t(i)], &QRadioButton::clicked, &editeur, [this, i] { editeur.selectTool(i); });
    creerActionsOutils();
    connect(&editeur, &Editor::toolChanged, this, &FenetrePrincipale::montrerOutil);
    connect(boiteTexte, &QPlainTextEdit::textChanged, this, [this] { editeur.setText(boiteTexte->toPlainText()); });
    connect(listePolices, &QComboBox::activated, this, [this] { editeur.setFontFamily(listePolices->currentText()); });
    connect(caseSouligne, &QCheckBox::clicked, &editeur, &Editor::setUnderline);
    connect(caseGras, &QCheckBox::clicked, &editeur, &Editor::setBold);
    connect(caseItalique, &QCheckBox::clicked, &editeur, &Editor::setItalic);
    connect(caseRaye, &QCheckBox::clicked, &editeur, &Editor::setStrikeOut);

    connect(&editeur, &Editor::coordinatesChanged, libelleCoordonnees, &QLabel::setText);
    connect(&editeur, &Editor::aboutRequested, this, &FenetrePrincipale::afficherAPropos);
    connect(&editeur, &Editor::bannerMessage, this, &FenetrePrincipale::banniere);
    connect(&editeur, &Editor::stepFinished, this, [this] { historique.enregistrer(); });
    for (int i = 0; i < int(entetes.size()); ++i)
        entetes[size_t(i)]->installEventFilter(this);
}

void FenetrePrincipale::creerActionsOutils()
{
    auto *groupe = new QActionGroup(this);
    groupe->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (int i = 0; i < int(editeur.tools().size()); ++i) {
        const Editor::ToolEntry &outil = editeur.tools()[size_t(i)];
        auto *action = new QAction(outil.caption, groupe);
        action->setShortcut(QKeySequence(outil.key));
        action->setCheckable(true);
        connect(action, &QAction::triggered, &editeur, [this, i] { editeur.selectTool(i); });
        actionsOutils.append(action);
    }
    auto *valider = new QAction(QStringLiteral("Valider le rectangle"), this);
    connect(valider, &QAction::triggered, &editeur, [this] { editeur.tool<RectangleTool>()->validate(); });
    actionsOutils.append(valider);
    // The keys work in this window even without its menu bar.
    addActions(actionsOutils);
}

void FenetrePrincipale::montrerOutil(int index)
{
    for (int i = 0; i < int(editeur.tools().size()); ++i)
        actionsOutils[i]->setChecked(i == index);
    if (index >= 0 && index < int(outils.size())) {
        outils[size_t(index)]->setChecked(true);
        return;
    }
    // A tool without an option button: none of them stays selected.
    for (QRadioButton *option : outils) {
        option->setAutoExclusive(false);
        option->setChecked(false);
        option->setAutoExclusive(true);
    }
}

void FenetrePrincipale::actualiser()
{
    // Shows what a command changed in the state; what it changed in the work
    // picture is one undo step.
    historique.enregistrer(m_parCurseur);
    nomSuivant->setText(document.nextName);
    if (boiteNomVariable->text() != document.variableName)
        boiteNomVariable->setText(document.variableName);
}
