#include "dotmatrix/afflcdwidget.h"
#include "dotmatrix/matricewidget.h"
#include "dotmatrixtesting.h"

#include <QEvent>
#include <QSignalSpy>
#include <QTest>

namespace {

// Counts the paint events a widget receives.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

QList<QVariant> mouseArgs(int button, int shift, float x, float y)
{
    return {button, shift, x, y};
}

} // namespace

TEST(MatriceWidget, TakesTheDesignSizeAndFollowsResizes)
{
    MatriceWidget w;
    EXPECT_EQ(w.size(), QSize(200, 31));
    EXPECT_EQ(w.matrix().display().size(), QSize(200, 31));
    // Sized while hidden, as its window builds it: the next text fills it all.
    w.resize(593, 25);
    w.maketext(QString(100, u'H'));
    EXPECT_EQ(w.matrix().display().size(), QSize(593, 25));
    EXPECT_EQ(w.matrix().display().point(1 + 294 * 2, 2), w.forecolor());
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    w.resize(300, 40);
    EXPECT_EQ(w.matrix().display().size(), QSize(300, 40));
    EXPECT_EQ(w.matrix().buffer().size(), QSize(8000, 333));
}

TEST(MatriceWidget, ShowsTheDisplaySurface)
{
    MatriceWidget w;
    w.resize(593, 25);
    w.setBackcolor(0xF8E4D8);
    w.setForecolor(kBleu);
    w.maketext(QStringLiteral("Bienvenue"));
    EXPECT_EQ(w.grab().toImage().convertToFormat(QImage::Format_RGB32), w.matrix().display().image());
}

TEST(MatriceWidget, ScrollStepAsksForARepaint)
{
    MatriceWidget w;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    PaintCounter counter;
    w.installEventFilter(&counter);
    QCoreApplication::processEvents();
    counter.paints = 0;
    w.Scrolldroite();
    EXPECT_TRUE(QTest::qWaitFor([&] { return counter.paints > 0; }));
}

TEST(MatriceWidget, EndScrollSignal)
{
    MatriceWidget w;
    w.maketext(QStringLiteral("AB"));
    QSignalSpy spy(&w, &DotMatrixWidget::EndScroll);
    int pointerInHandler = 0;
    QObject::connect(&w, &DotMatrixWidget::EndScroll, [&] {
        w.Scrolldroite(); // ignored: the step is still running
        pointerInHandler = w.matrix().pointeur();
    });
    for (int i = 0; i < 11; ++i)
        w.Scrolldroite();
    EXPECT_EQ(spy.count(), 0);
    w.Scrolldroite();
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(pointerInHandler, 12);
    EXPECT_EQ(w.matrix().pointeur(), 1);
    w.Scrollgauche();
    EXPECT_EQ(spy.count(), 2);
    EXPECT_EQ(w.matrix().pointeur(), 12);
}

TEST(MatriceWidget, MouseEventsInTwips)
{
    MatriceWidget w;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    QSignalSpy down(&w, &DotMatrixWidget::MouseDown);
    QSignalSpy up(&w, &DotMatrixWidget::MouseUp);
    QSignalSpy move(&w, &DotMatrixWidget::MouseMove);
    QSignalSpy click(&w, &DotMatrixWidget::Click);
    QSignalSpy dblClick(&w, &DotMatrixWidget::DblClick);

    QTest::mousePress(&w, Qt::LeftButton, Qt::ShiftModifier, QPoint(10, 4));
    ASSERT_EQ(down.count(), 1);
    EXPECT_EQ(down.at(0), mouseArgs(1, 1, 150.0f, 60.0f));
    QTest::mouseRelease(&w, Qt::LeftButton, Qt::NoModifier, QPoint(12, 5));
    ASSERT_EQ(up.count(), 1);
    EXPECT_EQ(up.at(0), mouseArgs(1, 0, 180.0f, 75.0f));
    EXPECT_EQ(click.count(), 1);

    QTest::mouseClick(&w, Qt::RightButton, Qt::ControlModifier, QPoint(3, 3));
    EXPECT_EQ(down.last(), mouseArgs(2, 2, 45.0f, 45.0f));
    EXPECT_EQ(click.count(), 2);

    // A release outside is still reported, but is no click.
    QTest::mousePress(&w, Qt::LeftButton, Qt::NoModifier, QPoint(10, 4));
    QTest::mouseRelease(&w, Qt::LeftButton, Qt::NoModifier, QPoint(250, 4));
    EXPECT_EQ(up.count(), 3);
    EXPECT_EQ(up.last(), mouseArgs(1, 0, 3750.0f, 60.0f));
    EXPECT_EQ(click.count(), 2);

    QTest::mouseMove(&w, QPoint(20, 10));
    EXPECT_TRUE(QTest::qWaitFor([&] { return move.count() > 0; }));
    EXPECT_EQ(move.last(), mouseArgs(0, 0, 300.0f, 150.0f));

    // Through the window, as the platform delivers it: press, release, double
    // click, release.
    const int downs = down.count();
    QTest::mouseDClick(w.windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(dblClick.count(), 1);
    EXPECT_EQ(down.count(), downs + 1);
    EXPECT_EQ(click.count(), 3); // the first click of the pair only
}

TEST(MatriceWidget, ErrorsReachTheCaller)
{
    MatriceWidget w;
    EXPECT_NUMBERED_ERROR(w.setPixelSize(QVariant(QStringLiteral("grand"))), NumberedError::TypeMismatch);
    EXPECT_NUMBERED_ERROR(w.drawchar(QString(), 1, 1), NumberedError::InvalidArgument);
    EXPECT_NUMBERED_ERROR(w.setTexteInitial(QStringLiteral("x")), NumberedError::PropertyNotAtRuntime);
    w.setUserMode(false);
    w.setTexteInitial(QStringLiteral("x"));
    EXPECT_EQ(w.matrix().columnCount(), 6);
}

TEST(AfflcdWidget, SizeIgnoresItsHeight)
{
    AfflcdWidget a, b;
    a.SetMatriceSize(160, false, 100);
    b.SetMatriceSize(160, false, 5);
    EXPECT_EQ(a.matrix().upperColumn(), b.matrix().upperColumn());
    EXPECT_EQ(a.matrix().upperColumn(), 161);
    EXPECT_EQ(a.matrix().cell(200, 161), 0);
    EXPECT_EQ(a.matrix().taille(), QVariant(160));
    EXPECT_NUMBERED_ERROR(a.SetMatriceSize(10, false, 40000), NumberedError::Overflow);
}

TEST(AfflcdWidget, LightsSingleDots)
{
    AfflcdWidget w;
    EXPECT_FALSE(w.matrix().taille().isValid());
    w.setBackcolor(kBlanc);
    w.setForecolor(kNoir);
    w.drawpixel(3, 8, 1);
    EXPECT_TRUE(allPixels(w.matrix().buffer(), QRect(24, 4, 3, 3), kNoir));
    EXPECT_NUMBERED_ERROR(w.drawpixel(3, 9, 1), NumberedError::SubscriptOutOfRange);
    w.clearpixel(3, 8, 1);
    EXPECT_TRUE(allPixels(w.matrix().buffer(), QRect(0, 0, 27, 20), kBlanc));
}
