#include "platform/recentfiles.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

// Newest first, one entry per file however its path is written, ten at most; remove and
// clear; the list and the two dialogs' folders, each its own, outlive the object.
TEST(RecentFiles, NewestFirstOncePerFileTenAtMostKeptInTheSettings)
{
    QTemporaryDir dir;
    const QString settings = dir.filePath(QStringLiteral("brivane.ini"));
    const auto file = [&](int n) { return dir.filePath(QStringLiteral("f%1.png").arg(n)); };
    const auto files = [&](std::initializer_list<int> ns) {
        QStringList list;
        for (int n : ns)
            list << file(n);
        return list;
    };
    auto recent = std::make_unique<RecentFiles>(settings);
    const std::pair<std::function<void()>, QStringList> cases[] = { // what is done, the list after it
        {[&] { recent->add(file(1)), recent->add(file(2)); }, files({2, 1})},
        {[&] { recent->add(u' ' + dir.filePath(QStringLiteral("x/../f1.png"))); }, files({1, 2})},
        {[&] { for (int n = 3; n <= 12; ++n) recent->add(file(n)); }, files({12, 11, 10, 9, 8, 7, 6, 5, 4, 3})},
        {[&] { recent->add(file(5)), recent->remove(file(9)), recent->remove(file(1)); }, files({5, 12, 11, 10, 8, 7, 6, 4, 3})},
        {[&] { recent = std::make_unique<RecentFiles>(settings); }, files({5, 12, 11, 10, 8, 7, 6, 4, 3})},
        {[&] { recent->clear(), recent->add(file(7)); }, files({7})},
    };
    for (const auto &[action, expected] : cases) {
        action();
        EXPECT_EQ(recent->paths(), expected);
    }
    recent->setFolder(RecentFiles::Dialog::Open, dir.filePath(QStringLiteral("ouvrir/")));
    recent->setFolder(RecentFiles::Dialog::Save, dir.filePath(QStringLiteral("sauver")));
    const RecentFiles again(settings);
    EXPECT_TRUE(again.folder(RecentFiles::Dialog::Open) == dir.filePath(QStringLiteral("ouvrir"))
                && again.folder(RecentFiles::Dialog::Save) == dir.filePath(QStringLiteral("sauver")));
}
