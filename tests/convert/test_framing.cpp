// The frame, the turns and the margins: what the conversions see of the source.
#include "convert/document.h"
#include "support/files.h"
#include "support/imagediff.h"

#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>

namespace {

const Orientation kOrientations[] = {{0, false}, {1, false}, {2, false}, {3, false},
                                     {0, true},  {1, true},  {2, true},  {3, true}};

// Off-white paper with some noise, and a drawing in the box.
QImage scan(QSize size, const QRect &drawing)
{
    QImage image(size, QImage::Format_RGB32);
    QRandomGenerator noise(7);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            const int grey = 236 + int(noise.bounded(13)) - 6;
            image.setPixel(x, y, qRgb(grey, grey - 2, grey - 8));
        }
    if (drawing.isEmpty())
        return image;
    QPainter painter(&image);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawEllipse(drawing.adjusted(0, 0, -1, -1));
    painter.drawLine(drawing.topLeft(), drawing.bottomRight());
    return image;
}

} // namespace

// Any two turns in a row make the turn after() gives, its inverse undoes it, and a
// rectangle of the picture turns onto the same pixels as the picture does.
TEST(Framing, TurnsComposeInvertAndCarryRectangles)
{
    const QImage picture = photo(7, 4);
    const QRect rect(1, 0, 4, 3);
    for (const Orientation &a : kOrientations) {
        const QImage once = framing::turned(picture, a);
        EXPECT_EQ(once.size(), framing::turnedSize(picture.size(), a));
        EXPECT_TRUE(sameImage(framing::turned(once, a.inverse()), picture));
        EXPECT_TRUE(sameImage(once.copy(framing::turnedRect(rect, picture.size(), a)), framing::turned(picture.copy(rect), a)))
            << a.quarterTurns << a.mirrored;
        for (const Orientation &b : kOrientations)
            EXPECT_TRUE(sameImage(framing::turned(once, b), framing::turned(picture, b.after(a))));
    }
    EXPECT_EQ(framing::turned(imageFromAscii({"#..", "..."}), Orientation::clockwise(1)).pixel(1, 0), kBlack);
    EXPECT_EQ(framing::turned(imageFromAscii({"#..", "..."}), Orientation::verticalMirror()).pixel(0, 1), kBlack);
}

// The margins: what differs from most corners' colour by more than the tolerance.
TEST(Framing, ContentWithinTheMargins)
{
    QImage dotInCorner = filled(40, 30, kWhite);
    dotInCorner.setPixel(0, 0, kBlack); // one corner alone is content, not margin
    QImage all = scan({50, 40}, {});
    const std::pair<QImage, QRect> cases[] = {
        {scan({300, 200}, {40, 30, 101, 61}), {40, 30, 101, 61}},
        {dotInCorner, {0, 0, 1, 1}},
        {filled(20, 10, qRgb(12, 40, 200)), {}},
        {QImage(), {}},
    };
    for (const auto &[image, content] : cases)
        EXPECT_EQ(framing::contentRect(image), content);
    EXPECT_EQ(framing::contentRect(all, 3), QRect(0, 0, 50, 40)) << "a tight tolerance sees the noise";
    EXPECT_TRUE(framing::contentRect(all).isEmpty());
}

namespace {

class FramingDocument : public ::testing::Test
{
protected:
    // The bytes "Sauver sous" writes of the document's picture.
    QByteArray saved(Document &document)
    {
        const QString path = dir.filePath(QStringLiteral("f%1.89i").arg(++files));
        EXPECT_TRUE(document.writeFittedPicture(path, "zfig", "f"));
        return readFile(path);
    }
    QTemporaryDir dir;
    int files = 0;
};

void set(Document &document, const QImage &source, bool keep, Reduction reduction, monochrome::Dithering dithering)
{
    document.importPicture(source);
    document.keepProportions = keep;
    document.outputWidth = 128, document.outputHeight = 80;
    document.settings.dithering = dithering;
    document.changeReduction(reduction);
}

} // namespace

// Converting a frame of the source is converting the source cropped beforehand,
// byte for byte; a frame beyond the picture is clipped, one with no whole pixel or
// the whole picture is no frame; a new picture drops the frame and the turns.
TEST_F(FramingDocument, AFrameConvertsAsACroppedPicture)
{
    const QImage source = photo(1200, 900);
    const QRect frame(301, 97, 517, 611);
    for (const bool keep : {false, true})
        for (const Reduction reduction : {Reduction::Mean, Reduction::And}) {
            SCOPED_TRACE(testing::Message() << keep << int(reduction));
            Document framed(dir.path()), cropped(dir.path());
            set(framed, source, keep, reduction, monochrome::Dithering::FloydSteinberg);
            framed.setFrame(frame);
            framed.convert();
            set(cropped, source.copy(frame), keep, reduction, monochrome::Dithering::FloydSteinberg);
            cropped.convert();
            EXPECT_EQ(saved(framed), saved(cropped));
            EXPECT_EQ(framed.automaticLevel(), cropped.automaticLevel());
        }
    Document document(dir.path());
    document.importPicture(source);
    const std::pair<QRect, QRect> frames[] = {
        {{1000, 800, 900, 900}, {1000, 800, 200, 100}}, {{-5, -5, 10, 10}, {0, 0, 5, 5}},
        {{10, 10, 0, 5}, {}}, {{0, 0, 1200, 900}, {}}, {{2000, 10, 5, 5}, {}},
    };
    for (const auto &[asked, kept] : frames) {
        document.setFrame(asked);
        EXPECT_EQ(document.frame(), kept);
    }
    document.setFrame(frame);
    document.turn(Orientation::clockwise(1));
    document.importPicture(source);
    EXPECT_TRUE(document.frame().isEmpty() && document.orientation() == Orientation());
}

// Four quarter turns give the same file; a frame turns with the picture (turning a
// framed picture converts the same part); the picture's state (what undo and redo
// put back) brings the frame and the turn back.
TEST_F(FramingDocument, TurnsAndTheirUndo)
{
    Document document(dir.path());
    set(document, photo(640, 400), true, Reduction::Mean, monochrome::Dithering::Atkinson);
    document.convert();
    const QByteArray straight = saved(document);
    for (int turn = 0; turn < 4; ++turn) {
        document.turn(Orientation::clockwise(1));
        document.convert();
        EXPECT_EQ(document.source.size(), turn % 2 ? QSize(640, 400) : QSize(400, 640));
    }
    EXPECT_EQ(saved(document), straight);
    EXPECT_EQ(document.orientation(), Orientation());

    const PictureState whole = document.pictureState();
    document.setFrame({100, 50, 300, 200});
    document.convert();
    const PictureState framedState = document.pictureState();
    const QImage framed = document.work.image().copy();
    document.turn(Orientation::horizontalMirror());
    document.turn(Orientation::clockwise(1));
    EXPECT_EQ(document.frame(), QRect(150, 240, 200, 300));
    document.convert();
    const PictureState turnedState = document.pictureState();
    const QImage turned = document.work.image().copy();
    EXPECT_TRUE(sameImage(framing::view(document.source.image(), document.frame()),
                          framing::turned(photo(640, 400).copy(100, 50, 300, 200), {1, true})));

    document.restore(framedState);
    EXPECT_EQ(document.frame(), QRect(100, 50, 300, 200));
    EXPECT_EQ(document.source.size(), QSize(640, 400));
    document.convert();
    EXPECT_TRUE(sameImage(document.work.image(), framed)) << "the source came back turned as it was";
    document.restore(whole);
    EXPECT_TRUE(document.frame().isEmpty());
    document.restore(turnedState);
    EXPECT_EQ(document.frame(), QRect(150, 240, 200, 300));
    EXPECT_EQ(document.orientation(), Orientation(1, true));
    document.convert();
    EXPECT_TRUE(sameImage(document.work.image(), turned));
    document.importPicture(photo(30, 20)); // another picture: the old frame and turn stay out of it
    document.restore(turnedState);
    EXPECT_TRUE(document.frame().isEmpty() && document.source.size() == QSize(30, 20));
}

// "Rogner les marges" frames the drawing of a scan; a picture all margin is converted whole.
TEST_F(FramingDocument, FramingTheContent)
{
    Document document(dir.path());
    document.importPicture(scan({400, 300}, {120, 40, 150, 200}));
    EXPECT_TRUE(document.frameContent());
    EXPECT_EQ(document.frame(), QRect(120, 40, 150, 200));
    document.importPicture(scan({400, 300}, {}));
    EXPECT_FALSE(document.frameContent());
    EXPECT_EQ(document.framedPart(), QRect(0, 0, 400, 300));
}
