#pragma once

#include "app/mainwindow.h"
#include "app/commandbutton.h"
#include "app/mainpanel.h"
#include "app/menus.h"
#include "app/picturebutton.h"
#include "editor/canvas.h"
#include "editor/framedpreview.h"
#include "support/files.h"
#include "support/imagediff.h"
#include "support/recordingdialogs.h"

#include <QTest>
#include <QtWidgets>

// The main window as the program shows it, started with the command line's arguments,
// its folder a temporary one, active with the canvas focused (unless the
// start-up focus is wanted), the dialogs recorded.
class MainPanelTest : public ::testing::Test
{
protected:
    // No recent files nor dialog folders from a test run before in this process.
    MainPanelTest() { QSettings(QStringLiteral("Brivane"), QStringLiteral("Brivane")).clear(); }
    void open(const QStringList &arguments, bool focusCanvas = true)
    {
        mainWindow.reset(); // one main window at a time
        f = new MainPanel;
        f->document.automaticFolder().setProgramFolder(folder.path());
        f->start(arguments);
        mainWindow = std::make_unique<MainWindow>(f);
        mainWindow->show();
        activate(focusCanvas);
    }
    void openWith(const QImage &source) { open(QStringList{writePicture(source)}); }
    QString writePicture(const QImage &image, const QString &name = QStringLiteral("source.png"))
    {
        EXPECT_TRUE(image.save(folder.filePath(name), "PNG"));
        return folder.filePath(name);
    }
    void activate(bool focusCanvas = true)
    {
        mainWindow->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(mainWindow.get()));
        if (focusCanvas)
            f->canvas->setFocus();
    }
    // To the widget with the keyboard focus, shortcuts included.
    static void press(Qt::Key key, Qt::KeyboardModifiers mod = Qt::ControlModifier) { QTest::keyClick(QApplication::focusWidget(), key, mod); }
    static void click(QWidget *w, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
    }
    Menus &menus() { return *mainWindow->menus(); }
    bool makeTopmost(QWidget *w) const { return std::ranges::count(dialogs.topmostCalls, std::pair{w, true}) > 0; }
    int blackCount() const // of the 160 x 100 work picture
    {
        int n = 0;
        for (int i = 0; i < 16000; ++i)
            n += f->document.work.point(i % 160, i / 160) == kBlack;
        return n;
    }
    // Uniform grey 128: white at level 0, black from level 1 on.
    static QImage grey128() { return filled(200, 120, qRgb(128, 128, 128)); }
    static QImage halfBlack(int w, int h)
    {
        QImage image = filled(w, h, kWhite);
        QPainter(&image).fillRect(0, 0, w / 2, h, Qt::black);
        return image;
    }
    // 160 x 100, either half black.
    static QImage screenPicture(bool leftBlack) { return halfBlack(160, 100).mirrored(!leftBlack, false); }

    QTemporaryDir folder;
    RecordingDialogs dialogs;
    std::unique_ptr<MainWindow> mainWindow;
    MainPanel *f = nullptr;
};
