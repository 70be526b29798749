// Binding the main window's controls to the conversion state and the editor.
#include "fenetreprincipale.h"

#include "commandbutton.h"
#include "picturebutton.h"

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
    connect(boutons[FenetrePrincipale::BoutonValiderLigne], &CommandButton::clicked, &editeur, &Editeur::validerLigne);
    connect(boutons[FenetrePrincipale::BoutonValiderTexte], &CommandButton::clicked, &editeur, &Editeur::validerTexte);
    connect(boutons[FenetrePrincipale::BoutonOuvrir], &CommandButton::clicked, this, [this] { openWithDialog(); });
    connect(boutons[FenetrePrincipale::BoutonValiderEllipse], &CommandButton::clicked, &editeur, &Editeur::validerEllipse);
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
    connect(icones[FenetrePrincipale::FlecheTaillePlus], &PictureButton::clicked, &editeur, &Editeur::taillePlus);
    connect(icones[FenetrePrincipale::FlecheTailleMoins], &PictureButton::clicked, &editeur, &Editeur::tailleMoins);
    connect(icones[FenetrePrincipale::FlecheEpaisseurMoins], &PictureButton::clicked, &editeur, &Editeur::epaisseurMoins);
    connect(icones[FenetrePrincipale::FlecheEpaisseurPlus], &PictureButton::clicked, &editeur, &Editeur::epaisseurPlus);
    connect(icones[FenetrePrincipale::FlechePixelPlus], &PictureButton::clicked, &editeur, &Editeur::pixelPlus);
    connect(icones[FenetrePrincipale::FlechePixelMoins], &PictureButton::clicked, &editeur, &Editeur::pixelMoins);
    connect(&editeur, &Editeur::taillePoliceChanged, boiteTaillePolice, &QLineEdit::setText);
    connect(&editeur, &Editeur::epaisseurLigneChanged, boiteEpaisseur, &QLineEdit::setText);
    connect(&editeur, &Editeur::taillePixelChanged, boiteTaillePixel, &QLineEdit::setText);

    for (int i = 0; i < int(outils.size()); ++i)
        connect(outils[size_t(i)], &QRadioButton::clicked, &editeur, [this, i] { editeur.choisirOutil(i); });
    creerActionsOutils();
    connect(&editeur, &Editeur::outilChange, this, &FenetrePrincipale::montrerOutil);
    connect(boiteTexte, &QPlainTextEdit::textChanged, this, [this] { editeur.setTexte(boiteTexte->toPlainText()); });
    connect(listePolices, &QComboBox::activated, this, [this] { editeur.choisirPolice(listePolices->currentText()); });
    connect(caseSouligne, &QCheckBox::clicked, &editeur, &Editeur::setSouligne);
    connect(caseGras, &QCheckBox::clicked, &editeur, &Editeur::setGras);
    connect(caseItalique, &QCheckBox::clicked, &editeur, &Editeur::setItalique);
    connect(caseRaye, &QCheckBox::clicked, &editeur, &Editeur::setRaye);

    connect(&editeur, &Editeur::coordonnees, libelleCoordonnees, &QLabel::setText);
    connect(&editeur, &Editeur::aProposDemande, this, &FenetrePrincipale::afficherAPropos);
    connect(&editeur, &Editeur::messageBanniere, this, &FenetrePrincipale::banniere);
    connect(&editeur, &Editeur::etapeTerminee, this, [this] { historique.enregistrer(); });
    for (int i = 0; i < int(entetes.size()); ++i)
        entetes[size_t(i)]->installEventFilter(this);
}

void FenetrePrincipale::creerActionsOutils()
{
    static const std::array<std::pair<const char *, Qt::Key>, kNombreOutils> outils{{
        {"Pixel On", Qt::Key_P}, {"Pixel off", Qt::Key_O}, {"Texte", Qt::Key_T}, {"Ligne", Qt::Key_L},
        {"Ellipse", Qt::Key_E}, {"Rectangle", Qt::Key_R}, {"Remplissage", Qt::Key_F},
    }};
    auto *groupe = new QActionGroup(this);
    groupe->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (int i = 0; i < kNombreOutils; ++i) {
        auto *action = new QAction(QString::fromUtf8(outils[size_t(i)].first), groupe);
        action->setShortcut(QKeySequence(outils[size_t(i)].second));
        action->setCheckable(true);
        connect(action, &QAction::triggered, &editeur, [this, i] { editeur.choisirOutil(i); });
        actionsOutils.append(action);
    }
    auto *valider = new QAction(QStringLiteral("Valider le rectangle"), this);
    connect(valider, &QAction::triggered, &editeur, &Editeur::validerRectangle);
    actionsOutils.append(valider);
    // The keys work in this window even without its menu bar.
    addActions(actionsOutils);
}

void FenetrePrincipale::montrerOutil(int index)
{
    for (int i = 0; i < kNombreOutils; ++i)
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
