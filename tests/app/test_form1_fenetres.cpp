#include "fenetreprincipale.h"

#include "app/btnxp.h"
#include "app/form2.h"
#include "app/explo.h"
#include "app/form3.h"
#include "app/imagecliquable.h"
#include "editor/canevas.h"
#include "editor/ecranzoom.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

namespace {

const QColor kJaune(255, 255, 0);

QColor fondSaisie(const QWidget *w)
{
    return w->palette().color(QPalette::Base);
}

} // namespace

TEST_F(FenetrePrincipale, MagnifierShowsTheWorkPictureOnTheCalculatorScreen)
{
    demarrerAvec(gris128()); // all white at level 0
    afficher();
    form->etat.picture2.setPixel(0, 0, kNoir);
    form->etat.picture2.setPixel(159, 99, 0x123456); // any colour but white is a dot
    QTest::mouseClick(form->Image[1], Qt::LeftButton);

    Form3 *zoom = form->form3();
    ASSERT_NE(zoom, nullptr);
    EXPECT_TRUE(zoom->isVisible());
    EXPECT_FALSE(zoom->isModal());
    EXPECT_EQ(zoom->windowTitle(), QStringLiteral("Apercu Zoomé"));
    EXPECT_EQ(zoom->ecran->size(), QSize(486, 304));
    EXPECT_TRUE(topmost(dialogs, zoom));

    // Every pixel but white is a 3 x 3 black dot, the last column included.
    const QImage ecran = zoom->ecran->grab().toImage();
    ASSERT_EQ(zoom->ecran->facteur(), 3);
    const QPoint o = zoom->ecran->origine();
    int noirs = 0;
    for (int y = 0; y < ecran.height(); ++y)
        for (int x = 0; x < ecran.width(); ++x)
            noirs += ecran.pixel(x, y) == qRgb(0, 0, 0);
    EXPECT_EQ(noirs, 18);
    EXPECT_EQ(ecran.pixel(o + QPoint(2, 2)), qRgb(0, 0, 0));
    EXPECT_EQ(ecran.pixel(o + QPoint(3 * 159, 3 * 99)), qRgb(0, 0, 0));

    // Closed, it is destroyed; the magnifier makes a new one from the current picture.
    QPointer<Form3> ancien = zoom;
    zoom->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(ancien.isNull());
    form->etat.picture2.cls();
    QTest::mouseClick(form->Image[1], Qt::LeftButton);
    ASSERT_NE(form->form3(), nullptr);
    EXPECT_EQ(form->form3()->ecran->grab().toImage().pixel(form->form3()->ecran->origine()), qRgb(255, 255, 255));
}

TEST_F(FenetrePrincipale, F1ShowsTheAboutWindowAndAConversionClosesIt)
{
    demarrerAvec(gris128());
    afficher();
    EXPECT_EQ(form->form2(), nullptr);
    form->Picture2->setFocus();
    QTest::keyClick(form->Picture2, Qt::Key_F1);
    QPointer<Form2> apropos = form->form2();
    ASSERT_FALSE(apropos.isNull());
    EXPECT_TRUE(apropos->isVisible());
    EXPECT_EQ(apropos->windowTitle(), QStringLiteral("A propos..."));
    EXPECT_EQ(apropos->size(), QSize(361, 61));
    EXPECT_TRUE(apropos->Text1->isReadOnly());
    EXPECT_EQ(apropos->Text1->toPlainText().count(u'\n'), 5);
    EXPECT_TRUE(apropos->Text1->toPlainText().startsWith(QStringLiteral("Brivane pour TI89/92+ \n")));
    EXPECT_TRUE(topmost(dialogs, apropos));

    QTest::mouseClick(form->btnXP[1], Qt::LeftButton, {}, QPoint(70, 12));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(apropos.isNull());

    // The simple method closes it as well.
    QTest::keyClick(form->Picture2, Qt::Key_F1);
    apropos = form->form2();
    ASSERT_FALSE(apropos.isNull());
    form->Option1->click();
    QTest::mouseClick(form->btnXP[1], Qt::LeftButton, {}, QPoint(70, 12));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(apropos.isNull());
}

TEST_F(FenetrePrincipale, HoverLightsTextBoxesUntilThePointerCrossesTheBackground)
{
    demarrerAvec(gris128());
    afficher();
    for (QWidget *box : std::initializer_list<QWidget *>{form->Text1, form->Text2, form->Text3})
        EXPECT_EQ(fondSaisie(box), QColor(Qt::white));

    QTest::mouseMove(form->Text1, QPoint(10, 5));
    EXPECT_EQ(fondSaisie(form->Text1), kJaune);
    EXPECT_EQ(fondSaisie(form->Text2), QColor(Qt::white));
    QTest::mouseMove(form->Text2, QPoint(10, 5));
    EXPECT_EQ(fondSaisie(form->Text1), kJaune); // stays yellow over another control
    EXPECT_EQ(fondSaisie(form->Text2), kJaune);
    QTest::mouseMove(form->Text3->viewport(), QPoint(10, 5));
    EXPECT_EQ(fondSaisie(form->Text3), kJaune);

    BtnXP *bouton = form->btnXP[6];
    QTest::mouseMove(bouton, QPoint(70, 12));
    EXPECT_EQ(bouton->look(), BtnXPLook::Hover);
    QTest::mouseMove(form->Picture3, QPoint(20, 20)); // not the background
    EXPECT_EQ(bouton->look(), BtnXPLook::Hover);
    EXPECT_EQ(fondSaisie(form->Text1), kJaune);

    // The bare window: every box white, every button normal.
    QTest::mouseMove(form.get(), QPoint(200, 60));
    EXPECT_EQ(bouton->look(), BtnXPLook::Normal);
    for (QWidget *box : std::initializer_list<QWidget *>{form->Text1, form->Text2, form->Text3})
        EXPECT_EQ(fondSaisie(box), QColor(Qt::white));

    // The bare tools frame does the same.
    QTest::mouseMove(form->Text1, QPoint(10, 5));
    QTest::mouseMove(form->Frame1, QPoint(180, 400));
    EXPECT_EQ(fondSaisie(form->Text1), QColor(Qt::white));
}

TEST_F(FenetrePrincipale, ClosingTheMainWindowClosesEveryOtherWindow)
{
    demarrerAvec(gris128());
    afficher();
    QTest::mouseClick(form->Image[1], Qt::LeftButton);
    QTest::keyClick(form->Picture2, Qt::Key_F1);
    QPointer<Form3> zoom = form->form3();
    QPointer<Form2> apropos = form->form2();
    ASSERT_TRUE(zoom && apropos);
    QSignalSpy fin(form.get(), &Form1::fermee);
    form->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(fin.count(), 1);
    EXPECT_TRUE(zoom.isNull());
    EXPECT_TRUE(apropos.isNull());
    EXPECT_FALSE(form->Timer1->isActive());
}

TEST(FenetresAuDessus, StayAboveOtherWindowsWithTheRealDialogs)
{
    Form2 apropos;
    Surface picture(160, 100);
    Editeur editeur(picture);
    Form3 zoom(editeur);
    explo visualisateur([](const QString &, QString *) { return true; });
    for (QWidget *w : std::initializer_list<QWidget *>{&apropos, &zoom, &visualisateur}) {
        EXPECT_TRUE(w->windowFlags() & Qt::WindowStaysOnTopHint) << w->objectName().toStdString();
        EXPECT_FALSE(w->windowFlags() & Qt::WindowMinimizeButtonHint);
        EXPECT_FALSE(w->windowFlags() & Qt::WindowMaximizeButtonHint);
        EXPECT_FALSE(w->isVisible()); // made topmost, not shown
    }
}
