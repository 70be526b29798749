// The frame, the turns and the margins: what the conversions see of the source.
#include "convert/document.h"
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
        for (int x = 0, grey; x < size.width(); ++x)
            grey = 230 + int(noise.bounded(13)), image.setPixel(x, y, qRgb(grey, grey - 2, grey - 8));
    if (drawing.isEmpty())
        return image;
    QPainter painter(&image); // black, one pixel wide
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
        EXPECT_TRUE(once.size() == framing::turnedSize(picture.size(), a) && sameImage(framing::turned(once, a.inverse()), picture));
        EXPECT_TRUE(sameImage(once.copy(framing::turnedRect(rect, picture.size(), a)), framing::turned(picture.copy(rect), a)))
            << a.quarterTurns << a.mirrored;
        for (const Orientation &b : kOrientations)
            EXPECT_TRUE(sameImage(framing::turned(once, b), framing::turned(picture, b.after(a))));
    }
    EXPECT_TRUE(framing::turned(imageFromAscii({"#..", "..."}), Orientation::clockwise(1)).pixel(1, 0) == kBlack
                && framing::turned(imageFromAscii({"#..", "..."}), Orientation::verticalMirror()).pixel(0, 1) == kBlack);
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
    EXPECT_TRUE(framing::contentRect(all).isEmpty() && framing::contentRect(all, 3) == QRect(0, 0, 50, 40));
}

// The frame stays inside the picture and turns with it; four quarter turns change
// nothing; the picture's state (undo, redo) brings frame, turn and turned source
// back, but not onto another picture. (Frames as cropped pictures: the CLI tests.)
TEST(FramingDocument, FramesTurnsAndTheirUndo)
{
    QTemporaryDir dir;
    Document document(dir.path());
    document.importPicture(photo(640, 400));
    const std::pair<QRect, QRect> frames[] = {
        {{600, 300, 900, 900}, {600, 300, 40, 100}}, {{-5, -5, 10, 10}, {0, 0, 5, 5}},
        {{10, 10, 0, 5}, {}}, {{0, 0, 640, 400}, {}}, {{2000, 10, 5, 5}, {}},
    };
    for (const auto &[asked, kept] : frames)
        EXPECT_EQ((document.setFrame(asked), document.frame()), kept);
    Document once(dir.path()); // a frame set over another converts as if set alone
    once.importPicture(photo(640, 400));
    document.setFrame({200, 100, 50, 50});
    for (Document *d : {&document, &once})
        d->setFrame({30, 20, 90, 60}), d->convert();
    EXPECT_TRUE(sameImage(document.work.image(), once.work.image()));
    document.setFrame({});
    document.keepProportions = true, document.settings.dithering = monochrome::Dithering::Atkinson;
    document.convert();
    const QImage straight = document.fittedPicture();
    for (int turn = 0; turn < 4; ++turn) {
        document.turn(Orientation::clockwise(1)), document.convert();
        EXPECT_EQ(document.source.size(), turn % 2 ? QSize(640, 400) : QSize(400, 640));
    }
    EXPECT_TRUE(sameImage(document.fittedPicture(), straight) && document.orientation() == Orientation());

    document.setFrame({100, 50, 300, 200}), document.convert();
    const PictureState framedState = document.pictureState();
    const QImage framed = document.work.image().copy();
    document.turn(Orientation::horizontalMirror()), document.turn(Orientation::clockwise(1));
    EXPECT_EQ(document.frame(), QRect(150, 240, 200, 300));
    EXPECT_TRUE(sameImage(framing::view(document.source.image(), document.frame()),
                          framing::turned(photo(640, 400).copy(100, 50, 300, 200), {1, true})));
    document.convert();
    const PictureState turnedState = document.pictureState();

    document.restore(framedState);
    EXPECT_TRUE(document.frame() == QRect(100, 50, 300, 200) && document.source.size() == QSize(640, 400));
    document.convert();
    EXPECT_TRUE(sameImage(document.work.image(), framed)) << "the source came back turned as it was";
    document.restore(turnedState);
    EXPECT_TRUE(document.frame() == QRect(150, 240, 200, 300) && document.orientation() == (Orientation{1, true}));
    document.importPicture(photo(30, 20));
    EXPECT_TRUE(document.frame().isEmpty() && document.orientation() == Orientation());
    document.restore(turnedState);
    EXPECT_TRUE(document.frame().isEmpty() && document.source.size() == QSize(30, 20));

    // "Rogner les marges" frames the drawing of a scan; a picture all margin is converted whole.
    document.importPicture(scan({400, 300}, {120, 40, 150, 200}));
    EXPECT_TRUE(document.frameContent() && document.frame() == QRect(120, 40, 150, 200));
    document.importPicture(scan({400, 300}, {}));
    EXPECT_TRUE(!document.frameContent() && document.framedPart() == QRect(0, 0, 400, 300));
}
