// Binding the main window's controls to the conversion state and the editor.
#include "fenetreprincipale.h"

#include "boutonpoussoir.h"
#include "imagecliquable.h"

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
    connect(boutons[FenetrePrincipale::BoutonConvertir], &BoutonPoussoir::Click, this, [this] { etat.convertir(); });
    connect(boutons[FenetrePrincipale::BoutonImporter], &BoutonPoussoir::Click, this, [this] { etat.importerPressePapier(); });
    connect(boutons[FenetrePrincipale::BoutonSauverAuto], &BoutonPoussoir::Click, this, [this] { etat.sauverAutomatiquement(); });
    connect(boutons[FenetrePrincipale::BoutonValiderLigne], &BoutonPoussoir::Click, &editeur, [this] { editeur.tool<LineTool>()->validate(); });
    connect(boutons[FenetrePrincipale::BoutonValiderTexte], &BoutonPoussoir::Click, &editeur, [this] { editeur.tool<TextTool>()->validate(); });
    connect(boutons[FenetrePrincipale::BoutonOuvrir], &BoutonPoussoir::Click, this, [this] { etat.ouvrirImage(); });
    connect(boutons[FenetrePrincipale::BoutonValiderEllipse], &BoutonPoussoir::Click, &editeur, [this] { editeur.tool<EllipseTool>()->validate(); });
    connect(boutons[FenetrePrincipale::BoutonSauverSous], &BoutonPoussoir::Click, this, [this] { etat.sauverSous(); });
    connect(boutons[FenetrePrincipale::BoutonVisualisateur], &BoutonPoussoir::Click, this, &FenetrePrincipale::boutonVisualisateur_Click);

    connect(boiteNomVariable, &QLineEdit::textChanged, this, [this](const QString &t) { etat.nomVariable = t; });
    connect(boiteDossier, &QLineEdit::textChanged, this, [this](const QString &t) { etat.nomDossier = t; });
    connect(caseOptionsAvancees, &QCheckBox::toggled, this, [this](bool on) { etat.optionsAvancees = on; });
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
    connect(caseProportions, &QCheckBox::toggled, this, [this](bool on) { etat.conserverProportions = on; });
    connect(caseInverser, &QCheckBox::toggled, this, [this](bool on) { etat.inverserCouleurs = on; });
    connect(caseTramage, &QCheckBox::toggled, this, [this](bool on) {
        etat.tramage = on ? traitement::Tramage::FloydSteinberg : traitement::Tramage::Aucun;
    });
    connect(choixMethodeSimple, &QRadioButton::clicked, this, &FenetrePrincipale::choixMethodeSimple_Click);
    connect(choixMethodeGris, &QRadioButton::clicked, this, &FenetrePrincipale::choixMethodeGris_Click);
    connect(choixMethodeSimple, &QRadioButton::toggled, this, [this](bool on) { etat.methodeSimple = on; });

    connect(icones[FenetrePrincipale::Loupe], &ImageCliquable::Click, this, &FenetrePrincipale::loupe_Click);
    connect(icones[FenetrePrincipale::FlecheLargeurMoins], &ImageCliquable::Click, this, &FenetrePrincipale::flecheLargeurMoins_Click);
    connect(icones[FenetrePrincipale::FlecheLargeurPlus], &ImageCliquable::Click, this, &FenetrePrincipale::flecheLargeurPlus_Click);
    connect(icones[FenetrePrincipale::FlecheHauteurMoins], &ImageCliquable::Click, this, &FenetrePrincipale::flecheHauteurMoins_Click);
    connect(icones[FenetrePrincipale::FlecheHauteurPlus], &ImageCliquable::Click, this, &FenetrePrincipale::flecheHauteurPlus_Click);
}

void FenetrePrincipale::lierOutils()
{
    connect(icones[FenetrePrincipale::FlecheTaillePlus], &ImageCliquable::Click, &editeur, &Editor::increaseFontSize);
    connect(icones[FenetrePrincipale::FlecheTailleMoins], &ImageCliquable::Click, &editeur, &Editor::decreaseFontSize);
    connect(icones[FenetrePrincipale::FlecheEpaisseurMoins], &ImageCliquable::Click, &editeur, &Editor::decreaseLineWidth);
    connect(icones[FenetrePrincipale::FlecheEpaisseurPlus], &ImageCliquable::Click, &editeur, &Editor::increaseLineWidth);
    connect(icones[FenetrePrincipale::FlechePixelPlus], &ImageCliquable::Click, &editeur, &Editor::increasePixelSize);
    connect(icones[FenetrePrincipale::FlechePixelMoins], &ImageCliquable::Click, &editeur, &Editor::decreasePixelSize);
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
    nomSuivant->setText(etat.nomSuivant);
    methodeUtilisee->setText(etat.methodeUtilisee);
    if (boiteNomVariable->text() != etat.nomVariable)
        boiteNomVariable->setText(etat.nomVariable);
}
