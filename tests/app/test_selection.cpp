// The selection's commands in the main window, by their keys.
#include "mainpaneltest.h"

#include "editor/selectiontool.h"
#include "picfile/picturereader.h"
#include "support/calc89i.h"

// Ctrl+A, Ctrl+X and Ctrl+V go through the system clipboard and back; pixels still
// floating are laid down before a save; "Recadrer sur la sélection" gives the work
// picture and the saves the selection's size, one undo step.
TEST_F(MainPanelTest, SelectionGoesThroughTheClipboardAndCropsTheSaves)
{
    openWith(halfBlack(320, 200));
    const QImage converted = f->document.work.image().copy();
    press(Qt::Key_S, {});
    ASSERT_EQ(f->editor.currentTool(), &f->editor.selection());
    press(Qt::Key_A), press(Qt::Key_X);
    EXPECT_TRUE(blackCount() == 0 && sameImage(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), converted));
    press(Qt::Key_V), press(Qt::Key_Right, {});
    EXPECT_EQ(blackCount(), 0); // floating
    const auto saved = [this](const char *name) {
        dialogs.answerNextFileDialog(folder.filePath(name));
        press(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        const QByteArray file = readFile(folder.filePath(name + QStringLiteral(".89i")));
        const QSize size = picfile::statedSize(file);
        return std::pair{size, reference89i(file, size.width(), size.height())};
    };
    const auto [size, pixels] = saved("moved");
    QImage moved = filled(160, 100, kWhite);
    QPainter(&moved).drawImage(1, 0, converted);
    EXPECT_TRUE(size == QSize(160, 100) && sameImage(pixels, moved) && !f->editor.selection().floating());

    // A drag from (70, 10) to (101, 30) on the canvas selects 32 x 21 pixels around the edge.
    const auto send = [this](QEvent::Type type, QPoint at) {
        const QPointF p = QPointF(f->canvas->pictureOrigin() + at) + QPointF(0.5, 0.5);
        QMouseEvent event(type, p, f->canvas->mapToGlobal(p), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, {});
        QCoreApplication::sendEvent(f->canvas, &event);
    };
    send(QEvent::MouseButtonPress, {70, 10});
    send(QEvent::MouseMove, {101, 30});
    send(QEvent::MouseButtonRelease, {101, 30});
    const QImage before = f->document.work.image().copy();
    press(Qt::Key_X, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(f->document.fit(), QRect(0, 0, 32, 21));
    const auto [cropped, kept] = saved("cropped");
    EXPECT_TRUE(cropped == QSize(32, 21) && sameImage(kept.copy(0, 0, 32, 21), before.copy(70, 10, 32, 21)));
    press(Qt::Key_Z);
    EXPECT_TRUE(f->document.fit() == QRect(0, 0, 160, 100) && sameImage(f->document.work.image(), before));
}
