// Building the main window's controls from the geometry table.
#include "mainpanel.h"

#include "editor/framedpreview.h"

#include "appearance.h"
#include "calculatornamevalidator.h"
#include "commandbutton.h"
#include "dotmatrix/signwidget.h"
#include "editor/canvas.h"
#include "editor/framedpreview.h"
#include "geometry.h"
#include "artwork.h"
#include "editor/surfacewidget.h"
#include "picturebutton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleFactory>

namespace {

template <typename W>
W *control(const char *name, QWidget *parent)
{
    auto *w = new W(geometry::text(name), parent);
    appearance::place(w, name);
    return w;
}

CommandButton *commandButton(const char *name, QWidget *parent)
{
    auto *b = new CommandButton(parent);
    appearance::place(b, name);
    return b;
}

// A label that only shows text over what lies under it.
QLabel *transparent(const char *name, QWidget *parent, Qt::Alignment alignment)
{
    auto *label = control<QLabel>(name, parent);
    label->setAlignment(alignment);
    return label;
}

} // namespace

PictureButton *MainPanel::buildArrow(Arrow arrow, bool plus, const char *name, QWidget *parent)
{
    auto *image = new PictureButton(plus ? artwork::plus() : artwork::minus(), parent);
    appearance::place(image, name);
    image->setAutoRepeat(true);
    arrows[arrow] = image;
    return image;
}

QLineEdit *MainPanel::buildSpinnerBox(const char *name, QWidget *parent)
{
    auto *box = control<QLineEdit>(name, parent);
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Reached by Tab; the up and down keys then step it as its arrows do.
    box->setFocusPolicy(Qt::StrongFocus);
    box->installEventFilter(this);
    return box;
}

void MainPanel::buildOptions()
{
    headers.push_back(appearance::header(this, "levelHeader"));
    levelPercent = transparent("levelPercent", this, Qt::AlignRight | Qt::AlignTop);
    levelSlider = new QScrollBar(Qt::Horizontal, this);
    appearance::place(levelSlider, "levelSlider");
    levelSlider->setRange(-50, 50);
    levelSlider->setSingleStep(1);
    levelSlider->setPageStep(1);
    levelSlider->setValue(0);
    // The arrow keys move it like its arrows: Right and Up towards the maximum.
    levelSlider->setInvertedControls(false);
    levelSlider->setFocusPolicy(Qt::StrongFocus);
    // A raised thumb on a stippled groove: the flat one of the default style hardly
    // shows on this window.
    if (QStyle *style = QStyleFactory::create(QStringLiteral("Windows"))) {
        style->setParent(levelSlider);
        levelSlider->setStyle(style);
    }
    keepProportionsBox = control<QCheckBox>("keepProportionsBox", this);
    invertBox = control<QCheckBox>("invertBox", this);
    ditheringBox = control<QCheckBox>("ditheringBox", this);
    appearance::setBackground(ditheringBox, colours::window);
    simpleMethodButton = control<QRadioButton>("simpleMethodButton", this);
    greyMethodButton = control<QRadioButton>("greyMethodButton", this);
    headers.push_back(appearance::header(this, "sizeHeader"));
    buildArrow(MainPanel::WidthDown, false, "widthDownArrow", this);
    widthBox = buildSpinnerBox("widthBox", this);
    buildArrow(MainPanel::WidthUp, true, "widthUpArrow", this);
    heightLabel = transparent("heightLabel", this, Qt::AlignLeft | Qt::AlignTop);
    buildArrow(MainPanel::HeightDown, false, "heightDownArrow", this);
    heightBox = buildSpinnerBox("heightBox", this);
    buildArrow(MainPanel::HeightUp, true, "heightUpArrow", this);
    commandButtons[MainPanel::PasteCommand] = commandButton("pasteButton", this);
    commandButtons[MainPanel::OpenCommand] = commandButton("openButton", this);
    commandButtons[MainPanel::ConvertCommand] = commandButton("convertButton", this);
}

void MainPanel::buildPreviews()
{
    headers.push_back(appearance::header(this, "previewHeader"));
    previewView = new FramedPreview(&document.preview, this);
    appearance::place(previewView, "previewView");
    workHeader = appearance::header(this, "workHeader");
    headers.push_back(workHeader);
    canvas = new Canvas(editor, this);
    appearance::place(canvas, "canvas");
    canvas->setCursor(Qt::CrossCursor);
    // The coordinate readout, empty until the pointer moves over the canvas.
    coordinatesLabel = new QLabel(this);
    appearance::place(coordinatesLabel, "coordinatesLabel");
    coordinatesLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    appearance::setBackground(coordinatesLabel, colours::header);
    arrows[MainPanel::Magnifier] = new PictureButton(artwork::magnifier(), this);
    appearance::place(arrows[MainPanel::Magnifier], "magnifier");
}

void MainPanel::buildSaving()
{
    appearance::line(this, "saveSeparator");
    commandButtons[MainPanel::SaveAutomaticallyCommand] = commandButton("saveAutomaticallyButton", this);
    headers.push_back(appearance::header(this, "nextNameHeader"));
    nextNameLabel = control<QLabel>("nextNameLabel", this);
    nextNameLabel->setFrameStyle(QFrame::Box | QFrame::Plain);
    appearance::setBackground(nextNameLabel, kWhite);
    commandButtons[MainPanel::SaveAsCommand] = commandButton("saveAsButton", this);
    commandButtons[MainPanel::ViewerCommand] = commandButton("viewerButton", this);
    appearance::line(this, "advancedSeparator");
    advancedOptionsBox = control<QCheckBox>("advancedOptionsBox", this);
    headers.push_back(appearance::header(this, "variableNameHeader"));
    variableNameBox = new QLineEdit(this);
    appearance::place(variableNameBox, "variableNameBox");
    variableNameBox->setMaxLength(8);
    variableNameBox->setValidator(new CalculatorNameValidator(variableNameBox));
    headers.push_back(appearance::header(this, "calculatorFolderHeader"));
    calculatorFolderBox = control<QLineEdit>("calculatorFolderBox", this);
    calculatorFolderBox->setMaxLength(8);
    calculatorFolderBox->setValidator(new CalculatorNameValidator(calculatorFolderBox));
    appearance::line(this, "bannerSeparator");
    banner = new SignWidget(this);
    appearance::place(banner, "banner");
}

void MainPanel::buildTools()
{
    toolsFrame = control<QGroupBox>("toolsFrame", this);
    toolsFrame->setFlat(true);
    appearance::setBackground(toolsFrame, colours::window);

    toolButtons[0] = control<QRadioButton>("pixelOnToolButton", toolsFrame);
    toolButtons[1] = control<QRadioButton>("pixelOffToolButton", toolsFrame);
    headers.push_back(appearance::header(toolsFrame, "pixelSizeHeader"));
    appearance::line(toolsFrame, "pixelSizeSeparator");
    buildArrow(MainPanel::PixelSizeDown, false, "pixelSizeDownArrow", toolsFrame);
    pixelSizeBox = buildSpinnerBox("pixelSizeBox", toolsFrame);
    buildArrow(MainPanel::PixelSizeUp, true, "pixelSizeUpArrow", toolsFrame);
    buildTextTool();
    toolButtons[3] = control<QRadioButton>("lineToolButton", toolsFrame);
    headers.push_back(appearance::header(toolsFrame, "lineWidthHeader"));
    buildArrow(MainPanel::LineWidthDown, false, "lineWidthDownArrow", toolsFrame);
    lineWidthBox = buildSpinnerBox("lineWidthBox", toolsFrame);
    buildArrow(MainPanel::LineWidthUp, true, "lineWidthUpArrow", toolsFrame);
    commandButtons[MainPanel::ValidateLineCommand] = commandButton("validateLineButton", toolsFrame);
    toolButtons[4] = control<QRadioButton>("ellipseToolButton", toolsFrame);
    commandButtons[MainPanel::ValidateEllipseCommand] = commandButton("validateEllipseButton", toolsFrame);
}

void MainPanel::buildTextTool()
{
    toolButtons[2] = control<QRadioButton>("textToolButton", toolsFrame);
    textBox = new QPlainTextEdit(toolsFrame);
    appearance::place(textBox, "textBox");
    textBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    textBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    buildArrow(MainPanel::FontSizeDown, false, "fontSizeDownArrow", toolsFrame);
    fontSizeBox = buildSpinnerBox("fontSizeBox", toolsFrame);
    buildArrow(MainPanel::FontSizeUp, true, "fontSizeUpArrow", toolsFrame);
    fontList = new QComboBox(toolsFrame);
    appearance::place(fontList, "fontList");
    underlineBox = control<QCheckBox>("underlineBox", toolsFrame);
    italicBox = control<QCheckBox>("italicBox", toolsFrame);
    boldBox = control<QCheckBox>("boldBox", toolsFrame);
    strikeOutBox = control<QCheckBox>("strikeOutBox", toolsFrame);
    headers.push_back(appearance::header(toolsFrame, "fontPreviewHeader"));
    fontPreviewView = new SurfaceWidget(&editor.fontPreview(), toolsFrame);
    appearance::place(fontPreviewView, "fontPreviewView");
    commandButtons[MainPanel::ValidateTextCommand] = commandButton("validateTextButton", toolsFrame);
}

void MainPanel::setReadingTabOrder()
{
    // The magnifier is a button like the others for the keyboard (Space opens the zoom).
    arrows[Magnifier]->setFocusPolicy(Qt::TabFocus);
    // Down each column of the main part, then the tools frame's, as a reader scans them.
    const std::initializer_list<QWidget *> order = {
        levelSlider, keepProportionsBox, invertBox, simpleMethodButton, greyMethodButton, widthBox, heightBox, previewView,
        commandButtons[SaveAutomaticallyCommand], commandButtons[SaveAsCommand], advancedOptionsBox, variableNameBox,
        ditheringBox, commandButtons[PasteCommand], commandButtons[OpenCommand], commandButtons[ConvertCommand],
        arrows[Magnifier], canvas, commandButtons[ViewerCommand], calculatorFolderBox,
        toolButtons[0], toolButtons[1], pixelSizeBox, toolButtons[2], textBox, fontSizeBox, fontList, underlineBox,
        italicBox, boldBox, strikeOutBox, commandButtons[ValidateTextCommand], toolButtons[3], lineWidthBox,
        commandButtons[ValidateLineCommand], toolButtons[4], commandButtons[ValidateEllipseCommand]};
    for (auto w = order.begin(); w + 1 != order.end(); ++w)
        setTabOrder(*w, *(w + 1));
    // A tab in the text to place means nothing on the calculator: Tab moves on.
    textBox->setTabChangesFocus(true);
}
