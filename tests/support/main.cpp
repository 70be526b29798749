#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    std::optional<QApplication> app; // CTest lists the tests without a display
    if (!::testing::GTEST_FLAG(list_tests))
        app.emplace(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brivane"));
    return RUN_ALL_TESTS();
}
