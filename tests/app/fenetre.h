#pragma once

#include "app/boutonpoussoir.h"
#include "app/cadre.h"
#include "app/fenetreprincipale.h"
#include "app/imagecliquable.h"
#include "app/menus.h"
#include "editor/canevas.h"
#include "support/files.h"
#include "support/imagediff.h"
#include "support/recordingdialogs.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

// The main window as the program shows it: started with a command line, the
// program's folder in a temporary folder, inside its frame under the menu bar and
// active so that the shortcuts work, a recording in place of the dialogs.
class Fenetre : public ::testing::Test
{
protected:
    void ouvrir(const QStringList &arguments);
    void ouvrirLigne(const QString &ligneCommande);
    void ouvrirAvec(const QImage &source) { ouvrir({ecrireImage(source)}); }
    // Writes the picture as a PNG in the temporary folder and returns its path.
    QString ecrireImage(const QImage &image, const QString &nom = QStringLiteral("source.png"));
    // The frame active, the canvas with the keyboard focus.
    void activer();
    // Sends the key to the widget with the keyboard focus (shortcuts included).
    void touche(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier);
    static void cliquer(QWidget *w, int fois = 1);
    Menus &menus() { return *cadre->menus(); }
    // Whether the window was made to stay above the others.
    bool auDessus(const QWidget *w) const;
    // The black pixels of the work picture.
    int noirs() const;

    // 200 x 120 in uniform grey 128: white at level 0, black from level 1 on.
    static QImage gris128();
    // Left half black, right half white.
    static QImage moitieNoire(int w, int h);
    // The same at the calculator's 160 x 100, either half black.
    static QImage ecran(bool gaucheNoire);

    QTemporaryDir dossier;
    RecordingDialogs dialogs;
    std::unique_ptr<Cadre> cadre;
    FenetrePrincipale *f = nullptr;

private:
    void montrer(FenetrePrincipale *form);
};
