// The option panel: size spinners, grey-level slider, method and zoomed preview.
#include "fenetreprincipale.h"

#include "fenetrezoom.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

void FenetrePrincipale::afficherNiveau()
{
    pourcentNiveau->setText(QString::number(niveauGris->value() + 50) + QStringLiteral(" %"));
}

void FenetrePrincipale::niveauGris_Scroll()
{
    afficherNiveau();
}

void FenetrePrincipale::niveauGris_Change()
{
    afficherNiveau();
    document.settings.level = niveauGris->value();
    m_parCurseur = true;
    document.convert();
    m_parCurseur = false;
}

void FenetrePrincipale::annuler()
{
    if (historique.annuler())
        afficherReglages();
}

void FenetrePrincipale::retablir()
{
    if (historique.retablir())
        afficherReglages();
}

void FenetrePrincipale::afficherReglages()
{
    // The label keeps its start-up text until the level changes.
    const Settings &settings = document.settings;
    if (niveauGris->value() != settings.level) {
        const QSignalBlocker bloque(niveauGris);
        niveauGris->setValue(settings.level);
        afficherNiveau();
    }
    (settings.simpleMethod ? choixMethodeSimple : choixMethodeGris)->setChecked(true);
    niveauGris->setEnabled(!settings.simpleMethod);
    caseInverser->setChecked(settings.invertColours);
    // The box stands for one dithering method; the state keeps the one it had.
    const QSignalBlocker bloque(caseTramage);
    caseTramage->setChecked(settings.dithering != monochrome::Dithering::None);
}

void FenetrePrincipale::niveauAutomatique()
{
    const int niveau = document.automaticLevel();
    if (niveau == niveauGris->value())
        niveauGris_Change(); // the slider would not move, so would not convert
    else
        niveauGris->setValue(niveau); // its Change converts
}

void FenetrePrincipale::choixMethodeSimple_Click()
{
    // The level means nothing to the simple method.
    niveauGris->setEnabled(false);
}

void FenetrePrincipale::choixMethodeGris_Click()
{
    niveauGris->setEnabled(true);
}

void FenetrePrincipale::fleche(Spinner &compteur, bool monte, QLineEdit *boite, int &valeur)
{
    if (monte ? compteur.up() : compteur.down())
        boite->setText(compteur.text());
    valeur = compteur.value();
}

void FenetrePrincipale::flecheLargeurMoins_Click()
{
    fleche(m_largeurSortie, false, boiteLargeur, document.outputWidth);
}

void FenetrePrincipale::flecheLargeurPlus_Click()
{
    fleche(m_largeurSortie, true, boiteLargeur, document.outputWidth);
}

void FenetrePrincipale::flecheHauteurMoins_Click()
{
    fleche(m_hauteurSortie, false, boiteHauteur, document.outputHeight);
}

void FenetrePrincipale::flecheHauteurPlus_Click()
{
    fleche(m_hauteurSortie, true, boiteHauteur, document.outputHeight);
}

void FenetrePrincipale::loupe_Click()
{
    // The window follows the work picture by itself: the magnifier only opens it.
    if (!m_fenetreZoom)
        m_fenetreZoom = new FenetreZoom(editeur, actionsOutils, this);
    m_fenetreZoom->show();
}
