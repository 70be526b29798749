#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // The program's settings (recent files, dialog folders) go to a folder of this
    // run's own: never the user's, never another test's running beside it.
    QTemporaryDir settings;
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        for (const QSettings::Scope scope : {QSettings::UserScope, QSettings::SystemScope})
            QSettings::setPath(format, scope, settings.path());
    std::optional<QApplication> app; // CTest lists the tests without a display
    if (!::testing::GTEST_FLAG(list_tests))
        app.emplace(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brivane"));
    return RUN_ALL_TESTS();
}
