// The dithering methods, the tone curve and the automatic contrast in the window: the
// "Conversion" menu and the methods gallery.
#include "mainpaneltest.h"

#include "app/conversionchoices.h"
#include "app/methodsgallery.h"
#include "app/methodtile.h"

using monochrome::Dithering;
using monochrome::kDitheringMethods;

// Every "Tramage" method, "Rendu des tons" curve and "Contraste automatique" converts
// as one undo step; undo and redo bring back the setting and the menu's check.
TEST_F(MainPanelTest, ConversionChoicesConvertAsOneUndoStepEach)
{
    openWith(grey128());
    const ConversionChoices &choices = *f->conversionChoices;
    const QList<QAction *> methods = menus().ditheringMenu->actions();
    ASSERT_EQ(methods.size(), qsizetype(std::size(kDitheringMethods)));
    const QList<ConversionChoices::Tone> tones = ConversionChoices::tones();
    EXPECT_TRUE(tones.front().curve == monochrome::kExactLight && tones.back().curve == monochrome::kDetailedShadows);
    EXPECT_EQ(std::ranges::count_if(tones, [](const auto &t) { return t.text.endsWith(QStringLiteral(" (par défaut)")); }), 1);
    std::vector<std::pair<QAction *, std::function<bool(const Settings &)>>> cases;
    QSet<QChar> mnemonics;
    for (qsizetype i = 0; i < methods.size(); ++i) {
        mnemonics.insert(methods[i]->text().section(u'&', 1).front().toLower());
        cases.emplace_back(methods[i], [m = kDitheringMethods[i]](const Settings &s) { return s.dithering == m; });
    }
    EXPECT_EQ(mnemonics.size(), methods.size());
    for (qsizetype i = 0; i < tones.size(); ++i)
        cases.emplace_back(choices.toneActions[i], [curve = tones[i].curve](const Settings &s) { return s.toneCurve == curve; });
    cases.emplace_back(choices.autoContrast, [](const Settings &s) { return s.autoContrast; });
    for (const auto &[action, holds] : cases) {
        SCOPED_TRACE(action->text().toStdString());
        if (holds(f->document.settings))
            continue; // the default curve
        QAction *before = action->actionGroup() ? action->actionGroup()->checkedAction() : nullptr;
        const int steps = f->history.undoCount();
        action->trigger();
        EXPECT_TRUE(holds(f->document.pictureState().settings) && action->isChecked()); // converted with it
        EXPECT_TRUE(sameImage(f->document.convertedWith(f->document.settings), f->document.work.image()) && f->history.undoCount() == steps + 1);
        press(Qt::Key_Z);
        EXPECT_TRUE(!holds(f->document.settings) && (before ? before->isChecked() : !action->isChecked()));
        press(Qt::Key_Y);
        EXPECT_TRUE(action->isChecked());
    }
    const auto clickBox = [&] { QTest::mouseClick(f->ditheringBox, Qt::LeftButton, {}, QPoint(6, f->ditheringBox->height() / 2)); };
    clickBox(); // off, then on again with the method last chosen
    EXPECT_TRUE(f->document.settings.dithering == Dithering::None && methods.last()->isChecked());
    clickBox();
    EXPECT_EQ(f->document.settings.dithering, Dithering::Optimal);
}

TEST_F(MainPanelTest, GalleryShowsEveryMethodAndATilePicksIt)
{
    openWith(grey128());
    press(Qt::Key_M);
    MethodsGallery *gallery = f->methodsGallery();
    ASSERT_TRUE(gallery && QTest::qWaitForWindowActive(gallery));
    ASSERT_EQ(gallery->tiles.size(), std::size(kDitheringMethods));
    const auto filled = [&] { return std::ranges::none_of(gallery->tiles, &MethodTile::isComputing); };
    QTRY_VERIFY_WITH_TIMEOUT(filled(), 10000);
    for (size_t i = 0; i < gallery->tiles.size(); ++i) {
        const MethodTile *tile = gallery->tiles[i];
        EXPECT_EQ(tile->text(), menus().ditheringMenu->actions()[qsizetype(i)]->text().remove(u'&'));
        EXPECT_TRUE(tile->picture().size() == QSize(160, 100) && tile->height() >= 200 + tile->fontMetrics().height()); // twice, caption below
    }
    const int generation = gallery->generation();
    const auto picked = [&](Dithering method, int steps) {
        return f->document.pictureState().settings.dithering == method && f->ditheringBox->isChecked()
               && f->history.undoCount() == steps && gallery->isVisible();
    };
    const int steps = f->history.undoCount();
    click(gallery->tiles[2]);
    EXPECT_TRUE(picked(Dithering::Bayer, steps + 1) && gallery->tiles[2]->isCurrent());
    QTest::keyClick(gallery->tiles[2], Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), gallery->tiles[3]);
    press(Qt::Key_Return, {});
    EXPECT_TRUE(picked(Dithering::JarvisJudiceNinke, steps + 2));
    QCoreApplication::processEvents();
    EXPECT_EQ(gallery->generation(), generation); // the method alone changes no picture
    press(Qt::Key_Z); // from the gallery too
    EXPECT_TRUE(f->document.settings.dithering == Dithering::Bayer && gallery->tiles[2]->isCurrent());
    click(gallery->contrastBox); // the settings change: every picture again
    EXPECT_TRUE(f->document.settings.autoContrast && f->conversionChoices->autoContrast->isChecked());
    QTRY_VERIFY(gallery->generation() > generation);
    QTRY_VERIFY_WITH_TIMEOUT(filled(), 10000);
}
