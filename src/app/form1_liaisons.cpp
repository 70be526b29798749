// Binding the main window's controls to the conversion state and the editor.
#include "form1.h"

#include "btnxp.h"
#include "imagecliquable.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>

void Form1::lierCommandes()
{
    connect(btnXP[1], &BtnXP::Click, this, [this] { etat.convertir(); });
    connect(btnXP[2], &BtnXP::Click, this, [this] { etat.importerPressePapier(); });
    connect(btnXP[3], &BtnXP::Click, this, [this] { etat.sauverAutomatiquement(); });
    connect(btnXP[4], &BtnXP::Click, &editeur, &Editeur::validerLigne);
    connect(btnXP[5], &BtnXP::Click, &editeur, &Editeur::validerTexte);
    connect(btnXP[6], &BtnXP::Click, this, [this] { etat.ouvrirImage(); });
    connect(btnXP[7], &BtnXP::Click, &editeur, &Editeur::validerEllipse);
    connect(btnXP[8], &BtnXP::Click, this, [this] { etat.sauverSous(); });
    connect(btnXP[9], &BtnXP::Click, this, &Form1::btnXP9_Click);

    connect(Text1, &QLineEdit::textChanged, this, [this](const QString &t) { etat.text1 = t; });
    connect(Text2, &QLineEdit::textChanged, this, [this](const QString &t) { etat.text2 = t; });
    connect(Check1, &QCheckBox::toggled, this, [this](bool on) { etat.check1 = on; });
}

void Form1::lierOptions()
{
    connect(slider1, &QScrollBar::valueChanged, this, [this] {
        // While the thumb is held the value only shows; the release commits it.
        if (slider1->isSliderDown())
            slider1_Scroll();
        else
            slider1_Change();
    });
    connect(slider1, &QScrollBar::sliderPressed, this, [this] { m_niveauAuClic = slider1->value(); });
    connect(slider1, &QScrollBar::sliderReleased, this, [this] {
        if (slider1->value() != m_niveauAuClic)
            slider1_Change();
    });
    connect(Check2, &QCheckBox::toggled, this, [this](bool on) { etat.check2 = on; });
    connect(Check3, &QCheckBox::toggled, this, [this](bool on) { etat.check3 = on; });
    connect(Check8, &QCheckBox::toggled, this, [this](bool on) {
        etat.tramage = on ? traitement::Tramage::FloydSteinberg : traitement::Tramage::Aucun;
    });
    connect(Option1, &QRadioButton::clicked, this, &Form1::Option1_Click);
    connect(Option2, &QRadioButton::clicked, this, &Form1::Option2_Click);
    connect(Option1, &QRadioButton::toggled, this, [this](bool on) { etat.option1 = on; });

    connect(Image[1], &ImageCliquable::Click, this, &Form1::Image1_Click);
    connect(Image[8], &ImageCliquable::Click, this, &Form1::Image8_Click);
    connect(Image[9], &ImageCliquable::Click, this, &Form1::Image9_Click);
    connect(Image[10], &ImageCliquable::Click, this, &Form1::Image10_Click);
    connect(Image[11], &ImageCliquable::Click, this, &Form1::Image11_Click);
}

void Form1::lierOutils()
{
    connect(Image[2], &ImageCliquable::Click, &editeur, &Editeur::taillePlus);
    connect(Image[3], &ImageCliquable::Click, &editeur, &Editeur::tailleMoins);
    connect(Image[4], &ImageCliquable::Click, &editeur, &Editeur::epaisseurMoins);
    connect(Image[5], &ImageCliquable::Click, &editeur, &Editeur::epaisseurPlus);
    connect(Image[6], &ImageCliquable::Click, &editeur, &Editeur::pixelPlus);
    connect(Image[7], &ImageCliquable::Click, &editeur, &Editeur::pixelMoins);
    connect(&editeur, &Editeur::text4Changed, Text4, &QLineEdit::setText);
    connect(&editeur, &Editeur::text5Changed, Text5, &QLineEdit::setText);
    connect(&editeur, &Editeur::text6Changed, Text6, &QLineEdit::setText);

    for (int i = 0; i < int(Optio.size()); ++i)
        connect(Optio[size_t(i)], &QRadioButton::clicked, &editeur, [this, i] { editeur.choisirOutil(i); });
    creerActionsOutils();
    connect(&editeur, &Editeur::outilChange, this, &Form1::montrerOutil);
    connect(Text3, &QPlainTextEdit::textChanged, this, [this] { editeur.setTexte(Text3->toPlainText()); });
    connect(Combo1, &QComboBox::activated, this, [this] { editeur.choisirPolice(Combo1->currentText()); });
    connect(Check4, &QCheckBox::clicked, &editeur, &Editeur::setSouligne);
    connect(Check5, &QCheckBox::clicked, &editeur, &Editeur::setGras);
    connect(Check6, &QCheckBox::clicked, &editeur, &Editeur::setItalique);
    connect(Check7, &QCheckBox::clicked, &editeur, &Editeur::setRaye);

    connect(&editeur, &Editeur::coordonnees, Label2, &QLabel::setText);
    connect(&editeur, &Editeur::aProposDemande, this, &Form1::afficherAPropos);
    connect(&editeur, &Editeur::messageBanniere, this, &Form1::banniere);
    connect(&editeur, &Editeur::etapeTerminee, this, [this] { historique.enregistrer(); });
    for (int i = 0; i < int(Label.size()); ++i)
        Label[size_t(i)]->installEventFilter(this);
}

void Form1::creerActionsOutils()
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

void Form1::montrerOutil(int index)
{
    for (int i = 0; i < kNombreOutils; ++i)
        actionsOutils[i]->setChecked(i == index);
    if (index >= 0 && index < int(Optio.size())) {
        Optio[size_t(index)]->setChecked(true);
        return;
    }
    // A tool without an option button: none of them stays selected.
    for (QRadioButton *option : Optio) {
        option->setAutoExclusive(false);
        option->setChecked(false);
        option->setAutoExclusive(true);
    }
}

void Form1::actualiser()
{
    // Shows what a command changed in the state; what it changed in the work
    // picture is one undo step.
    historique.enregistrer(m_parCurseur);
    fich->setText(etat.fich);
    conv->setText(etat.conv);
    if (Text1->text() != etat.text1)
        Text1->setText(etat.text1);
}
