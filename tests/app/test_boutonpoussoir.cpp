#include "app/boutonpoussoir.h"

#include <gtest/gtest.h>

#include <QHBoxLayout>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

namespace {

// A shown button, for real mouse events.
class ShownButton : public ::testing::Test
{
protected:
    void SetUp() override
    {
        button.text(QString());
        button.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&button));
    }
    // The button shows its look's face, caption aside.
    void shows(AspectBouton look)
    {
        EXPECT_EQ(button.look(), look);
        const QImage face = facesbouton::face(look);
        EXPECT_EQ(button.grab().toImage().convertToFormat(QImage::Format_RGB32),
                  face.copy(QRect(-BoutonPoussoir::kFaceOrigin, BoutonPoussoir::kSize)).convertToFormat(QImage::Format_RGB32));
    }
    BoutonPoussoir button;
};

} // namespace

TEST_F(ShownButton, LooksFollowTheMouseAndAnyButtonClicksOnce)
{
    QSignalSpy clicks(&button, &BoutonPoussoir::Click);
    shows(AspectBouton::Normal);
    QTest::mouseMove(&button, QPoint(20, 10));
    EXPECT_TRUE(QTest::qWaitFor([&] { return button.look() == AspectBouton::Hover; }));
    shows(AspectBouton::Hover);
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(20, 10));
    shows(AspectBouton::Pressed);
    EXPECT_EQ(clicks.count(), 0);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(clicks.count(), 1);
    shows(AspectBouton::Hover);
    button.retour();
    shows(AspectBouton::Normal);

    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(70, 12)); // released outside: no click
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(200, 40));
    EXPECT_EQ(clicks.count(), 1);
    QTest::mouseClick(&button, Qt::RightButton, {}, QPoint(5, 20)); // any button clicks
    EXPECT_EQ(clicks.count(), 2);
    // A double click through the window, as the platform delivers it: one click.
    QTest::mouseDClick(button.windowHandle(), Qt::LeftButton, {}, QPoint(70, 12));
    EXPECT_EQ(clicks.count(), 3);
    EXPECT_EQ(button.look(), AspectBouton::Hover);
}

TEST(BoutonPoussoir, SizeIsLockedAndLongCaptionsShrink)
{
    QWidget window;
    QFont wide(QStringLiteral("DejaVu Sans"));
    wide.setPixelSize(11);
    window.setFont(wide);
    auto *layout = new QHBoxLayout(&window);
    auto *button = new BoutonPoussoir;
    layout->addWidget(button);
    window.resize(600, 200);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(button->size(), QSize(143, 25));

    auto *caption = button->findChild<QLabel *>(QStringLiteral("imageb"));
    ASSERT_NE(caption, nullptr);
    const QString longText = QStringLiteral("Sauver fich. automatiquement");
    button->text(longText);
    EXPECT_LE(QFontMetrics(caption->font()).horizontalAdvance(longText), 143);
    EXPECT_LT(caption->font().pixelSize(), 11);
    button->text(QStringLiteral("Convertir"));
    EXPECT_EQ(caption->font().pixelSize(), 11);
    wide.setPixelSize(10); // a later change of the window's face reaches the caption too
    window.setFont(wide);
    EXPECT_EQ(caption->font().pixelSize(), 10);
}
