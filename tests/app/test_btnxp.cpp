#include "app/btnxp.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

namespace {

using namespace btnxpfaces;

QColor at(const QImage &image, int x, int y)
{
    return image.pixelColor(x, y);
}

// A shown button, for real mouse events.
class ShownButton : public ::testing::Test
{
protected:
    void SetUp() override
    {
        button.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&button));
    }
    BtnXP button;
};

// What the button shows of a face picture, caption aside.
QImage visiblePart(const QImage &face)
{
    return face.copy(QRect(-BtnXP::kFaceOrigin, BtnXP::kSize)).convertToFormat(QImage::Format_RGB32);
}

} // namespace

TEST(BtnXPFaces, NormalPicture)
{
    const QImage face = btnxpfaces::face(BtnXPLook::Normal);
    EXPECT_EQ(face.size(), QSize(148, 28));
    EXPECT_EQ(face.depth(), 24);
    const QColor background(216, 228, 248), border(0, 60, 116);
    EXPECT_EQ(at(face, 0, 0), background);
    EXPECT_EQ(at(face, 147, 27), background);
    EXPECT_EQ(at(face, 2, 14), background);
    EXPECT_EQ(at(face, 70, 3), background);
    EXPECT_EQ(at(face, kLeft, kTop), background); // rounded corner
    EXPECT_EQ(at(face, 70, kTop), border);
    EXPECT_EQ(at(face, 70, kBottom), border);
    EXPECT_EQ(at(face, kLeft, 14), border);
    EXPECT_EQ(at(face, kRight, 14), border);
    EXPECT_EQ(at(face, kLeft + 1, kTop + 1), border);
    // The gradient runs from white under the top border to beige above the bottom one.
    EXPECT_EQ(at(face, 70, kTop + 1), QColor(255, 255, 255));
    EXPECT_EQ(at(face, 70, kBottom - 1), QColor(214, 208, 197));
    const QColor middle = at(face, 70, (kTop + kBottom) / 2);
    EXPECT_NEAR(middle.red(), 245, 2);
    EXPECT_NEAR(middle.blue(), 241, 2);
    for (int y = kTop + 2; y < kBottom; ++y)
        EXPECT_LE(at(face, 70, y).blue(), at(face, 70, y - 1).blue()) << y;
    EXPECT_EQ(at(face, kLeft + 1, 14), at(face, kRight - 1, 14));
}

TEST(BtnXPFaces, HoverPictureAddsAWarmRing)
{
    const QImage normal = btnxpfaces::face(BtnXPLook::Normal);
    const QImage hover = btnxpfaces::face(BtnXPLook::Hover);
    EXPECT_EQ(hover.size(), QSize(148, 28));
    EXPECT_EQ(at(hover, 70, kTop + 1), QColor(255, 240, 207));
    EXPECT_EQ(at(hover, 70, kTop + 2), QColor(253, 216, 137));
    EXPECT_EQ(at(hover, 70, kBottom - 2), QColor(248, 179, 48));
    EXPECT_EQ(at(hover, 70, kBottom - 1), QColor(229, 151, 0));
    for (int x : {kLeft + 1, kLeft + 2, kRight - 2, kRight - 1})
        EXPECT_EQ(at(hover, x, 14), QColor(252, 206, 113)) << x;
    // Inside the ring and outside the border, the normal picture.
    for (int y = 0; y < 28; ++y) {
        for (int x = 0; x < 148; ++x) {
            const bool ring = x > kLeft && x < kRight && y > kTop && y < kBottom
                && (x <= kLeft + 2 || x >= kRight - 2 || y <= kTop + 2 || y >= kBottom - 2);
            if (!ring) {
                EXPECT_EQ(at(hover, x, y), at(normal, x, y)) << x << ", " << y;
            }
        }
    }
}

TEST(BtnXPFaces, PressedPictureIsDarkerAndFlat)
{
    const QImage pressed = btnxpfaces::face(BtnXPLook::Pressed);
    const QImage normal = btnxpfaces::face(BtnXPLook::Normal);
    EXPECT_EQ(at(pressed, 70, kTop + 1), QColor(209, 204, 193));
    EXPECT_EQ(at(pressed, 70, kBottom - 1), QColor(242, 241, 238));
    EXPECT_EQ(at(pressed, 70, kTop), QColor(0, 60, 116));
    EXPECT_EQ(at(pressed, 0, 0), at(normal, 0, 0));
    // Flat: every column of the fill alike.
    for (int y = kTop + 2; y < kBottom - 1; ++y)
        EXPECT_EQ(at(pressed, kLeft + 2, y), at(pressed, 100, y)) << y;
}

TEST(BtnXP, FreshButton)
{
    BtnXP button;
    EXPECT_EQ(button.size(), QSize(143, 25));
    EXPECT_EQ(button.look(), BtnXPLook::Normal);
    EXPECT_EQ(button.caption(), QStringLiteral("btnXP"));
    button.text(QString());
    EXPECT_EQ(visiblePart(btnxpfaces::face(BtnXPLook::Normal)),
              button.grab().toImage().convertToFormat(QImage::Format_RGB32));
}

TEST(BtnXP, SizeIsLocked)
{
    BtnXP button;
    button.resize(300, 60);
    EXPECT_EQ(button.size(), QSize(143, 25));
    QWidget container;
    auto *layout = new QHBoxLayout(&container);
    auto *laidOut = new BtnXP;
    layout->addWidget(laidOut);
    container.resize(600, 200);
    container.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&container));
    EXPECT_EQ(laidOut->size(), QSize(143, 25));
}

TEST(BtnXP, TextTakesAnyValue)
{
    BtnXP button;
    button.text(QStringLiteral("Convertir"));
    EXPECT_EQ(button.caption(), QStringLiteral("Convertir"));
    button.text(42);
    EXPECT_EQ(button.caption(), QStringLiteral("42"));
    button.text(QStringLiteral("<b>&Ouvrir</b>"));
    EXPECT_EQ(button.caption(), QStringLiteral("<b>&Ouvrir</b>"));
}

TEST(BtnXP, LongCaptionStaysReadable)
{
    QWidget window;
    QFont wide(QStringLiteral("DejaVu Sans"));
    wide.setPixelSize(11);
    window.setFont(wide);
    auto *button = new BtnXP(&window);
    auto *caption = button->findChild<QLabel *>(QStringLiteral("imageb"));
    ASSERT_NE(caption, nullptr);
    const QString longText = QStringLiteral("Sauver fich. automatiquement");
    button->text(longText);
    EXPECT_LE(QFontMetrics(caption->font()).horizontalAdvance(longText), 143);
    EXPECT_LT(caption->font().pixelSize(), 11);
    button->text(QStringLiteral("Convertir"));
    EXPECT_EQ(caption->font().pixelSize(), 11);
    // A later change of the window's face reaches the caption too.
    wide.setPixelSize(10);
    window.setFont(wide);
    EXPECT_EQ(caption->font().pixelSize(), 10);
}

TEST_F(ShownButton, LooksFollowTheMouse)
{
    button.text(QString());
    QSignalSpy clicks(&button, &BtnXP::Click);
    QTest::mouseMove(&button, QPoint(20, 10));
    EXPECT_TRUE(QTest::qWaitFor([&] { return button.look() == BtnXPLook::Hover; }));
    EXPECT_EQ(button.grab().toImage().convertToFormat(QImage::Format_RGB32),
              visiblePart(btnxpfaces::face(BtnXPLook::Hover)));

    QTest::mousePress(&button, Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
    EXPECT_EQ(button.look(), BtnXPLook::Pressed);
    EXPECT_EQ(button.grab().toImage().convertToFormat(QImage::Format_RGB32),
              visiblePart(btnxpfaces::face(BtnXPLook::Pressed)));
    EXPECT_EQ(clicks.count(), 0);

    QTest::mouseRelease(&button, Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
    EXPECT_EQ(button.look(), BtnXPLook::Hover);
    EXPECT_EQ(clicks.count(), 1);

    button.retour();
    EXPECT_EQ(button.look(), BtnXPLook::Normal);
    EXPECT_EQ(button.grab().toImage().convertToFormat(QImage::Format_RGB32),
              visiblePart(btnxpfaces::face(BtnXPLook::Normal)));
}

TEST_F(ShownButton, ReleaseOutsideIsNoClick)
{
    QSignalSpy clicks(&button, &BtnXP::Click);
    QTest::mousePress(&button, Qt::LeftButton, Qt::NoModifier, QPoint(70, 12));
    QTest::mouseRelease(&button, Qt::LeftButton, Qt::NoModifier, QPoint(200, 40));
    EXPECT_EQ(button.look(), BtnXPLook::Hover);
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(ShownButton, AnyButtonClicks)
{
    QSignalSpy clicks(&button, &BtnXP::Click);
    QTest::mouseClick(&button, Qt::RightButton, Qt::NoModifier, QPoint(5, 20));
    QTest::mouseClick(&button, Qt::LeftButton, Qt::NoModifier, QPoint(140, 2));
    EXPECT_EQ(clicks.count(), 2);
    EXPECT_EQ(button.look(), BtnXPLook::Hover);
}

TEST_F(ShownButton, DoubleClickIsOneClick)
{
    QSignalSpy clicks(&button, &BtnXP::Click);
    // Through the window, as the platform delivers it: press, release, double
    // click, release.
    QTest::mouseDClick(button.windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(70, 12));
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(button.look(), BtnXPLook::Hover);
}

TEST_F(ShownButton, PressFromHoverOrNormal)
{
    QTest::mousePress(&button, Qt::LeftButton, Qt::NoModifier, QPoint(70, 12));
    EXPECT_EQ(button.look(), BtnXPLook::Pressed);
    QTest::mouseMove(&button, QPoint(71, 12));
    EXPECT_TRUE(QTest::qWaitFor([&] { return button.look() == BtnXPLook::Hover; }));
    QTest::mouseRelease(&button, Qt::LeftButton, Qt::NoModifier, QPoint(71, 12));
    button.retour();
    QTest::mousePress(&button, Qt::LeftButton, Qt::NoModifier, QPoint(70, 12));
    EXPECT_EQ(button.look(), BtnXPLook::Pressed);
}
