#pragma once

#include "platform/stretch.h"

#include <QObject>

class FenetrePrincipale;
class QAction;
class QActionGroup;
class QMenu;
class QMenuBar;

// The main window's menu bar: every item runs the command of the matching button,
// option button or key of the window, plus undo and redo of the work picture.
class Menus : public QObject
{
    Q_OBJECT

public:
    // Fills the bar; the menus live as long as it.
    Menus(FenetrePrincipale &form, QMenuBar *barre);

    QMenu *fichier = nullptr;
    QAction *ouvrir = nullptr;
    QAction *importer = nullptr;
    QAction *sauverSous = nullptr;
    QAction *sauverAuto = nullptr;
    QAction *visualisateur = nullptr;
    QAction *quitter = nullptr;

    QMenu *edition = nullptr;
    QAction *annuler = nullptr;
    QAction *retablir = nullptr;

    QMenu *conversion = nullptr;
    QAction *convertir = nullptr;
    QAction *niveauAuto = nullptr;
    QAction *methodeSimple = nullptr;
    QAction *methodeGris = nullptr;
    QAction *reductionMoyenne = nullptr;
    QAction *reductionEt = nullptr;

    QMenu *outils = nullptr;

    QMenu *aide = nullptr;
    QAction *aPropos = nullptr;

private:
    void creerFichier(QMenuBar *barre);
    void creerEdition(QMenuBar *barre);
    void creerConversion(QMenuBar *barre);
    void creerOutils(QMenuBar *barre);
    void creerAide(QMenuBar *barre);
    // A checkable item of the group that converts again with that reduction.
    QAction *reduction(QMenu *menu, QActionGroup *groupe, const QString &texte, Reduction choix);

    FenetrePrincipale &m_form;
};
