// The command buttons and the picture buttons: mouse, keyboard, wheel.
#include "fenetre.h"

#include "app/buttonfaces.h"

#include <QSignalSpy>

namespace {

// The part of a face the button shows.
QImage shownFace(ButtonLook look, bool focusMark = false)
{
    return buttonfaces::face(look, focusMark).copy(QRect(-CommandButton::kFaceOrigin, CommandButton::kSize));
}

} // namespace

// m move, p/r left press/release over it, o left release outside, d the second
// press of a double click, P/R right press/release, 0 the container's reset.
TEST(CommandButton, MouseGivesTheLooksAndTheClicks)
{
    const std::tuple<const char *, ButtonLook, int> cases[] = { // events, look, clicks
        {"", ButtonLook::Normal, 0},     {"m", ButtonLook::Hover, 0},     {"mp", ButtonLook::Pressed, 0},
        {"mpr", ButtonLook::Hover, 1},   {"mpo", ButtonLook::Hover, 0},   {"mpmr", ButtonLook::Hover, 1},
        {"mpr0", ButtonLook::Normal, 1}, {"mprdr", ButtonLook::Hover, 1}, {"PR", ButtonLook::Hover, 1},
        {"mpr0mpr", ButtonLook::Hover, 2},
    };
    for (const auto &[events, look, clicks] : cases) {
        SCOPED_TRACE(events);
        QWidget background;
        background.resize(200, 60);
        auto *button = new CommandButton(&background);
        button->move(10, 10);
        background.show();
        QSignalSpy clicked(button, &QAbstractButton::clicked);
        const QPoint inside(20, 12), outside(170, 12);
        for (const char e : std::string_view(events)) {
            switch (e) {
            case 'm': QTest::mouseMove(button, inside); break;
            case 'p': QTest::mousePress(button, Qt::LeftButton, {}, inside); break;
            case 'r': QTest::mouseRelease(button, Qt::LeftButton, {}, inside); break;
            case 'o': QTest::mouseRelease(button, Qt::LeftButton, {}, outside); break;
            case 'd': QTest::mouseDClick(button, Qt::LeftButton, {}, inside); break;
            case 'P': QTest::mousePress(button, Qt::RightButton, {}, inside); break;
            case 'R': QTest::mouseRelease(button, Qt::RightButton, {}, inside); break;
            case '0': button->resetLook(); break;
            }
        }
        EXPECT_EQ(button->look(), look);
        EXPECT_EQ(clicked.count(), clicks);
        button->setText({});
        EXPECT_TRUE(sameImage(shownFace(look, button->hasFocus()), button->grab().toImage()));
    }
}

// A button keeps its hover look once the pointer leaves it, even dragged away
// while held, until the pointer crosses the background of the window or frame.
TEST_F(Fenetre, ButtonsKeepTheirHoverLookUntilThePointerCrossesTheBackground)
{
    ouvrirAvec(gris128());
    const std::tuple<CommandButton *, QWidget *, QPoint> cases[] = { // button, background, a bare point of it
        {f->boutons[FenetrePrincipale::BoutonConvertir], f, {205, 95}},
        {f->boutons[FenetrePrincipale::BoutonValiderLigne], f->groupeOutils, {10, 300}},
    };
    for (const auto &[button, background, bare] : cases) {
        SCOPED_TRACE(button->text().toStdString());
        ASSERT_EQ(background->childAt(bare), nullptr);
        const QPoint inside(20, 12), outside = button->mapFrom(background, bare);
        QTest::mouseMove(button, inside);
        QTest::mousePress(button, Qt::LeftButton, {}, inside);
        for (const QPoint &p : {outside, outside + QPoint(1, 1)})
            QTest::mouseMove(button, p); // held, the button keeps the pointer
        EXPECT_EQ(button->look(), ButtonLook::Hover);
        QTest::mouseRelease(button, Qt::LeftButton, {}, outside);
        EXPECT_EQ(button->look(), ButtonLook::Hover);
        QTest::mouseMove(background, bare);
        EXPECT_EQ(button->look(), ButtonLook::Normal);
    }
}

// From the start-up focus, Tab goes round the window as a reader scans it (Qt
// decides where the option buttons stop); each command button shows the focus
// mark while it has the focus, and nothing else of it changes.
TEST_F(Fenetre, TabReachesTheCommandButtonsInReadingOrder)
{
    f = new FenetrePrincipale;
    f->document.automaticFolder().setProgramFolder(dossier.path());
    f->Form_Load(QStringList{ecrireImage(gris128())});
    cadre = std::make_unique<Cadre>(f);
    cadre->show();
    cadre->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(cadre.get()));
    ASSERT_EQ(QApplication::focusWidget(), f->niveauGris);

    const QRect m = buttonfaces::kFocusMark.translated(CommandButton::kFaceOrigin);
    const QRegion outline = QRegion(m).subtracted(m.adjusted(1, 1, -1, -1)); // its outline
    std::vector<QWidget *> reached;
    for (int tab = 0; tab < 50; ++tab) {
        QWidget *w = QApplication::focusWidget();
        if (!qobject_cast<QRadioButton *>(w))
            reached.push_back(w);
        auto *button = qobject_cast<CommandButton *>(w);
        const QImage marked = button ? button->grab().toImage() : QImage();
        touche(Qt::Key_Tab, {});
        if (button) {
            const QImage unmarked = button->grab().toImage();
            int changed = 0;
            for (int y = 0; y < unmarked.height(); ++y)
                for (int x = 0; x < unmarked.width(); ++x)
                    if (marked.pixel(x, y) != unmarked.pixel(x, y)) {
                        ++changed;
                        EXPECT_TRUE(outline.contains(QPoint(x, y))) << button->objectName().toStdString() << " " << x << "," << y;
                    }
            EXPECT_GT(changed, 100) << button->objectName().toStdString();
        }
        if (QApplication::focusWidget() == f->niveauGris)
            break;
    }
    EXPECT_EQ(QApplication::focusWidget(), f->niveauGris); // round the window
    using F = FenetrePrincipale;
    const std::vector<QWidget *> readingOrder = {
        f->niveauGris, f->caseProportions, f->caseInverser, f->caseTramage,
        f->boutons[F::BoutonImporter], f->boutons[F::BoutonOuvrir], f->boutons[F::BoutonConvertir], f->vueTravail,
        f->boutons[F::BoutonSauverAuto], f->boutons[F::BoutonSauverSous], f->boutons[F::BoutonVisualisateur],
        f->caseOptionsAvancees, f->boiteNomVariable, f->boiteDossier,
        f->boiteTexte, f->listePolices, f->caseSouligne, f->caseItalique, f->caseGras, f->caseRaye,
        f->boutons[F::BoutonValiderTexte], f->boutons[F::BoutonValiderLigne], f->boutons[F::BoutonValiderEllipse],
    };
    EXPECT_EQ(reached, readingOrder);
}

// Space presses the focused button (pressed look while held) and its release runs
// the command; Enter does not, as for Qt's buttons outside dialogs.
TEST_F(Fenetre, SpaceOnAFocusedButtonRunsItsCommand)
{
    ouvrirAvec(moitieNoire(320, 200));
    cliquer(f->boutons[FenetrePrincipale::BoutonConvertir]); // the mouse leaves the focus where it is
    ASSERT_EQ(QApplication::focusWidget(), f->vueTravail);
    const auto exists = [](const QString &folder, const char *name) {
        return QFileInfo::exists(QDir(folder).filePath(QString::fromUtf8(name)));
    };
    const std::tuple<FenetrePrincipale::Bouton, std::function<void()>, std::function<bool()>> cases[] = {
        {FenetrePrincipale::BoutonConvertir, [&] { f->caseInverser->setChecked(true); },
         [&] { return bool(sameImage(ecran(false), f->document.work.image())); }},
        {FenetrePrincipale::BoutonSauverSous, [&] { dialogs.answerNextFileDialog(dossier.filePath(QStringLiteral("espace"))); },
         [&] { return exists(dossier.path(), "espace.89i"); }},
        {FenetrePrincipale::BoutonSauverAuto, [] {}, [&] { return exists(f->document.automaticFolder().folder(), "fig0000.89i"); }},
    };
    for (const auto &[index, prepare, done] : cases) {
        CommandButton *button = f->boutons[index];
        SCOPED_TRACE(button->text().toStdString());
        prepare();
        button->setFocus(Qt::TabFocusReason);
        ASSERT_EQ(QApplication::focusWidget(), button);
        touche(Qt::Key_Return, {});
        touche(Qt::Key_Enter, Qt::KeypadModifier);
        const ButtonLook before = button->look();
        QTest::keyPress(button, Qt::Key_Space);
        EXPECT_EQ(button->look(), ButtonLook::Pressed);
        EXPECT_FALSE(done());
        QTest::keyRelease(button, Qt::Key_Space);
        EXPECT_TRUE(done());
        EXPECT_EQ(button->look(), before);
    }
}

// Held, an arrow clicks after the delay and then at each interval; the release
// after those clicks adds none. The magnifier clicks once, on the release.
TEST(PictureButton, ClicksOnReleaseOrRepeatsWhileHeld)
{
    enum Wait { NoWait, Repeats, Delay };
    const std::tuple<const char *, bool, Qt::MouseButton, Wait, bool, int> cases[] = {
        // repeating, button, wait, release over it, clicks at the release
        {"arrow clicked", true, Qt::LeftButton, NoWait, true, 1},
        {"arrow held", true, Qt::LeftButton, Repeats, true, 0},
        {"arrow held, released outside", true, Qt::LeftButton, Repeats, false, 0},
        {"arrow released outside", true, Qt::LeftButton, NoWait, false, 0},
        {"right button", true, Qt::RightButton, Delay, true, 0},
        {"magnifier held", false, Qt::LeftButton, Delay, true, 1},
    };
    for (const auto &[what, repeating, button, wait, inside, atRelease] : cases) {
        SCOPED_TRACE(what);
        QWidget background;
        background.resize(100, 60);
        auto *picture = new PictureButton(QImage(20, 19, QImage::Format_RGB32), &background);
        picture->setAutoRepeat(repeating);
        background.show();
        QSignalSpy clicked(picture, &QAbstractButton::clicked);
        QTest::mousePress(picture, button, {}, QPoint(5, 5));
        EXPECT_EQ(clicked.count(), 0);
        if (wait == Repeats)
            QTRY_VERIFY_WITH_TIMEOUT(clicked.count() >= 2, 10000);
        else if (wait == Delay)
            QTest::qWait(PictureButton::kRepeatDelay + 2 * PictureButton::kRepeatInterval);
        const int before = clicked.count();
        EXPECT_EQ(before > 0, wait == Repeats);
        QTest::mouseRelease(picture, button, {}, inside ? QPoint(5, 5) : QPoint(60, 5));
        QTest::qWait(2 * PictureButton::kRepeatInterval);
        EXPECT_EQ(clicked.count(), before + atRelease);
    }
}

// A notch of the wheel over a spinner's box is a click of its arrow; parts of
// a notch add up.
TEST_F(Fenetre, WheelOverASpinnerBoxClicksItsArrows)
{
    ouvrirAvec(gris128());
    const std::tuple<QLineEdit *, std::vector<int>, const char *> cases[] = { // box, deltas, value
        {f->boiteHauteur, {-120}, "98"}, {f->boiteHauteur, {-240, 120}, "96"}, {f->boiteEpaisseur, {60}, "1"},
        {f->boiteEpaisseur, {60}, "2"},  {f->boiteEpaisseur, {-120}, "1"},
    };
    for (const auto &[box, deltas, expected] : cases) {
        for (int delta : deltas) {
            QWheelEvent wheel(QPointF(5, 5), box->mapToGlobal(QPointF(5, 5)), {}, QPoint(0, delta), Qt::NoButton, {},
                              Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(box, &wheel);
        }
        EXPECT_EQ(box->text(), QString::fromUtf8(expected)) << box->objectName().toStdString();
    }
}
