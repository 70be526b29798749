#include "convert/document.h"
#include "picfile/picturewriter.h"
#include "support/calc89i.h"
#include "support/files.h"
#include "support/imagediff.h"

#include <QCryptographicHash>
#include <QPainter>
#include <QTemporaryDir>

#include <functional>
#include <future>

namespace {

// White, with black in the rectangle.
QImage picture(QSize size, const QRect &black = {})
{
    QImage image = filled(size.width(), size.height(), kWhite);
    QPainter(&image).fillRect(black, Qt::black);
    return image;
}

// A document whose program folder is a fresh temporary folder.
class DocumentTest : public ::testing::Test
{
protected:
    QString path(const QString &name) const { return dir.filePath(name); }

    // The three pictures and the fit, to show that nothing changed.
    auto pictures() const
    {
        return std::tuple(state.source.image().copy(), state.work.image().copy(),
                          state.preview.image().copy(), state.fit());
    }

    QTemporaryDir dir;
    Document state{dir.path()};
};

} // namespace

// Proportions kept: the fitted side truncated, the offset rounding halves to even, only
// the fitted rectangle covered, from the source frame; otherwise the preview into the corner.
TEST_F(DocumentTest, FitTable)
{
    const std::tuple<QSize, QSize, bool, QRect> cases[] = {
        {{320, 100}, {160, 100}, true, {0, 25, 160, 50}}, {{100, 300}, {160, 100}, true, {64, 0, 33, 100}},
        {{320, 175}, {160, 100}, true, {0, 6, 160, 87}},  {{320, 171}, {160, 100}, true, {0, 8, 160, 85}},
        {{64, 64}, {96, 40}, true, {28, 0, 40, 40}},      {{2000, 1}, {160, 100}, true, {0, 50, 160, 1}},
        {{48, 147}, {16, 49}, true, {0, 0, 16, 49}}, // the same proportions, which the division rounds below
        {{640, 480}, {80, 50}, false, {0, 0, 80, 50}},    {{100, 300}, {160, 100}, false, {0, 0, 160, 100}},
    };
    for (const auto &[source, output, keep, fitted] : cases) {
        state.importPicture(picture(source, QRect(QPoint(), source)));
        state.keepProportions = keep, state.outputWidth = output.width(), state.outputHeight = output.height();
        state.fitSource();
        EXPECT_TRUE(state.fit() == fitted && sameImage(picture({160, 100}, fitted), state.work.image())) << source.width() << "x" << source.height();
    }
    state.importPicture(diagonal(160, 100)); // the last row left the output at 160 x 100
    state.preview.setPicture(diagonal(160, 100).mirrored());
    state.fitSource();
    EXPECT_TRUE(sameImage(diagonal(160, 100).mirrored(), state.work.image()));
    state.keepProportions = true;
    state.fitSource();
    EXPECT_TRUE(sameImage(diagonal(160, 100), state.work.image()));
}

// Into the preview a photo shrinks by the mean, or by AND keeping a lone dark pixel
// (four columns, about five rows a block).
TEST_F(DocumentTest, ImportingPhotosByMeanOrAnd)
{
    QImage photo = picture({640, 480});
    photo.setPixel(5, 7, kBlack);              // -> (1, 1)
    photo.setPixel(400, 0, qRgb(255, 0, 255)); // with the next one -> (100, 0)
    photo.setPixel(403, 4, qRgb(255, 255, 0));
    ASSERT_TRUE(photo.save(path("photo.bmp")));
    ASSERT_TRUE(state.open(path("photo.bmp")));
    EXPECT_GT(qGray(state.preview.image().pixel(1, 1)), 200); // by the mean
    state.changeReduction(Reduction::And);
    QImage expected = blackAt(QSize(160, 100), {{1, 1}});
    expected.setPixel(100, 0, qRgb(255, 0, 0));
    EXPECT_TRUE(sameImage(expected, state.preview.image()) && state.source.size() == QSize(640, 480));
}

// A calculator picture fills the source, the preview and the work picture, its size kept
// within 160 x 100, so that converting it again keeps it; written back it gives the same
// bytes; at start-up it is read alike.
TEST_F(DocumentTest, OpeningCalculatorPictures)
{
    // 100 wide: the last byte's low bits drawn beyond the width.
    const QByteArray narrow = QByteArray(12, '\0') + '\x0F' + QByteArray(13, '\0') + '\x80' + QByteArray(12, '\0');
    const std::tuple<const char *, QByteArray, QImage, QSize> cases[] = {
        {"etroit89I", file89i(3, 100, narrow), blackAt({160, 100}, {{100, 0}, {101, 0}, {102, 0}, {103, 0}, {0, 2}}), {100, 3}},
        {"grand.89i", file89i(120, 200, QByteArray(120 * 25, char(0xFF))), picture({160, 100}, {0, 0, 160, 100}), {160, 100}},
    };
    for (const auto &[name, bytes, expected, size] : cases) {
        state.importPicture(diagonal(300, 200));
        state.convert();
        writeFile(path(name), bytes);
        QString error;
        EXPECT_TRUE(state.open(QStringLiteral(" ") + path(name) + u' ', &error)) << name << error.toStdString();
        EXPECT_TRUE(sameImage(expected, state.work.image()) && pictures() == std::tuple(expected, expected, expected, QRect(QPoint(), size))) << name;
        state.convert();
        EXPECT_TRUE(sameImage(expected, state.work.image())) << name;
    }

    const QByteArray written = picfile::encode(diagonal(64, 30), {64, 30}, "zfig", "fig0000");
    writeFile(path("source.89i"), written);
    ASSERT_TRUE(state.openCalculatorPicture(path("source.89i")));
    QImage expected = picture({160, 100});
    QPainter(&expected).drawImage(0, 0, diagonal(64, 30));
    EXPECT_TRUE(pictures() == std::tuple(expected, expected, expected, QRect(0, 0, 64, 30)));
    ASSERT_TRUE(state.writeFittedPicture(path("copie.89i"), "zfig", "fig0000"));
    EXPECT_EQ(readFile(path("copie.89i")), written);

    Document started(dir.path());
    EXPECT_TRUE(started.start(path("source.89i")).isEmpty() && sameImage(expected, started.work.image()) && started.fit() == QRect(0, 0, 64, 30));
}

// A file that cannot be read: a French reason naming it, everything as it was.
TEST_F(DocumentTest, OpeningFailuresChangeNothing)
{
    state.importPicture(diagonal(200, 120));
    state.keepProportions = true;
    state.convert();
    const auto before = pictures();
    ASSERT_TRUE(QDir(dir.path()).mkdir("dossier.89i"));
    writeFile(path("coupe.89i"), file89i(100, 160, QByteArray(20, char(0xFF))).left(91));
    writeFile(path("vide.89i"), QByteArray());
    writeFile(path("texte.89i"), QByteArray("Ceci n'est pas une image.").repeated(10));
    writeFile(path("rangs.89i"), file89i(100, 160, QByteArray(20 * 99, char(0xFF)))); // a row short
    for (const char *name : {"dossier.89i", "absent.89i", "coupe.89i", "vide.89i", "texte.89i", "rangs.89i", "absent.png"}) {
        QString viewerError, openError;
        EXPECT_FALSE(state.openCalculatorPicture(path(name), &viewerError) || state.open(path(name), &openError));
        // The viewer's reason is the open command's, both naming the file.
        EXPECT_TRUE(openError.contains(QString::fromLatin1(name)) && viewerError.contains(QString::fromLatin1(name))) << name;
        EXPECT_TRUE(openError == viewerError || QByteArray(name).endsWith(".png")) << name;
        EXPECT_TRUE(pictures() == before) << name;
    }
}

// The fitted picture written from where the fit put it, widened to whole bytes with
// the pixels to its right; an existing file replaced whole.
TEST_F(DocumentTest, WritesTheFittedPicture)
{
    writeFile(path("ajuste.89i"), QByteArray(5000, 'z'));
    state.importPicture(diagonal(100, 300)); // fitted to 33 x 100 from (64, 0)
    state.keepProportions = true;
    state.convert();
    ASSERT_TRUE(state.writeFittedPicture(path("ajuste.89i"), "zfig", "fig0000"));
    EXPECT_TRUE(readFile(path("ajuste.89i")) == picfile::encode(state.work.image().copy(64, 0, 40, 100), {33, 100}, "zfig", "fig0000")
                && listing(dir.path()) == QStringList{"ajuste.89i"});
}

// The next numbered file gets the whole output area from the top-left corner, with the
// advanced names when chosen, and the names move on. An installed program whose folder
// cannot be written to sends its automatic files to the fallback folder, made by the
// first save, or says it cannot and keeps its names.
TEST_F(DocumentTest, AutomaticSaveAndFallbackFolder)
{
    const QString fallback = path("Images/Brivane");
    Document installed, blocked;
    for (const auto &[document, folder] : {std::pair{&installed, fallback}, {&blocked, path("fichier/Brivane")}})
        document->automaticFolder().setWritableTest([](const QString &) { return false; }), document->automaticFolder().setFallbackFolder(folder);
    installed.importPicture(diagonal(320, 175));
    installed.keepProportions = true;
    installed.outputWidth = 64, installed.outputHeight = 20;
    installed.convert();
    QString saved;
    ASSERT_TRUE(installed.saveAutomatically(nullptr, &saved));
    EXPECT_EQ(saved, QDir::toNativeSeparators(fallback + "/fig0000.89i"));
    installed.advancedOptions = true;
    installed.variableName = "velo", installed.calculatorFolder = "sport";
    ASSERT_TRUE(installed.saveAutomatically());
    EXPECT_TRUE(listing(fallback) == QStringList({"fig0000.89i", "fig0001.89i"})
                && readFile(fallback + "/fig0001.89i") == picfile::encode(installed.work.image(), {64, 20}, "sport", "velo"));
    EXPECT_EQ(installed.variableName + ' ' + installed.nextName, QStringLiteral("fig0002 fig0002"));

    writeFile(path("fichier"), "x");
    blocked.nextName = blocked.variableName = "fig0000";
    QString error;
    EXPECT_FALSE(blocked.saveAutomatically(&error));
    EXPECT_EQ(error, QStringLiteral("Impossible de créer le dossier %1 pour y enregistrer fig0000.89i.")
                         .arg(QDir::toNativeSeparators(path("fichier/Brivane"))));
    EXPECT_EQ(blocked.nextName + ' ' + blocked.variableName, QStringLiteral("fig0000 fig0000"));
}

// The threshold and simple methods write the same files as ever, whatever the tone
// curve: checksums of a real photograph's .89i bytes under varied settings, from its
// natural-size pixels.
TEST_F(DocumentTest, ThresholdMethodFilesUnchanged)
{
    using monochrome::Dithering;
    state.importPicture(QImage(QStringLiteral(BRIVANE_TEST_DATA "/../../docs/photos/chelsea.jpg")).convertToFormat(QImage::Format_RGB32));
    const std::tuple<Settings, bool, QSize, const char *> cases[] = {
        {{0, false, false, Dithering::None, Reduction::Mean}, false, {160, 100}, "19b168d9fc3f2062"},
        {{-20, false, true, Dithering::None, Reduction::Mean, 1.0}, false, {160, 100}, "8330a718249e8bec"},
        {{17, false, false, Dithering::None, Reduction::And, 1.3}, true, {160, 100}, "74ed5c736ac56c3c"},
        {{33, false, false, Dithering::None, Reduction::Mean, 2.2}, true, {96, 60}, "391181906d986f4a"},
        {{5, true, true, Dithering::FloydSteinberg, Reduction::Mean, 1.0}, false, {160, 100}, "3f892cc11f75bd91"},
    };
    for (const auto &[settings, keep, size, checksum] : cases) {
        state.settings = settings, state.keepProportions = keep;
        state.outputWidth = size.width(), state.outputHeight = size.height();
        state.changeReduction(settings.reduction);
        ASSERT_TRUE(state.writeFittedPicture(path("chat.89i"), "zfig", "chat"));
        const QByteArray sum = QCryptographicHash::hash(readFile(path("chat.89i")), QCryptographicHash::Sha1).toHex();
        EXPECT_EQ(sum.left(16).toStdString(), checksum) << settings.level;
    }
}

// A JPEG is decoded at 1/2, 1/4 or 1/8 while the framed part keeps twice the
// preview's pixels each way (sides that do not divide: the part that does), the AND
// at its natural size; frames, turns and sizes count in natural-size pixels. Each
// step converts as the natural-size decode does, within 1 % of the pixels.
TEST_F(DocumentTest, JpegDecodedSmallerAsTheFrameAllows)
{
    const QImage chelsea(QStringLiteral(BRIVANE_TEST_DATA "/../../docs/photos/chelsea.jpg"));
    ASSERT_TRUE(chelsea.scaled(2605, 1703, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).save(path("grande.jpg"), "JPG", 90));
    Document natural(dir.path());
    natural.importPicture(QImage(path("grande.jpg")).convertToFormat(QImage::Format_RGB32));
    ASSERT_TRUE(state.open(path("grande.jpg")));
    EXPECT_EQ(state.source.size(), QSize(325, 212));
    const std::pair<std::function<void(Document &)>, QSize> steps[] = {
        {[](Document &d) { d.changeReduction(Reduction::And); }, {2605, 1703}},
        {[](Document &d) { d.changeReduction(Reduction::Mean); }, {325, 212}},
        {[](Document &d) { d.setFrame({1000, 600, 700, 450}); }, {1302, 851}}, // 700 / 2 >= 2 x 160
        {[](Document &d) { d.keepProportions = true, d.turn(Orientation::clockwise(1)); }, {1703, 2605}},
        {[](Document &d) { d.setFrame({}); }, {425, 651}}, // 1703 / 4 >= 2 x 160
    };
    for (const auto &[step, decoded] : steps) {
        for (Document *d : {&state, &natural})
            step(*d), d->convert();
        EXPECT_EQ(state.source.size(), decoded);
        EXPECT_TRUE(state.sourceSize() == natural.sourceSize() && state.frame() == natural.frame());
        int differing = 0, greys = 0;
        for (int x = 0; x < 160; ++x)
            for (int y = 0; y < 100; ++y) {
                differing += state.work.image().pixel(x, y) != natural.work.image().pixel(x, y);
                greys += std::abs(qGray(state.preview.image().pixel(x, y)) - qGray(natural.preview.image().pixel(x, y)));
            }
        EXPECT_LE(differing, 160) << decoded.width();
        EXPECT_LE(greys, 2 * 160 * 100) << decoded.width();
    }
}

// convertedWith() makes what converting with those settings makes, on every fit path
// (the preview, a preview of another reduction, the source with its proportions),
// from worker threads at once, and leaves the document as it was. A pale picture
// gets its darks back from "Contraste automatique".
TEST_F(DocumentTest, ConvertedWithLeavesTheDocumentAlone)
{
    using monochrome::Dithering;
    state.importPicture(photo(300, 170));
    state.outputWidth = 96, state.outputHeight = 60;
    state.convert();
    const auto before = pictures();
    const Settings current = state.settings;
    const std::pair<bool, Settings> cases[] = {
        {false, {.dithering = Dithering::Optimal}},
        {false, {.reduction = Reduction::And, .autoContrast = true}},
        {true, {.level = 10, .dithering = Dithering::BlueNoise, .toneCurve = 1}},
        {true, {.simpleMethod = true, .dithering = Dithering::Atkinson, .autoContrast = true}},
    };
    for (const auto &[keep, settings] : cases) {
        state.keepProportions = keep;
        std::vector<std::future<QImage>> made;
        for (int i = 0; i < 3; ++i)
            made.push_back(std::async(std::launch::async, [&, s = settings] { return state.convertedWith(s); }));
        Document other(dir.path());
        other.importPicture(photo(300, 170));
        other.outputWidth = 96, other.outputHeight = 60, other.keepProportions = keep, other.settings = settings;
        other.changeReduction(settings.reduction);
        for (auto &picture : made)
            EXPECT_TRUE(sameImage(other.work.image(), picture.get())) << keep << int(settings.dithering);
        EXPECT_TRUE(pictures() == before && state.settings == current);
    }

    QImage pale = photo(160, 100);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 160; ++x)
            pale.setPixel(x, y, 0x010101u * (200 + qGray(pale.pixel(x, y)) / 5));
    state.importPicture(pale);
    state.outputWidth = 160, state.outputHeight = 100;
    const auto whiteShare = [&](bool autoContrast) {
        const QImage picture = state.convertedWith({.dithering = Dithering::FloydSteinberg, .autoContrast = autoContrast});
        const auto *pixels = reinterpret_cast<const QRgb *>(picture.constBits()); // RGB32: no padding
        return std::count(pixels, pixels + 16000, kWhite) / 16000.0;
    };
    EXPECT_TRUE(whiteShare(false) > 0.75 && whiteShare(true) < 0.5) << whiteShare(false) << " " << whiteShare(true);
}
