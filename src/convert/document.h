#pragma once

#include "convert/dithering.h"
#include "convert/filenaming.h"
#include "convert/framing.h"
#include "convert/sourcedecoding.h"
#include "platform/stretch.h"
#include "platform/surface.h"

#include <QImage>
#include <QObject>
#include <QRect>
#include <QString>

struct LoadedPicture;

// The conversion settings: with the fit, what gives a conversion its pixels. A new
// setting is one more field here.
struct Settings
{
    int level = 0;              // grey-level correction, -50 to 50
    bool simpleMethod = false;  // every non-white pixel black, instead of the grey-level threshold
    bool invertColours = false;
    monochrome::Dithering dithering = monochrome::Dithering::None;
    // How every stretch of the source merges a block of pixels when it shrinks: the
    // mean for photographs, the AND for line drawings.
    Reduction reduction = Reduction::Mean;
    double toneCurve = monochrome::kDefaultToneCurve; // "Rendu des tons", for dithering
    bool autoContrast = false;                       // "Contraste automatique"
    bool operator==(const Settings &) const = default;
};

// What goes with the work picture's pixels: where the fitted picture lies in it, and
// the settings it was converted with.
struct PictureState
{
    QRect fit;
    // The output area the picture was fitted into, which the automatic save writes.
    QSize area{160, 100};
    Settings settings;
    // The part of the source that was converted ("Cadre"), in the turned source's
    // pixels (empty: the whole picture); how the source was turned, and which source
    // it was (a frame and a turn mean nothing for another picture).
    QRect frame;
    Orientation orientation;
    int source = 0;
    bool operator==(const PictureState &) const = default;
};

// The picture being made: the source (a JPEG decoded at 1/2, 1/4 or 1/8 when the
// mean keeps enough of it, otherwise at its natural size), its 160 x 100 preview,
// the work picture that conversions rewrite and the editor changes, and the values
// that decide them. No widgets: the window binds its controls to the public members
// and runs the commands; the command line and the tests drive it directly. Failures
// come back as French texts; nothing is shown from here.
class Document : public QObject
{
    Q_OBJECT

public:
    // The work picture and the preview: the calculator screen.
    static constexpr int kScreenWidth = 160;
    static constexpr int kScreenHeight = 100;
    // What the TI-89's graph screen shows, where programs recall pictures.
    static constexpr int kGraphScreenWidth = 159;
    static constexpr int kGraphScreenHeight = 77;

    // The automatic files go to the executable's folder (or its fallback).
    explicit Document(QObject *parent = nullptr);
    // The automatic files go to this folder; nothing is asked of the application
    // object, so a worker thread may make one.
    explicit Document(const QString &programFolder, QObject *parent = nullptr);

    // The three pictures use a white background: cleared parts then count as clear
    // pixels in the file (only exact white is clear). The source may be decoded
    // smaller than sourceSize().
    Surface source{392, 216, kWhite};
    Surface preview{kScreenWidth, kScreenHeight, kWhite};
    Surface work{kScreenWidth, kScreenHeight, kWhite};

    // Option values, bound to the window's controls.
    int outputWidth = kScreenWidth;   // 16 to 160 by 16 in the window
    int outputHeight = kScreenHeight; // 2 to 100 by 2 in the window
    bool keepProportions = false;
    Settings settings;
    bool advancedOptions = false;      // the names below go into the saved files
    QString variableName;              // 8 characters at most
    QString calculatorFolder = QStringLiteral("zfig");
    QString nextName;                  // the next automatic name

    // Where the picture last put into the work picture lies: its size and top-left corner.
    QRect fit() const { return m_fit; }
    // The fit and the settings of the work picture as it stands; restore() puts them
    // back (undo, redo), the controls' settings included.
    PictureState pictureState() const { return {m_fit, m_area, m_pictureSettings, m_pictureFrame, m_pictureOrientation, m_pictureSource}; }
    void restore(const PictureState &state);

    AutomaticFolder &automaticFolder() { return m_automaticFolder; }
    const AutomaticFolder &automaticFolder() const { return m_automaticFolder; }
    // The smallest free automatic number in the automatic files' folder.
    int nextFreeNumber() const;

    // Start-up: the source from a picture file (an empty path: from the clipboard),
    // stretched into the work picture and the preview, converted at level 0, the
    // first free automatic name shown. A calculator picture is read as open() reads
    // it. Returns what to tell the user (an unreadable file leaves a blank source);
    // *opened says whether the file opened, even in part.
    QString start(const QString &sourcePath, bool *opened = nullptr);

    // Opens a file: a name ending in "89i" (any case) is a calculator picture, read
    // into the work picture; anything else is decoded into the source and shown in
    // the preview. On failure false, the French reason in *error, nothing changed; a
    // picture that opens only in part (damaged or cut short) opens with a French
    // remark in *warning.
    bool open(const QString &path, QString *error = nullptr, QString *warning = nullptr);
    // The calculator-picture branch of open(), and the viewer's: the file into the
    // work picture, the source (made 160 x 100) and the preview, so that converting
    // again keeps it; the fit is the file's picture size (at most 160 x 100) from (0, 0).
    bool openCalculatorPicture(const QString &path, QString *error = nullptr);

    // A picture as the source (a null image: a blank source of the same size). One
    // over 100 million pixels is refused: false and the French reason in *error.
    bool importPicture(const QImage &image, QString *error = nullptr);
    // Another document's source, as it was decoded, nothing stretched: for a copy
    // that converts it.
    void shareSource(const QImage &picture, const SourceDecoding &decoding);
    const SourceDecoding &sourceDecoding() const { return m_decoding; }

    // The source's natural size, turned as the source is: frames, proportions and
    // messages count in these pixels, whatever size the source was decoded at.
    QSize sourceSize() const { return m_decoding.size(); }

    // The part of the source the next conversions use ("Cadre"), in the turned
    // source's natural-size pixels; empty: the whole picture.
    QRect frame() const { return m_frame; }
    // Clipped to the source; empty when it holds no whole pixel or the whole picture.
    // A JPEG is decoded again when the frame needs more (or allows fewer) pixels.
    void setFrame(const QRect &frame);
    // "Rogner les marges": frames what differs from the margins' colour; false (and
    // no frame) when the picture is all margin.
    bool frameContent();
    // The part of the source the conversions use: the frame, or the whole picture.
    QRect framedPart() const { return framedPart(m_frame); }
    // Turns the source (and its frame) after the turns it already had.
    void turn(const Orientation &by);
    Orientation orientation() const { return m_orientation; }

    // The fit of the source into the work picture at outputWidth x outputHeight.
    void fitSource();
    // "Convertir": fit, the chosen method (after "Contraste automatique" when chosen),
    // then nextName shows the next automatic name.
    void convert();
    // The fit and the chosen method alone: nextName is left as it is, so the program's
    // folder is not read (the command line names its outputs itself).
    void convertPicture();
    // The work picture as converting the source with these settings would make it,
    // the document left as it is (the methods gallery shows one per method). Safe to
    // call from a worker thread while the document is not changed.
    QImage convertedWith(const Settings &settings) const;
    // Another reduction: the preview is stretched again from the source (a JPEG
    // decoded again: the AND takes every pixel), then the picture is converted, as
    // a move of the slider converts.
    void changeReduction(Reduction reduction);
    // "Niveau automatique": the slider level that best separates the dark and light
    // greys of what the fit stretches (the preview, or with "Conserver les
    // proportions" the source), by Otsu's method; the current level when the picture
    // has a single grey. Changes nothing.
    int automaticLevel() const;

    // "Recadrer sur la sélection": the part of the work picture moves to its top-left
    // corner (white around it) and becomes the fit, which the saves write.
    void cropWork(const QRect &part);

    // The fitted picture: fit() of the work picture, widened to whole bytes with the
    // work picture's pixels to its right (white beyond it).
    QImage fittedPicture() const;
    // Writes fittedPicture() with these names; false and the French reason in *error.
    bool writeFittedPicture(const QString &path, const QString &folder, const QString &name,
                            QString *error = nullptr) const;
    // "Sauver fich. automatiquement": writes the output area the picture was last
    // fitted into (the size spinners may have moved since) as the next numbered file
    // of the automatic files' folder (made when it is the fallback), with the
    // advanced names when chosen; then the names show the next free one. False and the French reason in
    // *error, nothing written and the names as they were; the path written in *path.
    bool saveAutomatically(QString *error = nullptr, QString *path = nullptr);
    // The calculator folder the saves write: the advanced one when chosen and given,
    // else "zfig".
    QString fileFolderName() const;

signals:
    // The work picture is about to be drawn anew (a conversion, an opened file):
    // whatever floats over it must be laid down first.
    void workAboutToChange();
    // A command changed the names or the fit: the window shows them, and what changed
    // in the work picture becomes an undo step.
    void changed();
    // A black-and-white method ran on the work picture.
    void converted();

private:
    void stretchSourceIntoPreview();
    // The frame's part alone, for the conversions; then the preview says it changed.
    void stretchFrameIntoPreview();
    // A new picture in the source: no frame, no turn.
    void sourceReplaced();
    // A picture decoded from a file as the new source.
    void takeSource(const LoadedPicture &loaded, const QString &path, const QDateTime &changed);
    // Decodes the source's JPEG again when the reduction, the frame and the turn
    // need another divisor: true when the picture changed.
    bool decodeAsNeeded();
    QRect framedPart(const QRect &frame) const;
    // That part of the source stretched into 160 x 100 by that reduction: the
    // preview itself for the whole picture.
    QImage partPreview(const QRect &part, Reduction reduction) const;
    // The fit of the framed source at the output size into picture (all background
    // first), each block merged by the reduction: where the fitted picture lies.
    QRect fitInto(QImage &picture, Reduction reduction) const;
    void showNames();
    // The work picture was made from the source as it stands, with these settings.
    void rememberConversion(const Settings &settings);

    QRect m_fit{0, 0, kScreenWidth, kScreenHeight};
    QSize m_area{kScreenWidth, kScreenHeight};
    Settings m_pictureSettings; // those of the last conversion
    QRect m_frame;
    // The frame, turn and source of the last conversion.
    QRect m_pictureFrame;
    Orientation m_pictureOrientation;
    int m_pictureSource = 0;
    Reduction m_previewReduction = Reduction::Mean; // the one the preview was stretched with
    // The frame's part stretched as the preview is, for the conversions that follow.
    QImage m_framePreview;
    QRect m_framePreviewPart;
    Orientation m_orientation;
    int m_sourceSerial = 0;
    SourceDecoding m_decoding;
    AutomaticFolder m_automaticFolder;
};
