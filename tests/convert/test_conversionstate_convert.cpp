#include "conversionfixture.h"

#include "support/imagediff.h"

#include <QCoreApplication>
#include <QDir>

namespace {

constexpr QRgb kBlack = 0xFF000000;

// Grey 127 on the left half, grey 128 on the right, pure red in the top rows.
QImage greys()
{
    QImage image = solid(160, 100, qRgb(127, 127, 127));
    for (int y = 0; y < 100; ++y)
        for (int x = 80; x < 160; ++x)
            image.setPixel(x, y, qRgb(128, 128, 128));
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 160; ++x)
            image.setPixel(x, y, qRgb(255, 0, 0));
    return image;
}

QImage invert(QImage image)
{
    image.invertPixels();
    return image;
}

} // namespace

TEST_F(ConversionTest, ConvertWithEachMethod)
{
    state.importerImage(greys());
    QImage level0 = whiteWithBlack(160, 100, QRect(0, 0, 80, 100));
    for (int y = 0; y < 10; ++y)
        for (int x = 80; x < 160; ++x)
            level0.setPixel(x, y, kBlack); // red has grey 85

    state.convertir();
    EXPECT_EQ(state.conv, QStringLiteral("Via Grayscale 1"));
    EXPECT_TRUE(sameImage(level0, state.picture2.image()));
    state.convertir(); // the same again: the fit starts from the source each time
    EXPECT_TRUE(sameImage(level0, state.picture2.image()));

    state.check3 = true;
    state.convertir();
    EXPECT_TRUE(sameImage(invert(level0), state.picture2.image()));

    state.check3 = false;
    state.slider1 = 1; // threshold 130: both greys black
    state.convertir();
    EXPECT_TRUE(sameImage(solid(160, 100, kBlack), state.picture2.image()));

    // The simple method: every non-white pixel black, whatever the slider and inversion.
    state.option1 = true;
    for (const int level : {-50, 0, 50})
        for (const bool inverted : {false, true}) {
            state.slider1 = level;
            state.check3 = inverted;
            state.convertir();
            EXPECT_EQ(state.conv, QStringLiteral("Noir et Blanc Simple"));
            EXPECT_TRUE(sameImage(solid(160, 100, kBlack), state.picture2.image()));
        }

    // A smaller output area: the blank rest stays white, and turns black with inversion.
    state.option1 = false;
    state.slider1 = 0;
    state.check3 = false;
    state.text7 = 80;
    state.text8 = 50;
    state.importerImage(solid(160, 100, kBlack));
    state.convertir();
    EXPECT_TRUE(sameImage(whiteWithBlack(160, 100, QRect(0, 0, 80, 50)), state.picture2.image()));
    state.check3 = true;
    state.convertir();
    EXPECT_TRUE(sameImage(invert(whiteWithBlack(160, 100, QRect(0, 0, 80, 50))),
                          state.picture2.image()));
}

// The next automatic number: the smallest free one, at least four digits, only
// ordinary files counting.
TEST_F(ConversionTest, NextAutomaticName)
{
    EXPECT_EQ(ConversionState::nomAutomatique(0), QStringLiteral("fig0000"));
    EXPECT_EQ(ConversionState::nomAutomatique(12), QStringLiteral("fig0012"));
    EXPECT_EQ(ConversionState::nomAutomatique(12345), QStringLiteral("fig12345"));

    int changes = 0;
    state.setChangeHandler([&] { ++changes; });
    state.convertir();
    EXPECT_EQ(state.fich, QStringLiteral("fig0000"));
    EXPECT_EQ(changes, 1);

    write(QStringLiteral("fig0001.89i"), "x");
    EXPECT_EQ(state.prochainNumero(), 0); // a gap is filled first
    write(QStringLiteral("fig0000.89i"), "x");
    state.convertir();
    EXPECT_EQ(state.fich, QStringLiteral("fig0002"));

    // Folders and other names do not count.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("fig0002.89i")));
    write(QStringLiteral("fig2.89i"), "x");
    write(QStringLiteral("fig00002.89i"), "x");
    write(QStringLiteral("fig0002.89i.bak"), "x");
    write(QStringLiteral("FIG0002.89I"), "x");
    EXPECT_EQ(state.prochainNumero(), 2);

    // A link to a file counts, a link to a folder does not.
    ASSERT_TRUE(QFile::link(path(QStringLiteral("fig0002.89i")), path(QStringLiteral("fig0003.89i"))));
    EXPECT_EQ(state.prochainNumero(), 2);
    ASSERT_TRUE(QDir(dir.path()).rmdir(QStringLiteral("fig0002.89i")));
    ASSERT_TRUE(QFile::link(path(QStringLiteral("fig2.89i")), path(QStringLiteral("fig0002.89i"))));
    EXPECT_EQ(state.prochainNumero(), 4);
}

// Past fig9999 comes fig10000.
TEST_F(ConversionTest, AutomaticNamesGoPastFourDigits)
{
    // Ten thousand files: in memory where the system offers it, for speed.
    const QString pattern = QStringLiteral("/brivane-XXXXXX");
    QTemporaryDir many(QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") + pattern
                                                                  : QDir::tempPath() + pattern);
    ASSERT_TRUE(many.isValid());
    state.setCheminAppli(many.path());
    for (int k = 0; k < 10000; ++k) {
        QFile file(many.filePath(ConversionState::nomAutomatique(k) + QStringLiteral(".89i")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    state.convertir();
    EXPECT_EQ(state.fich, QStringLiteral("fig10000"));
}

// The program's folder always ends with the platform's separator.
TEST_F(ConversionTest, ProgramFolder)
{
    const QString sep = QDir::separator();
    state.setCheminAppli(QStringLiteral("/tmp/a"));
    EXPECT_EQ(state.cheminAppli(), QDir::toNativeSeparators(QStringLiteral("/tmp/a")) + sep);
    state.setCheminAppli(QStringLiteral("/"));
    EXPECT_EQ(state.cheminAppli(), sep);
    const ConversionState fresh;
    EXPECT_TRUE(fresh.cheminAppli().endsWith(sep));
    EXPECT_EQ(QDir(fresh.cheminAppli()).canonicalPath(),
              QDir(QCoreApplication::applicationDirPath()).canonicalPath());
}
