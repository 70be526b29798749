#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // Listing the tests (CTest does it before a run) needs no display.
    if (::testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brivane"));
    return RUN_ALL_TESTS();
}
