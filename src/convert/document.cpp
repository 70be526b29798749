#include "document.h"

#include "convert/autolevel.h"
#include "convert/monochrome.h"
#include "picfile/picturereader.h"
#include "platform/pictureloader.h"

#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace {

// Half a pixel goes to the even neighbour.
int roundHalfEven(double v)
{
    return int(std::nearbyint(v));
}

// The fit of a calculator picture: its size, at most 160 x 100, from (0, 0).
QRect calculatorPictureFit(QSize fileSize)
{
    return QRect(0, 0, std::clamp(fileSize.width(), 0, Document::kScreenWidth),
                 std::clamp(fileSize.height(), 0, Document::kScreenHeight));
}

// The chosen method on the fitted picture, after the automatic contrast when chosen.
void convertFitted(QImage &picture, const QRect &fit, const Settings &settings)
{
    if (settings.autoContrast)
        monochrome::stretchContrast(picture, fit);
    if (settings.simpleMethod)
        monochrome::everyNonWhiteBlack(picture);
    else
        monochrome::dither(picture, fit, settings.level, settings.invertColours, settings.dithering,
                           settings.toneCurve);
}

} // namespace

Document::Document(QObject *parent)
    : QObject(parent)
{
}

Document::Document(const QString &programFolder, QObject *parent)
    : QObject(parent)
    , m_automaticFolder(programFolder)
{
}

void Document::restore(const PictureState &state)
{
    m_fit = state.fit;
    m_area = state.area;
    m_pictureSettings = state.settings;
    const Reduction reduction = settings.reduction;
    const QRect frame = m_frame;
    settings = state.settings;
    m_pictureFrame = m_frame = state.frame;
    m_pictureOrientation = state.orientation;
    m_pictureSource = state.source;
    const bool sameSource = state.source == m_sourceSerial;
    const bool turned = sameSource && state.orientation != m_orientation;
    if (turned) {
        const Orientation by = state.orientation.after(m_orientation.inverse());
        source.setPicture(framing::turned(std::move(source.image()), by));
        source.refresh();
        m_decoding.turn(by);
        m_orientation = state.orientation;
    }
    if (!sameSource)
        m_frame = QRect();
    const bool decoded = decodeAsNeeded();
    // The preview shows the source as the work picture was made from it.
    if (turned || decoded || reduction != settings.reduction)
        stretchSourceIntoPreview();
    else if (frame != m_frame)
        stretchFrameIntoPreview();
}

void Document::rememberConversion(const Settings &settings)
{
    m_pictureSettings = settings;
    m_pictureFrame = m_frame;
    m_pictureOrientation = m_orientation;
    m_pictureSource = m_sourceSerial;
}

void Document::showNames()
{
    nextName = variableName = filenaming::automaticName(nextFreeNumber());
}

QString Document::start(const QString &sourcePath, bool *opened)
{
    m_fit = QRect(0, 0, kScreenWidth, kScreenHeight);
    m_area = m_fit.size();
    QString message;
    bool ok = false;
    if (!sourcePath.isEmpty() && filenaming::namesCalculatorPicture(sourcePath)) {
        // A calculator picture opened from the desktop: read as the open command
        // reads it, already black and white.
        ok = openCalculatorPicture(sourcePath.trimmed(), &message);
        if (opened)
            *opened = ok;
        showNames();
        emit changed();
        return message;
    }
    if (sourcePath.isEmpty()) {
        importPicture(clipboardPicture(), &message);
    } else {
        const QDateTime changed = QFileInfo(sourcePath).lastModified();
        const LoadedPicture loaded = loadPicture(sourcePath, SourceDecoding::smallestNew(settings.reduction));
        ok = loaded.ok();
        message = ok ? loaded.warning : loaded.error;
        if (ok)
            takeSource(loaded, sourcePath, changed);
        else
            importPicture(QImage());
    }
    if (opened)
        *opened = ok;
    work.cls();
    m_decoding.stretch(work.image(), m_fit, source.image(), m_decoding.whole(), settings.reduction);
    monochrome::threshold(work.image(), 0, false);
    work.refresh();
    emit converted();
    rememberConversion(Settings{});
    showNames();
    emit changed();
    return message;
}

bool Document::open(const QString &path, QString *error, QString *warning)
{
    if (warning)
        warning->clear();
    const QString trimmed = path.trimmed();
    if (filenaming::namesCalculatorPicture(trimmed))
        return openCalculatorPicture(trimmed, error);
    // Decode first: a picture that cannot be read leaves the source as it was.
    const QDateTime changed = QFileInfo(trimmed).lastModified();
    const LoadedPicture loaded = loadPicture(trimmed, SourceDecoding::smallestNew(settings.reduction));
    if (!loaded.ok()) {
        if (error)
            *error = loaded.error;
        return false;
    }
    if (warning)
        *warning = loaded.warning;
    takeSource(loaded, trimmed, changed);
    return true;
}

bool Document::openCalculatorPicture(const QString &path, QString *error)
{
    const auto picture = picfile::read(path, QSize(kScreenWidth, kScreenHeight), error);
    if (!picture)
        return false;
    emit workAboutToChange();
    source.resize(kScreenWidth, kScreenHeight);
    m_decoding.natural(source.size());
    sourceReplaced();
    // One reading, drawn into the three pictures.
    for (Surface *surface : {&work, &source, &preview}) {
        surface->cls();
        picfile::draw(*picture, surface->image());
        surface->refresh();
    }
    m_fit = calculatorPictureFit(picture->size);
    m_area = m_fit.size();
    rememberConversion(m_pictureSettings);
    emit changed();
    return true;
}

bool Document::importPicture(const QImage &image, QString *error)
{
    // A pasted or dropped picture has the bound of an opened one: beyond it, its
    // copy and every fit would cost too much memory and time.
    if (qint64(image.width()) * image.height() > kPixelsMax) {
        if (error)
            *error = QStringLiteral("L'image importée est trop grande (%1 x %2 pixels) : au-delà de 100 "
                                    "millions de pixels, elle n'est pas importée.")
                         .arg(image.width())
                         .arg(image.height());
        return false;
    }
    // No picture: a blank source, keeping its size.
    if (image.isNull())
        source.cls();
    else
        source.setPicture(image);
    m_decoding.natural(source.size());
    sourceReplaced();
    return true;
}

void Document::shareSource(const QImage &picture, const SourceDecoding &decoding)
{
    source.image() = picture;
    m_decoding = decoding;
}

void Document::takeSource(const LoadedPicture &loaded, const QString &path, const QDateTime &changed)
{
    source.setPicture(loaded.image);
    m_decoding.decoded(loaded, path, changed);
    sourceReplaced();
}

bool Document::decodeAsNeeded()
{
    QImage picture = m_decoding.decodeAgain(framedPart(), m_orientation, settings.reduction);
    if (picture.isNull())
        return false;
    source.setPicture(picture);
    source.refresh();
    return true;
}

void Document::sourceReplaced()
{
    m_frame = QRect();
    m_orientation = Orientation();
    ++m_sourceSerial;
    source.refresh();
    stretchSourceIntoPreview();
}

void Document::stretchSourceIntoPreview()
{
    m_decoding.stretch(preview.image(), QRect(0, 0, kScreenWidth, kScreenHeight), source.image(), m_decoding.whole(),
                       settings.reduction);
    m_previewReduction = settings.reduction;
    stretchFrameIntoPreview();
}

void Document::stretchFrameIntoPreview()
{
    m_framePreview = QImage(); // not to be taken for the new part's
    m_framePreviewPart = framedPart();
    if (m_framePreviewPart != m_decoding.whole())
        m_framePreview = partPreview(m_framePreviewPart, m_previewReduction);
    preview.refresh();
}

QRect Document::framedPart(const QRect &frame) const
{
    const QRect part = frame.normalized().intersected(m_decoding.whole());
    return part.isEmpty() ? m_decoding.whole() : part;
}

QImage Document::partPreview(const QRect &part, Reduction reduction) const
{
    if (reduction == m_previewReduction) {
        if (part == m_decoding.whole())
            return preview.image();
        if (part == m_framePreviewPart && !m_framePreview.isNull())
            return m_framePreview;
    }
    QImage other(kScreenWidth, kScreenHeight, QImage::Format_RGB32);
    other.fill(preview.backColor());
    m_decoding.stretch(other, other.rect(), source.image(), part, reduction);
    return other;
}

void Document::setFrame(const QRect &frame)
{
    const QRect part = framedPart(frame);
    m_frame = part == m_decoding.whole() ? QRect() : part;
    if (decodeAsNeeded())
        stretchSourceIntoPreview();
    else
        stretchFrameIntoPreview(); // the whole picture's preview stays as it is
}

bool Document::frameContent()
{
    const QSize decoded = source.size();
    setFrame(m_decoding.naturalPart(framing::contentRect(source.image())));
    // A small content is decoded finer: its margins are sought again there.
    if (source.size() != decoded)
        setFrame(m_decoding.naturalPart(framing::contentRect(source.image())));
    return !m_frame.isEmpty();
}

void Document::turn(const Orientation &by)
{
    const QSize before = m_decoding.size();
    source.setPicture(framing::turned(std::move(source.image()), by)); // no third copy
    source.refresh();
    m_decoding.turn(by);
    if (!m_frame.isEmpty())
        m_frame = framing::turnedRect(m_frame, before, by);
    m_orientation = by.after(m_orientation);
    decodeAsNeeded(); // a quarter turn: the preview is wider than high
    stretchSourceIntoPreview();
}

void Document::fitSource()
{
    emit workAboutToChange();
    work.cls(); // the print position too
    m_fit = fitInto(work.image(), settings.reduction);
    m_area = QSize(outputWidth, outputHeight);
    work.refresh();
}

QRect Document::fitInto(QImage &picture, Reduction reduction) const
{
    QRect fit(0, 0, outputWidth, outputHeight);
    picture.fill(work.backColor());
    const QRect part = framedPart();
    if (!keepProportions) {
        // Through the preview: the source is resampled twice on this path.
        stretchBlt(picture, fit, partPreview(part, reduction), QRect(0, 0, kScreenWidth, kScreenHeight), reduction);
        return fit;
    }
    const int sw = part.width();
    const int sh = part.height();
    if (sw > 0 && sh > 0 && outputWidth > 0 && outputHeight > 0) {
        const double rw = double(sw) / outputWidth;
        const double rh = double(sh) / outputHeight;
        // The shortened side keeps at least one pixel, so a thin source stays visible.
        if (rh < rw) {
            const int height = std::max(1, int(outputWidth * (double(sh) / sw)));
            fit.setTop(roundHalfEven(outputHeight / 2.0 - height / 2.0));
            fit.setHeight(height);
        } else if (rh > rw) {
            const int width = std::max(1, int(outputHeight * (double(sw) / sh)));
            fit.setLeft(roundHalfEven(outputWidth / 2.0 - width / 2.0));
            fit.setWidth(width);
        }
    }
    m_decoding.stretch(picture, fit, source.image(), part, reduction);
    return fit;
}

void Document::convert()
{
    convertPicture();
    nextName = filenaming::automaticName(nextFreeNumber());
    emit changed();
}

void Document::convertPicture()
{
    fitSource();
    convertFitted(work.image(), m_fit, settings);
    work.refresh();
    rememberConversion(settings);
    emit converted();
}

QImage Document::convertedWith(const Settings &settings) const
{
    QImage picture(work.size(), QImage::Format_RGB32);
    convertFitted(picture, fitInto(picture, settings.reduction), settings);
    return picture;
}

void Document::changeReduction(Reduction reduction)
{
    settings.reduction = reduction;
    decodeAsNeeded();
    stretchSourceIntoPreview();
    convert();
}

int Document::automaticLevel() const
{
    const QRect part = framedPart();
    const QImage fitted = keepProportions ? framing::view(source.image(), m_decoding.decodedPart(part))
                                          : partPreview(part, settings.reduction);
    return monochrome::automaticLevel(fitted).value_or(settings.level);
}
