#include "menus.h"

#include "commandbutton.h"
#include "fenetreprincipale.h"
#include "geometrie.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>

namespace {

QAction *article(QMenu *menu, const QString &texte, const QList<QKeySequence> &raccourcis = {})
{
    QAction *action = menu->addAction(texte);
    action->setShortcuts(raccourcis);
    return action;
}

// Triggering the item raises the button's clicked: whatever the button runs, the item runs.
QAction *bouton(QMenu *menu, const QString &texte, CommandButton *btn, const QList<QKeySequence> &raccourcis = {})
{
    QAction *action = article(menu, texte, raccourcis);
    QObject::connect(action, &QAction::triggered, btn, &CommandButton::clicked);
    return action;
}

// A checkable item that clicks the option button and shows its state.
QAction *option(QMenu *menu, QActionGroup *groupe, const char *nom, QRadioButton *radio)
{
    // The caption's first letter is the item's mnemonic.
    QAction *action = article(menu, u'&' + geometrie::texte(nom));
    action->setCheckable(true);
    action->setChecked(radio->isChecked());
    groupe->addAction(action);
    QObject::connect(action, &QAction::triggered, radio, &QAbstractButton::click);
    QObject::connect(radio, &QAbstractButton::toggled, action, &QAction::setChecked);
    return action;
}

} // namespace

Menus::Menus(FenetrePrincipale &form, QMenuBar *barre)
    : QObject(barre)
    , m_form(form)
{
    creerFichier(barre);
    creerEdition(barre);
    creerConversion(barre);
    creerOutils(barre);
    creerAide(barre);
}

void Menus::creerFichier(QMenuBar *barre)
{
    fichier = barre->addMenu(QStringLiteral("&Fichier"));
    ouvrir = bouton(fichier, QStringLiteral("&Ouvrir..."), m_form.boutons[FenetrePrincipale::BoutonOuvrir], {QKeySequence(Qt::CTRL | Qt::Key_O)});
    // A text box with the focus takes Ctrl+V for itself and pastes text.
    importer = bouton(fichier, QStringLiteral("&Importer le presse-papier"), m_form.boutons[FenetrePrincipale::BoutonImporter],
                      {QKeySequence(Qt::CTRL | Qt::Key_V)});
    fichier->addSeparator();
    sauverSous = bouton(fichier, QStringLiteral("Sauver so&us..."), m_form.boutons[FenetrePrincipale::BoutonSauverSous],
                        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)});
    sauverAuto = bouton(fichier, QStringLiteral("&Sauver automatiquement"), m_form.boutons[FenetrePrincipale::BoutonSauverAuto],
                        {QKeySequence(Qt::CTRL | Qt::Key_S)});
    fichier->addSeparator();
    visualisateur = bouton(fichier, QStringLiteral("&Visualisateur d'images"), m_form.boutons[FenetrePrincipale::BoutonVisualisateur]);
    fichier->addSeparator();
    quitter = article(fichier, QStringLiteral("&Quitter"), {QKeySequence(Qt::CTRL | Qt::Key_Q)});
    connect(quitter, &QAction::triggered, this, [this] { m_form.window()->close(); });
}

void Menus::creerEdition(QMenuBar *barre)
{
    edition = barre->addMenu(QStringLiteral("&Édition"));
    annuler = article(edition, QStringLiteral("&Annuler"), {QKeySequence(Qt::CTRL | Qt::Key_Z)});
    retablir = article(edition, QStringLiteral("&Rétablir"),
                       {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(annuler, &QAction::triggered, this, [this] { m_form.annuler(); });
    connect(retablir, &QAction::triggered, this, [this] { m_form.retablir(); });
    // Greyed while there is nothing to undo or redo; the keys then do nothing anyway.
    connect(edition, &QMenu::aboutToShow, this, [this] {
        annuler->setEnabled(m_form.historique.peutAnnuler());
        retablir->setEnabled(m_form.historique.peutRetablir());
    });
    // Out of the menu, the keys always reach the history.
    connect(edition, &QMenu::aboutToHide, this, [this] {
        annuler->setEnabled(true);
        retablir->setEnabled(true);
    });
}

void Menus::creerConversion(QMenuBar *barre)
{
    conversion = barre->addMenu(QStringLiteral("&Conversion"));
    convertir = bouton(conversion, QStringLiteral("&Convertir"), m_form.boutons[FenetrePrincipale::BoutonConvertir], {QKeySequence(Qt::Key_F5)});
    niveauAuto = article(conversion, QStringLiteral("Niveau a&utomatique"));
    connect(niveauAuto, &QAction::triggered, this, [this] { m_form.niveauAutomatique(); });
    // Like the slider, it means nothing to the simple method.
    niveauAuto->setEnabled(m_form.choixMethodeGris->isChecked());
    connect(m_form.choixMethodeGris, &QAbstractButton::toggled, niveauAuto, &QAction::setEnabled);
    conversion->addSeparator();
    auto *methodes = new QActionGroup(this);
    methodeSimple = option(conversion, methodes, "choixMethodeSimple", m_form.choixMethodeSimple);
    methodeGris = option(conversion, methodes, "choixMethodeGris", m_form.choixMethodeGris);
    conversion->addSeparator();
    auto *reductions = new QActionGroup(this);
    reductionMoyenne = reduction(conversion, reductions, QStringLiteral("Réduction : &moyenne (photos)"),
                                 Reduction::Mean);
    reductionEt = reduction(conversion, reductions, QStringLiteral("Réduction : &ET logique (dessins au trait)"),
                            Reduction::And);
    // Undo and redo may have brought another reduction back.
    connect(conversion, &QMenu::aboutToShow, this, [this] {
        (m_form.document.settings.reduction == Reduction::And ? reductionEt : reductionMoyenne)->setChecked(true);
    });
}

QAction *Menus::reduction(QMenu *menu, QActionGroup *groupe, const QString &texte, Reduction choix)
{
    QAction *action = article(menu, texte);
    action->setCheckable(true);
    action->setChecked(m_form.document.settings.reduction == choix);
    groupe->addAction(action);
    // Like a committed move of the slider: the picture is fitted and converted again.
    connect(action, &QAction::triggered, this, [this, choix] {
        if (m_form.document.settings.reduction != choix)
            m_form.document.changeReduction(choix);
    });
    return action;
}

void Menus::creerOutils(QMenuBar *barre)
{
    outils = barre->addMenu(QStringLiteral("&Outils"));
    // The tools, then the rectangle's validation.
    const qsizetype tools = qsizetype(m_form.editeur.tools().size());
    outils->addActions(m_form.actionsOutils.first(tools));
    outils->addSeparator();
    outils->addActions(m_form.actionsOutils.sliced(tools));
}

void Menus::creerAide(QMenuBar *barre)
{
    aide = barre->addMenu(QStringLiteral("&Aide"));
    aPropos = article(aide, QStringLiteral("À &propos"), {QKeySequence(Qt::Key_F1)});
    connect(aPropos, &QAction::triggered, this, [this] { m_form.afficherAPropos(); });
}
