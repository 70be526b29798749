#pragma once

#include "app/btnxp.h"
#include "app/form1.h"
#include "app/imagecliquable.h"
#include "dotmatrix/matricewidget.h"
#include "editor/canevas.h"
#include "platform/surfacewidget.h"
#include "support/recordingdialogs.h"

#include <gtest/gtest.h>

// Every control class of the main window, so tests can reach any of them.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QTemporaryDir>

#include <memory>

// Whether the window was made to stay above the others through the dialogs.
bool topmost(const RecordingDialogs &dialogs, const QWidget *window);

// A main window started as the program starts it, with the program's folder in a
// temporary folder, a recording in place of the dialogs and, unless told
// otherwise, a picture file on the command line.
class FenetrePrincipale : public ::testing::Test
{
protected:
    // Writes the picture as a PNG in the temporary folder and returns its path.
    QString ecrireImage(const QImage &image, const QString &nom = QStringLiteral("source.png"));
    // Creates the window and runs its start-up with this command-line text.
    void demarrer(const QString &ligneCommande);
    // The same with the picture written to a file and given on the command line.
    void demarrerAvec(const QImage &source);
    // Shows the window and waits until it is on screen.
    void afficher();

    // 200 x 120 in uniform grey 128: white at level 0, black from level 1 on.
    static QImage gris128();
    // Left half black, right half white.
    static QImage moitieNoire(int w, int h);
    // 160 x 100, one half black (the left one or the right one), the other white.
    static QImage moitiesEcran(bool gaucheNoire);

    QTemporaryDir dossier;
    RecordingDialogs dialogs;
    std::unique_ptr<Form1> form;
};
