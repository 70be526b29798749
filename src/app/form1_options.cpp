// The option panel: size spinners, grey-level slider, method and zoomed preview.
#include "form1.h"

#include "form3.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

void Form1::afficherNiveau()
{
    lbl->setText(QString::number(slider1->value() + 50) + QStringLiteral(" %"));
}

void Form1::slider1_Scroll()
{
    afficherNiveau();
}

void Form1::slider1_Change()
{
    afficherNiveau();
    etat.slider1 = slider1->value();
    m_parCurseur = true;
    etat.convertir();
    m_parCurseur = false;
}

void Form1::annuler()
{
    if (historique.annuler())
        afficherReglages();
}

void Form1::retablir()
{
    if (historique.retablir())
        afficherReglages();
}

void Form1::afficherReglages()
{
    // The label keeps its start-up text until the level changes.
    if (slider1->value() != etat.slider1) {
        const QSignalBlocker bloque(slider1);
        slider1->setValue(etat.slider1);
        afficherNiveau();
    }
    (etat.option1 ? Option1 : Option2)->setChecked(true);
    slider1->setEnabled(!etat.option1);
    Check3->setChecked(etat.check3);
    // The box stands for one dithering method; the state keeps the one it had.
    const QSignalBlocker bloque(Check8);
    Check8->setChecked(etat.tramage != traitement::Tramage::Aucun);
}

void Form1::niveauAutomatique()
{
    const int niveau = etat.niveauAutomatique();
    if (niveau == slider1->value())
        slider1_Change(); // the slider would not move, so would not convert
    else
        slider1->setValue(niveau); // its Change converts
}

void Form1::Option1_Click()
{
    // The level means nothing to the simple method.
    slider1->setEnabled(false);
}

void Form1::Option2_Click()
{
    slider1->setEnabled(true);
}

void Form1::fleche(Spinner &compteur, bool monte, QLineEdit *boite, int &valeur)
{
    if (monte ? compteur.up() : compteur.down())
        boite->setText(compteur.text());
    valeur = compteur.value();
}

void Form1::Image8_Click()
{
    fleche(m_text7, false, Text7, etat.text7);
}

void Form1::Image9_Click()
{
    fleche(m_text7, true, Text7, etat.text7);
}

void Form1::Image10_Click()
{
    fleche(m_text8, false, Text8, etat.text8);
}

void Form1::Image11_Click()
{
    fleche(m_text8, true, Text8, etat.text8);
}

void Form1::Image1_Click()
{
    // The window follows the work picture by itself: the magnifier only opens it.
    if (!m_form3)
        m_form3 = new Form3(editeur, actionsOutils, this);
    m_form3->show();
}
