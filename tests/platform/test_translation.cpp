#include "platform/translation.h"

#include <gtest/gtest.h>

#include <QCommandLineParser>
#include <QKeySequence>
#include <QTranslator>

#include <memory>

TEST(Translation, QtSpeaksFrench)
{
    std::unique_ptr<QTranslator> french(translation::installQtFrench()); // removed after: the other tests read English
    ASSERT_NE(french, nullptr);
    EXPECT_EQ(translation::installQtFrench(), french.get()); // installed once
    EXPECT_TRUE(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S).toString(QKeySequence::NativeText).contains(QStringLiteral("Maj")));
    QCommandLineParser parser;
    EXPECT_FALSE(parser.parse({QStringLiteral("brivane"), QStringLiteral("--gris")}));
    EXPECT_EQ(parser.errorText(), QStringLiteral("Option inconnue \"gris\"."));
}
