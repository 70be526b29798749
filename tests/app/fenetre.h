#pragma once

#include "app/cadre.h"
#include "app/commandbutton.h"
#include "app/fenetreprincipale.h"
#include "app/menus.h"
#include "app/picturebutton.h"
#include "editor/canvas.h"
#include "support/files.h"
#include "support/imagediff.h"
#include "support/recordingdialogs.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QtWidgets>

// The main window as the program shows it: started with a command line (a list or
// one string), the program's folder in a temporary folder, inside its frame,
// active so that the shortcuts work, a recording in place of the dialogs.
class Fenetre : public ::testing::Test
{
protected:
    template <class Arguments> void ouvrir(const Arguments &arguments)
    {
        cadre.reset(); // one main window at a time
        f = new FenetrePrincipale;
        f->document.automaticFolder().setProgramFolder(dossier.path());
        f->Form_Load(arguments);
        cadre = std::make_unique<Cadre>(f);
        cadre->show();
        activer();
    }
    void ouvrirAvec(const QImage &source) { ouvrir(QStringList{ecrireImage(source)}); }
    QString ecrireImage(const QImage &image, const QString &nom = QStringLiteral("source.png"))
    {
        EXPECT_TRUE(image.save(dossier.filePath(nom), "PNG"));
        return dossier.filePath(nom);
    }
    void activer()
    {
        cadre->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(cadre.get()));
        f->vueTravail->setFocus();
    }
    // To the widget with the keyboard focus, shortcuts included.
    static void touche(Qt::Key key, Qt::KeyboardModifiers mod = Qt::ControlModifier) { QTest::keyClick(QApplication::focusWidget(), key, mod); }
    static void cliquer(QWidget *w, int fois = 1)
    {
        for (int i = 0; i < fois; ++i)
            QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
    }
    Menus &menus() { return *cadre->menus(); }
    bool auDessus(QWidget *w) const { return std::ranges::count(dialogs.topmostCalls, std::pair{w, true}) > 0; }
    int noirs() const // of the 160 x 100 work picture
    {
        int n = 0;
        for (int i = 0; i < 16000; ++i)
            n += f->document.work.point(i % 160, i / 160) == kBlack;
        return n;
    }
    static QImage uni(int w, int h, QColor c)
    {
        QImage image(w, h, QImage::Format_RGB32);
        image.fill(c);
        return image;
    }
    // Uniform grey 128: white at level 0, black from level 1 on.
    static QImage gris128() { return uni(200, 120, QColor(128, 128, 128)); }
    static QImage moitieNoire(int w, int h)
    {
        QImage image = uni(w, h, Qt::white);
        QPainter(&image).fillRect(0, 0, w / 2, h, Qt::black);
        return image;
    }
    // 160 x 100, either half black.
    static QImage ecran(bool gaucheNoire) { return moitieNoire(160, 100).mirrored(!gaucheNoire, false); }

    QTemporaryDir dossier;
    RecordingDialogs dialogs;
    std::unique_ptr<Cadre> cadre;
    FenetrePrincipale *f = nullptr;
};
