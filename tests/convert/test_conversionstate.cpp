#include "conversionfixture.h"

#include "convert/traitement.h"
#include "picfile/lib89i.h"
#include "support/calc89i.h"
#include "support/files.h"
#include "support/imagediff.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <QRandomGenerator>
#include <QStandardPaths>

#include <cmath>

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;
const QString kConfirmation = QStringLiteral("Fichier enregistré");
const QString kWarning = QStringLiteral("Vous avez choisi d'utiliser des options complémentaires");

QImage inverted(QImage image)
{
    image.invertPixels();
    return image;
}

// Black top and bottom rows and left and right columns, a diagonal inside.
QImage framed(int width, int height)
{
    QImage image = solid(width, height, kWhite);
    for (int x = 0; x < width; ++x)
        image.setPixel(x, 0, kBlack), image.setPixel(x, height - 1, kBlack);
    for (int y = 0; y < height; ++y) {
        image.setPixel(0, y, kBlack), image.setPixel(width - 1, y, kBlack);
        image.setPixel(y * (width - 1) / (height - 1), y, kBlack);
    }
    return image;
}

QRect fit(const ConversionState &s)
{
    return {s.x0, s.y0, s.largeur, s.hauteur};
}

double blackShare(const QImage &image)
{
    qint64 n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) == kBlack;
    return double(n) / (image.width() * image.height());
}

} // namespace

TEST_F(ConversionTest, ConvertWithEachMethod)
{
    // Grey 127 on the left half, 128 on the right, pure red (grey 85) in the top ten rows.
    QImage source = solid(160, 100, qRgb(128, 128, 128));
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 160; ++x)
            if (y < 10 || x < 80)
                source.setPixel(x, y, y < 10 ? qRgb(255, 0, 0) : qRgb(127, 127, 127));
    state.importerImage(source);
    QImage level0 = whiteWithBlack(160, 100, QRect(0, 0, 80, 100));
    QImage half = whiteWithBlack(160, 100, QRect(0, 0, 40, 50)); // 80 x 50: the blank rest stays white
    for (int x = 80; x < 160; ++x)
        for (int y = 0; y < 10; ++y)
            level0.setPixel(x, y, kBlack), half.setPixel(x / 2, y / 2, kBlack);
    const struct
    {
        bool simple;
        int level;
        bool invert;
        int width, height;
        QImage expected;
        const char *methodeUtilisee;
    } rows[] = {
        {false, 0, false, 160, 100, level0, "Via Grayscale 1"},
        {false, 0, false, 160, 100, level0, "Via Grayscale 1"}, // again: from the source each time
        {false, 0, true, 160, 100, inverted(level0), "Via Grayscale 1"},
        {false, 1, false, 160, 100, solid(160, 100, kBlack), "Via Grayscale 1"}, // threshold 130
        {true, -50, true, 160, 100, solid(160, 100, kBlack), "Noir et Blanc Simple"},
        {true, 50, false, 160, 100, solid(160, 100, kBlack), "Noir et Blanc Simple"},
        {false, 0, false, 80, 50, half, "Via Grayscale 1"},
        {false, 0, true, 80, 50, inverted(half), "Via Grayscale 1"},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(testing::Message() << r.simple << " " << r.level << " " << r.invert << " " << r.width);
        state.methodeSimple = r.simple;
        state.niveauGris = r.level;
        state.inverserCouleurs = r.invert;
        state.largeurSortie = r.width;
        state.hauteurSortie = r.height;
        state.convertir();
        EXPECT_EQ(state.methodeUtilisee, QString::fromUtf8(r.methodeUtilisee));
        EXPECT_TRUE(sameImage(r.expected, state.travail.image()));
    }
}

// "Tramage" dithers only the fitted picture; the rest follows the plain rule; the
// simple method ignores it.
TEST_F(ConversionTest, ConvertWithDithering)
{
    QImage ramp(320, 100, QImage::Format_RGB32);
    for (int x = 0; x < 320; ++x)
        for (int y = 0; y < 100; ++y)
            ramp.setPixel(x, y, qRgb(x * 255 / 319, x * 255 / 319, x * 255 / 319));
    state.importerImage(ramp);
    state.conserverProportions = state.inverserCouleurs = true; // fitted to 160 x 50 from (0, 25)
    state.niveauGris = 12;
    for (const auto method : {traitement::Tramage::FloydSteinberg, traitement::Tramage::Atkinson,
                              traitement::Tramage::Bayer}) {
        SCOPED_TRACE(traitement::nomTramage(method).toStdString());
        state.tramage = method;
        state.convertir();
        const QImage converted = state.travail.image();
        state.ajusteImage();
        traitement::Tramer(state.travail, QRect(0, 25, 160, 50), 12, -1, method);
        EXPECT_TRUE(sameImage(state.travail.image(), converted));
        EXPECT_TRUE(sameImage(solid(160, 25, kBlack), converted.copy(0, 0, 160, 25)));
    }
    state.methodeSimple = true;
    state.convertir();
    EXPECT_EQ(state.methodeUtilisee, QStringLiteral("Noir et Blanc Simple"));
    const QImage simple = state.travail.image();
    state.tramage = traitement::Tramage::Aucun;
    state.convertir();
    EXPECT_TRUE(sameImage(simple, state.travail.image()));
}

// Proportions kept: the fitted side truncated, the offset rounding halves to even,
// only the fitted rectangle covered; without them, the preview into the top-left corner.
TEST_F(ConversionTest, FitTable)
{
    const struct
    {
        QSize source, output;
        bool keep;
        QRect fitted;
    } cases[] = {
        {{320, 100}, {160, 100}, true, {0, 25, 160, 50}}, {{100, 300}, {160, 100}, true, {64, 0, 33, 100}},
        {{320, 200}, {160, 100}, true, {0, 0, 160, 100}}, {{320, 175}, {160, 100}, true, {0, 6, 160, 87}},
        {{320, 171}, {160, 100}, true, {0, 8, 160, 85}},  {{64, 64}, {96, 40}, true, {28, 0, 40, 40}},
        {{2000, 1}, {160, 100}, true, {0, 50, 160, 1}},   {{640, 480}, {80, 50}, false, {0, 0, 80, 50}},
        {{100, 300}, {160, 100}, false, {0, 0, 160, 100}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.source.width() << "x" << c.source.height() << " " << c.keep);
        state.importerImage(solid(c.source.width(), c.source.height(), kBlack));
        state.conserverProportions = c.keep;
        state.largeurSortie = c.output.width();
        state.hauteurSortie = c.output.height();
        state.ajusteImage();
        EXPECT_EQ(fit(state), c.fitted);
        EXPECT_TRUE(sameImage(whiteWithBlack(160, 100, c.fitted), state.travail.image()));
    }
    // Kept proportions stretch the source frame, otherwise the preview, pixel for pixel.
    state.largeurSortie = 160, state.hauteurSortie = 100;
    state.importerImage(framed(160, 100));
    state.apercuSource.setPicture(framed(160, 100).mirrored());
    state.ajusteImage();
    EXPECT_TRUE(sameImage(framed(160, 100).mirrored(), state.travail.image()));
    state.conserverProportions = true;
    state.ajusteImage();
    EXPECT_TRUE(sameImage(framed(160, 100), state.travail.image()));
}

// "Niveau automatique" looks at what the fit stretches: the preview, or with the
// proportions kept the source frame; a single grey leaves the level as it is.
TEST_F(ConversionTest, AutomaticLevel)
{
    QImage source = solid(320, 200, qRgb(230, 230, 230)), preview = solid(160, 100, qRgb(180, 180, 180));
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 80; ++x)
            source.setPixel(x, y, qRgb(40, 40, 40)), preview.setPixel(x, y, qRgb(100, 100, 100));
    state.importerImage(source);
    state.apercuSource.setPicture(preview);
    state.niveauGris = 33;
    EXPECT_EQ(state.niveauAutomatique(), 5); // the middle of 100..179 is 139.5: level 5 cuts at 140
    state.conserverProportions = true;
    EXPECT_EQ(state.niveauAutomatique(), 3); // the middle of 40..229 is 134.5: level 3 cuts at 135
    EXPECT_EQ(state.niveauGris, 33);
    state.importerImage(solid(50, 50, qRgb(128, 128, 128)));
    EXPECT_EQ(state.niveauAutomatique(), 33);
}

// Into the preview: a 640 x 480 picture by AND keeps a lone dark pixel (four columns
// and about five rows a block); a 32 x 32 icon repeats each column 5 times and each
// row three or four times.
TEST_F(ConversionTest, OpeningShrinksByAndAndEnlargesIcons)
{
    QImage photo = solid(640, 480, kWhite);
    photo.setPixel(5, 7, kBlack);              // -> (1, 1)
    photo.setPixel(400, 0, qRgb(255, 0, 255)); // with the next one -> (100, 0)
    photo.setPixel(403, 4, qRgb(255, 255, 0));
    photo.setPixel(639, 479, qRgb(10, 20, 30)); // -> (159, 99)
    ASSERT_TRUE(photo.save(path(QStringLiteral("photo.bmp"))));
    QImage icon = solid(32, 32, kWhite);
    for (int x = 0; x < 32; x += 2)
        icon.setPixel(x, 0, kBlack);
    ASSERT_TRUE(QImageWriter(path(QStringLiteral("icone.ico")), "ico").write(icon));

    state.reduction = Reduction::Et;
    state.ouvrirFichier(path(QStringLiteral("photo.bmp")));
    QImage expected = blackAt(QSize(160, 100), {{1, 1}});
    expected.setPixel(100, 0, qRgb(255, 0, 0));
    expected.setPixel(159, 99, qRgb(10, 20, 30));
    EXPECT_TRUE(sameImage(expected, state.apercuSource.image()));
    EXPECT_EQ(state.imageSource.size(), QSize(640, 480));

    state.ouvrirFichier(path(QStringLiteral("icone.ico")));
    expected = solid(160, 100, kWhite);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 160; ++x)
            expected.setPixel(x, y, x / 5 % 2 ? kWhite : kBlack);
    EXPECT_TRUE(sameImage(expected, state.apercuSource.image()));
    EXPECT_TRUE(dialogs.messages.empty());
}

// A photograph (light and shade under a fine colour texture): by the mean it converts
// about as Qt's box-filter shrink does; the AND of its many colours makes it much darker.
TEST_F(ConversionTest, PhotographKeepsItsTonesByTheMean)
{
    QImage photo(640, 480, QImage::Format_RGB32);
    QRandomGenerator rng(11);
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x) {
            const int base = 128 + int(80 * std::sin(x / 41.0) * std::cos(y / 29.0));
            const auto texture = [&] { return std::clamp(base + rng.bounded(-80, 80), 0, 255); };
            photo.setPixel(x, y, qRgb(texture(), texture(), texture()));
        }
    Surface box;
    box.setPicture(photo.scaled(160, 100, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    traitement::ViaGrayscale(box, 0, 1);
    const double reference = blackShare(box.image());
    ASSERT_TRUE(reference > 0.3 && reference < 0.7);

    state.importerImage(photo);
    state.convertir();
    EXPECT_NEAR(blackShare(state.travail.image()), reference, 0.05);
    state.changerReduction(Reduction::Et);
    EXPECT_GT(blackShare(state.travail.image()), reference + 0.3);
}

// The clipboard's picture becomes the source; an empty clipboard is said and changes
// nothing; a null picture gives a blank source of the same size.
TEST_F(ConversionTest, ClipboardImport)
{
    QGuiApplication::clipboard()->setImage(solid(50, 40, kBlack));
    state.importerPressePapier();
    QGuiApplication::clipboard()->clear();
    state.importerPressePapier();
    ASSERT_EQ(messageTexts(), QStringList{QStringLiteral("Le presse-papier ne contient aucune image.")});
    EXPECT_TRUE(sameImage(solid(50, 40, kBlack), state.imageSource.image()));
    EXPECT_TRUE(sameImage(solid(160, 100, kBlack), state.apercuSource.image()));
    const QImage before = state.travail.image().copy();
    state.importerImage(QImage());
    EXPECT_TRUE(sameImage(solid(50, 40, kWhite), state.imageSource.image()));
    EXPECT_TRUE(sameImage(solid(160, 100, kWhite), state.apercuSource.image()));
    EXPECT_TRUE(sameImage(before, state.travail.image()));
}

// A calculator picture comes into the work picture from the same offsets, never
// past the file's end, its size kept within 160 x 100; source and preview cleared.
// The viewer's open puts it into all three pictures. "Sauver sous" gives the same bytes back.
TEST_F(ConversionTest, OpeningCalculatorPictures)
{
    QByteArray big(128 * 30, char(0)); // the TI-92 Plus screen: only the top-left 160 x 100 shows
    big[99 * 30 + 19] = char(0x01);    // (159, 99)
    big[100 * 30] = big[20] = char(0x80);
    QByteArray narrow(13 * 3, char(0)); // 100 wide: the last byte's low bits drawn beyond the width
    narrow[12] = char(0x0F);
    narrow[26] = char(0x80);
    QImage shortRows = whiteWithBlack(160, 100, QRect(0, 0, 160, 2));
    for (int x = 0; x < 40; ++x)
        shortRows.setPixel(x, 2, kBlack);
    const struct
    {
        const char *name;
        QByteArray bytes;
        QImage expected;
        QSize size;
    } cases[] = {
        {"ti92.89i", file89i(128, 240, big), blackAt({160, 100}, {{159, 99}}), {160, 100}},
        {"etroit89I", file89i(3, 100, narrow), blackAt({160, 100}, {{100, 0}, {101, 0}, {102, 0}, {103, 0}, {0, 2}}),
         {100, 3}},
        {"huge.89i", file89i(65535, 65535, QByteArray(50, char(0xFF))), whiteWithBlack(160, 100, {0, 0, 160, 1}),
         {160, 100}},
        {"short_rows.89i", file89i(100, 160, QByteArray(45, char(0xFF))), shortRows, {160, 100}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        state.importerImage(framed(300, 200));
        state.convertir();
        write(QString::fromLatin1(c.name), c.bytes);
        dialogs.answerNextFileDialog(QStringLiteral(" ") + path(QString::fromLatin1(c.name)) + u' ');
        state.ouvrirImage();
        EXPECT_TRUE(dialogs.messages.empty());
        EXPECT_EQ(QSize(state.largeur, state.hauteur), c.size);
        EXPECT_TRUE(sameImage(c.expected, state.travail.image()));
        EXPECT_TRUE(sameImage(solid(300, 200, kWhite), state.imageSource.image()));
        EXPECT_TRUE(sameImage(solid(160, 100, kWhite), state.apercuSource.image()));
    }

    Surface original(64, 30);
    original.setPicture(framed(64, 30));
    const QByteArray written = lib89i::encode89i(original, 30, 64, QStringLiteral("zfig"), QStringLiteral("fig0000"));
    write(QStringLiteral("source.89i"), written);
    ASSERT_TRUE(state.ouvrirDuVisualisateur(path(QStringLiteral("source.89i"))));
    QImage expected = solid(160, 100, kWhite);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 64; ++x)
            expected.setPixel(x, y, framed(64, 30).pixel(x, y));
    for (const Surface *s : {&state.imageSource, &state.travail, &state.apercuSource})
        EXPECT_TRUE(sameImage(expected, s->image()));
    EXPECT_EQ(fit(state), QRect(0, 0, 64, 30));
    dialogs.answerNextFileDialog(path(QStringLiteral("copie.89i")));
    state.sauverSous();
    EXPECT_EQ(bytes(QStringLiteral("copie.89i")), written);
}

// A file that cannot be read or decoded: a French message naming it, everything as it
// was; a cancelled dialog changes nothing either.
TEST_F(ConversionTest, OpeningFailuresChangeNothing)
{
    state.importerImage(framed(200, 120));
    state.conserverProportions = true;
    state.convertir();
    const QImage p1 = state.imageSource.image().copy(), p2 = state.travail.image().copy(),
                 p3 = state.apercuSource.image().copy();
    const QRect before = fit(state);

    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("dossier.89i")));
    write(QStringLiteral("faux.jpg"), QByteArray("ceci n'est pas une image"));
    write(QStringLiteral("hauteur0.89i"), file89i(0, 160, QByteArray(20, char(0xFF))));
    write(QStringLiteral("largeur0.89i"), file89i(100, 0, QByteArray(20, char(0xFF))));
    write(QStringLiteral("coupe.89i"), file89i(100, 160, QByteArray(20, char(0xFF))).left(91));
    write(QStringLiteral("vide.89i"), QByteArray());
    for (const char *name : {"", "dossier.89i", "absent.89i", "faux.jpg", "absent.bmp", "hauteur0.89i",
                             "largeur0.89i", "coupe.89i", "vide.89i"}) {
        SCOPED_TRACE(name);
        dialogs.messages.clear();
        if (*name)
            dialogs.answerNextFileDialog(path(QString::fromLatin1(name)));
        state.ouvrirImage();
        ASSERT_EQ(dialogs.messages.size(), *name ? 1u : 0u);
        if (*name) {
            EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::Exclamation);
            EXPECT_TRUE(dialogs.messages[0].text.contains(QString::fromLatin1(name)));
            EXPECT_FALSE(state.ouvrirDuVisualisateur(path(QString::fromLatin1(name))));
        }
        EXPECT_TRUE(sameImage(p1, state.imageSource.image()));
        EXPECT_TRUE(sameImage(p2, state.travail.image()));
        EXPECT_TRUE(sameImage(p3, state.apercuSource.image()));
        EXPECT_EQ(fit(state), before);
    }
}

// Start-up: the picture from the command line converted at level 0, or a calculator
// picture (opened from the desktop) read as the open command reads it; the first free
// automatic name; an unreadable one is reported and the program starts on a blank picture.
TEST_F(ConversionTest, StartUp)
{
    write(QStringLiteral("fig0000.89i"), "x");
    ASSERT_TRUE(solid(320, 200, qRgb(127, 127, 127)).save(path(QStringLiteral("depart.png"))));
    write(QStringLiteral("dessin.89i"), file89i(20, 64, QByteArray(8, char(0xFF))));
    const struct
    {
        const char *name;
        QImage expected;
        QSize size;
        size_t messages;
    } cases[] = {
        {"depart.png", solid(160, 100, kBlack), {160, 100}, 0}, // grey 127: black at level 0
        {"dessin.89i", whiteWithBlack(160, 100, QRect(0, 0, 64, 1)), {64, 20}, 0},
        {"absent.png", solid(160, 100, kWhite), {160, 100}, 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ConversionState started;
        started.setCheminAppli(dir.path());
        dialogs.messages.clear();
        started.demarrer(path(QString::fromLatin1(c.name)));
        EXPECT_EQ(dialogs.messages.size(), c.messages);
        EXPECT_TRUE(sameImage(c.expected, started.travail.image()));
        EXPECT_EQ(QSize(started.largeur, started.hauteur), c.size);
        EXPECT_EQ(started.nomSuivant, QStringLiteral("fig0001"));
        EXPECT_EQ(started.nomVariable, QStringLiteral("fig0001"));
    }
}

// The next automatic number: the smallest free one, at least four digits, only
// ordinary files (or links to them) named so counting; past fig9999 comes fig10000.
TEST_F(ConversionTest, AutomaticNames)
{
    EXPECT_EQ(ConversionState::nomAutomatique(12), QStringLiteral("fig0012"));
    EXPECT_EQ(ConversionState::nomAutomatique(12345), QStringLiteral("fig12345"));
    state.convertir();
    EXPECT_EQ(state.nomSuivant, QStringLiteral("fig0000"));
    write(QStringLiteral("fig0001.89i"), "x");
    EXPECT_EQ(state.prochainNumero(), 0);
    write(QStringLiteral("fig0000.89i"), "x");
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("fig0002.89i")));
    for (const char *other : {"fig2.89i", "fig00002.89i", "fig0002.89i.bak", "FIG0002.89I"})
        write(QString::fromLatin1(other), "x");
    int changes = 0;
    state.setChangeHandler([&] { ++changes; });
    state.convertir();
    EXPECT_EQ(state.nomSuivant, QStringLiteral("fig0002"));
    EXPECT_EQ(changes, 1);
    ASSERT_TRUE(QFile::link(path(QStringLiteral("fig0002.89i")), path(QStringLiteral("fig0003.89i"))));
    EXPECT_EQ(state.prochainNumero(), 2);
    ASSERT_TRUE(QDir(dir.path()).rmdir(QStringLiteral("fig0002.89i")));
    ASSERT_TRUE(QFile::link(path(QStringLiteral("fig2.89i")), path(QStringLiteral("fig0002.89i"))));
    EXPECT_EQ(state.prochainNumero(), 4);

    QTemporaryDir many(QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm/brivane-XXXXXX")
                                                                  : QString());
    ASSERT_TRUE(many.isValid());
    state.setCheminAppli(many.path());
    for (int k = 0; k < 10000; ++k)
        ASSERT_TRUE(QFile(many.filePath(ConversionState::nomAutomatique(k) + ".89i")).open(QIODevice::WriteOnly));
    EXPECT_EQ(state.prochainNumero(), 10000);
}

TEST_F(ConversionTest, SaveAs)
{
    // Only the file name is lower-cased, ".89i" added unless there in any case.
    const QString pics = QDir::toNativeSeparators(QStringLiteral("/Mes Images/Pics/"));
    const std::pair<QString, QString> names[] = {
        {pics + "Photo", pics + "photo.89i"}, {" " + pics + "photo.89I ", pics + "photo.89i"},
        {pics + "a.txt", pics + "a.txt.89i"}, {"IMAGE", "image.89i"}};
    for (const auto &[chosen, written] : names)
        EXPECT_EQ(ConversionState::cheminSauverSous(chosen), written);

    // The fitted picture from where the fit put it, the names of the advanced options
    // after their warning; an existing file replaced whole, whatever its case.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Pics")));
    write(QStringLiteral("Ancien.89i"), QByteArray(5000, 'z'));
    const struct
    {
        QSize source;
        bool advanced;
        QString answer, file;
        QRect fitted;
    } cases[] = {
        {{160, 100}, false, "Pics/Photo", "Pics/photo.89i", {0, 0, 160, 100}},
        {{320, 175}, true, "Ancien.89i", "Ancien.89i", {0, 6, 160, 87}},
        {{100, 300}, false, "ajuste", "ajuste.89i", {64, 0, 33, 100}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        state.importerImage(framed(c.source.width(), c.source.height()));
        state.conserverProportions = true;
        state.optionsAvancees = c.advanced;
        state.nomVariable = QStringLiteral("Chat");
        state.convertir();
        dialogs.messages.clear();
        dialogs.answerNextFileDialog(QDir::toNativeSeparators(path(c.answer)));
        state.sauverSous();
        EXPECT_EQ(messageTexts(), (c.advanced ? QStringList{kWarning, kConfirmation} : QStringList{kConfirmation}));
        ASSERT_EQ(fit(state), c.fitted);
        Surface fitted; // widened to whole bytes with the pixels to its right
        fitted.setPicture(state.travail.image().copy(c.fitted.adjusted(0, 0, (8 - c.fitted.width() % 8) % 8, 0)));
        EXPECT_EQ(bytes(c.file), lib89i::encode89i(fitted, c.fitted.height(), c.fitted.width(),
                                                   QStringLiteral("zfig"), c.advanced ? "Chat" : "fig0000"));
    }
    EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("*.89i")}, QDir::Files).size(), 2);

    // Both dialogs then start in the folder last chosen.
    dialogs.cancelNextFileDialog();
    state.ouvrirImage();
    EXPECT_EQ(dialogs.fileRequests.back().initialFolder, QDir::toNativeSeparators(dir.path()));
}

// The next numbered file, the whole output area from the top-left corner; a failure
// is reported and the names stay.
TEST_F(ConversionTest, AutomaticSave)
{
    for (int k = 0; k < 5; ++k)
        write(ConversionState::nomAutomatique(k) + QStringLiteral(".89i"), "x");
    state.importerImage(framed(320, 175));
    state.conserverProportions = true;
    state.convertir();
    state.sauverAutomatiquement();
    EXPECT_EQ(messageTexts(), QStringList{kConfirmation});
    EXPECT_EQ(bytes(QStringLiteral("fig0005.89i")),
              lib89i::encode89i(state.travail, 100, 160, QStringLiteral("zfig"), QStringLiteral("fig0005")));
    state.largeurSortie = 64;
    state.hauteurSortie = 20;
    state.optionsAvancees = true;
    state.nomVariable = QStringLiteral("velo");
    state.nomDossier = QStringLiteral("sport");
    dialogs.messages.clear();
    state.sauverAutomatiquement();
    EXPECT_EQ(messageTexts(), (QStringList{kWarning, kConfirmation}));
    EXPECT_EQ(bytes(QStringLiteral("fig0006.89i")),
              lib89i::encode89i(state.travail, 20, 64, QStringLiteral("sport"), QStringLiteral("velo")));
    EXPECT_EQ(state.nomSuivant, QStringLiteral("fig0007"));
    EXPECT_EQ(state.nomVariable, QStringLiteral("fig0007"));

    // A folder named like the next file does not count as taken, so writing there fails.
    dialogs.messages.clear();
    state.optionsAvancees = false;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("fig0007.89i")));
    state.sauverAutomatiquement();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("fig0007.89i")));
    EXPECT_EQ(state.nomSuivant, QStringLiteral("fig0007"));
    EXPECT_EQ(state.nomVariable, QStringLiteral("fig0007"));
}

// An installed program whose folder cannot be written to sends its automatic files
// to the fallback folder, created by the first save; a folder given explicitly is
// used as it is.
TEST_F(ConversionTest, FallbackFolder)
{
    ConversionState installed;
    installed.setTestEcriture([](const QString &) { return false; });
    EXPECT_EQ(installed.dossierAutomatique(),
              QDir::toNativeSeparators(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation)
                                       + QStringLiteral("/Brivane"))
                  + QDir::separator());
    const QString repli = path(QStringLiteral("Images/Brivane"));
    installed.setDossierRepli(repli);
    installed.importerImage(framed(160, 100));
    installed.convertir();
    EXPECT_FALSE(QFileInfo::exists(repli));
    installed.sauverAutomatiquement();
    installed.sauverAutomatiquement();
    EXPECT_EQ(listing(repli), (QStringList{QStringLiteral("fig0000.89i"), QStringLiteral("fig0001.89i")}));
    EXPECT_EQ(messageTexts(), (QStringList{kConfirmation, kConfirmation}));
    ASSERT_TRUE(QFile::remove(repli + QStringLiteral("/fig0000.89i")));
    installed.convertir();
    EXPECT_EQ(installed.nomSuivant, QStringLiteral("fig0000"));

    // "Images" is a file: the folder cannot be made; reported, the names kept.
    ConversionState blocked;
    blocked.setTestEcriture([](const QString &) { return false; });
    blocked.setDossierRepli(path(QStringLiteral("fichier/Brivane")));
    write(QStringLiteral("fichier"), "x");
    blocked.convertir();
    dialogs.messages.clear();
    blocked.sauverAutomatiquement();
    EXPECT_EQ(messageTexts(), QStringList{QStringLiteral("Impossible de créer le dossier %1 pour y enregistrer "
                                                         "fig0000.89i.")
                                              .arg(QDir::toNativeSeparators(path("fichier/Brivane")))});
    EXPECT_EQ(blocked.nomSuivant, QStringLiteral("fig0000"));

    ConversionState built; // this build's folder can be written to
    EXPECT_EQ(built.dossierAutomatique(), built.cheminAppli());
    EXPECT_EQ(state.dossierAutomatique(), QDir::toNativeSeparators(dir.path()) + QDir::separator());
}
