// The viewer of calculator pictures: its lists, its preview, opening into the main window.
#include "mainpaneltest.h"

#include "app/folderlist.h"
#include "app/viewer.h"
#include "picfile/picturewriter.h"

#include <functional>

namespace {

// A click on a row, or a double click as the system delivers it: a click, then the second press.
void clickRow(QListWidget *list, int row, bool twice = false)
{
    const QPoint p = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, p);
    if (twice)
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, p);
}

} // namespace

TEST_F(MainPanelTest, TheViewerListsPreviewsOpensAndFollowsTheFiles)
{
    openWith(halfBlack(320, 200));
    const QString images = folder.filePath(QStringLiteral("images"));
    ASSERT_TRUE(QDir(images).mkpath(QStringLiteral("sous-dossier")));
    for (const auto &[name, w, h] : {std::tuple{"b-petit.89i", 80, 50}, {"a-plein.89I", 160, 100}, {"c-efface.89i", 160, 100}})
        writeFile(images + u'/' + QString::fromLatin1(name), picfile::encode(diagonal(w, h), QSize(w, h), "zfig", "p"));
    writeFile(images + QStringLiteral("/notes.txt"), "x");
    const QImage source = f->document.preview.image().copy();
    QImage small = blackAt({160, 100}, {}); // b-petit.89i as a 160 x 100 picture
    QPainter(&small).drawImage(0, 0, diagonal(80, 50));
    const auto whileShown = [&](std::function<void(Viewer &)> action) { // modal: driven while it shows
        bool seen = false;
        QTimer::singleShot(0, [&] {
            Viewer *v = f->viewer();
            seen = v && v->isVisible() && v->isModal() && makeTopmost(v);
            if (seen)
                action(*v);
            if (v)
                v->hide(); // whatever failed, or the test would hang
        });
        click(f->commandButtons[MainPanel::ViewerCommand]);
        EXPECT_TRUE(seen);
    };
    f->saveAutomatically();
    whileShown([&](Viewer &v) { // it starts with the automatic files
        EXPECT_TRUE(QDir(v.folder()) == QDir(f->document.automaticFolder().folder()) && v.fileList->count() == 1);
        v.fileList->setCurrentRow(0);
    });
    f->saveAutomatically();
    whileShown([&](Viewer &v) {
        EXPECT_TRUE(v.fileList->count() == 2 && v.fileList->currentRow() == 0); // saved while it was hidden: listed, the selection kept
        ASSERT_TRUE(v.setFolder(images) && v.fileList->count() == 3 && v.fileList->item(0)->text() == QStringLiteral("a-plein.89I"));
        clickRow(v.fileList, 1);
        EXPECT_TRUE(sameImage(small, v.preview.image()));
        ASSERT_TRUE(QFile::remove(images + QStringLiteral("/c-efface.89i")));
        dialogs.messages.clear();
        clickRow(v.fileList, 2, true); // unreadable: a message each time, nothing lost
        EXPECT_EQ(dialogs.messages.size(), 2u);
        EXPECT_TRUE(sameImage(small, v.preview.image()) && sameImage(source, f->document.preview.image()));
        clickRow(v.fileList, 1, true);
        EXPECT_FALSE(v.isVisible());
    });
    EXPECT_TRUE(sameImage(small, f->document.work.image())); // the rest: the document's test

    whileShown([&](Viewer &v) { // reopened as it was left
        EXPECT_TRUE(v.selectedPath() == images + QStringLiteral("/b-petit.89i") && sameImage(small, v.preview.image()));
        clickRow(v.folderList, v.folderList->count() - 1, true); // opened once the click is over
        QCoreApplication::processEvents();
        EXPECT_TRUE(v.folder() == images + QStringLiteral("/sous-dossier") && v.fileList->count() == 0);
        emit v.driveList->activated(v.driveList->currentIndex()); // the same drive: the folder stays
        EXPECT_EQ(v.folder(), images + QStringLiteral("/sous-dossier"));
        v.close(); // only hides
    });
    EXPECT_EQ(f->viewer()->folder(), images + QStringLiteral("/sous-dossier"));
}
