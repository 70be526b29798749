// Binding the main window's controls to the conversion state and the editor.
#include "mainpanel.h"

#include "commandbutton.h"
#include "picturebutton.h"

#include "editor/ellipsetool.h"
#include "editor/framedpreview.h"
#include "editor/linetool.h"
#include "editor/rectangletool.h"
#include "editor/selectiontool.h"
#include "editor/texttool.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>

void MainPanel::bindCommands()
{
    connect(commandButtons[MainPanel::ConvertCommand], &CommandButton::clicked, this, [this] { document.convert(); });
    connect(commandButtons[MainPanel::PasteCommand], &CommandButton::clicked, this, [this] { pasteClipboard(); });
    connect(commandButtons[MainPanel::SaveAutomaticallyCommand], &CommandButton::clicked, this, [this] { saveAutomatically(); });
    connect(commandButtons[MainPanel::ValidateLineCommand], &CommandButton::clicked, &editor, [this] { editor.tool<LineTool>()->validate(); });
    connect(commandButtons[MainPanel::ValidateTextCommand], &CommandButton::clicked, &editor, [this] { editor.tool<TextTool>()->validate(); });
    connect(commandButtons[MainPanel::OpenCommand], &CommandButton::clicked, this, [this] { openWithDialog(); });
    connect(commandButtons[MainPanel::ValidateEllipseCommand], &CommandButton::clicked, &editor, [this] { editor.tool<EllipseTool>()->validate(); });
    connect(commandButtons[MainPanel::SaveAsCommand], &CommandButton::clicked, this, [this] { saveAs(); });
    connect(commandButtons[MainPanel::ViewerCommand], &CommandButton::clicked, this, &MainPanel::openViewer);

    connect(variableNameBox, &QLineEdit::textChanged, this, [this](const QString &t) { document.variableName = t; });
    connect(calculatorFolderBox, &QLineEdit::textChanged, this, [this](const QString &t) { document.calculatorFolder = t; });
    connect(advancedOptionsBox, &QCheckBox::toggled, this, [this](bool on) { document.advancedOptions = on; });
}

void MainPanel::bindOptions()
{
    connect(levelSlider, &QScrollBar::valueChanged, this, [this] {
        // While the thumb is held the value only shows; the release commits it.
        if (levelSlider->isSliderDown())
            showLevel();
        else
            convertAtLevel();
    });
    connect(levelSlider, &QScrollBar::sliderPressed, this, [this] { m_levelAtPress = levelSlider->value(); });
    connect(levelSlider, &QScrollBar::sliderReleased, this, [this] {
        if (levelSlider->value() != m_levelAtPress)
            convertAtLevel();
    });
    connect(keepProportionsBox, &QCheckBox::toggled, this, [this](bool on) {
        document.keepProportions = on;
        showFrame();
    });
    connect(previewView, &FramedPreview::frameChosen, this, &MainPanel::chooseFrame);
    // A new picture, a turn, a frame or an undo step: the preview was stretched again.
    connect(&document.preview, &Surface::changed, this, &MainPanel::showFrame);
    connect(invertBox, &QCheckBox::toggled, this, [this](bool on) { document.settings.invertColours = on; });
    connect(simpleMethodButton, &QRadioButton::clicked, this, &MainPanel::chooseSimpleMethod);
    connect(greyMethodButton, &QRadioButton::clicked, this, &MainPanel::chooseGreyMethod);
    connect(simpleMethodButton, &QRadioButton::toggled, this, [this](bool on) { document.settings.simpleMethod = on; });

    connect(arrows[MainPanel::Magnifier], &PictureButton::clicked, this, &MainPanel::openZoom);
    connect(arrows[MainPanel::WidthDown], &PictureButton::clicked, this, &MainPanel::widthDown);
    connect(arrows[MainPanel::WidthUp], &PictureButton::clicked, this, &MainPanel::widthUp);
    connect(arrows[MainPanel::HeightDown], &PictureButton::clicked, this, &MainPanel::heightDown);
    connect(arrows[MainPanel::HeightUp], &PictureButton::clicked, this, &MainPanel::heightUp);
}

void MainPanel::bindTools()
{
    connect(arrows[MainPanel::FontSizeUp], &PictureButton::clicked, &editor, &Editor::increaseFontSize);
    connect(arrows[MainPanel::FontSizeDown], &PictureButton::clicked, &editor, &Editor::decreaseFontSize);
    connect(arrows[MainPanel::LineWidthDown], &PictureButton::clicked, &editor, &Editor::decreaseLineWidth);
    connect(arrows[MainPanel::LineWidthUp], &PictureButton::clicked, &editor, &Editor::increaseLineWidth);
    connect(arrows[MainPanel::PixelSizeUp], &PictureButton::clicked, &editor, &Editor::increasePixelSize);
    connect(arrows[MainPanel::PixelSizeDown], &PictureButton::clicked, &editor, &Editor::decreasePixelSize);
    connect(&editor, &Editor::fontSizeChanged, fontSizeBox, &QLineEdit::setText);
    connect(&editor, &Editor::lineWidthChanged, lineWidthBox, &QLineEdit::setText);
    connect(&editor, &Editor::pixelSizeChanged, pixelSizeBox, &QLineEdit::setText);

    for (int i = 0; i < int(toolButtons.size()); ++i)
        connect(toolButtons[size_t(i)], &QRadioButton::clicked, &editor, [this, i] { editor.selectTool(i); });
    buildToolActions();
    connect(&editor, &Editor::toolChanged, this, &MainPanel::showTool);
    connect(textBox, &QPlainTextEdit::textChanged, this, [this] { editor.setText(textBox->toPlainText()); });
    connect(fontList, &QComboBox::activated, this, [this] { editor.setFontFamily(fontList->currentText()); });
    connect(underlineBox, &QCheckBox::clicked, &editor, &Editor::setUnderline);
    connect(boldBox, &QCheckBox::clicked, &editor, &Editor::setBold);
    connect(italicBox, &QCheckBox::clicked, &editor, &Editor::setItalic);
    connect(strikeOutBox, &QCheckBox::clicked, &editor, &Editor::setStrikeOut);

    connect(&editor, &Editor::coordinatesChanged, coordinatesLabel, &QLabel::setText);
    connect(&editor, &Editor::aboutRequested, this, &MainPanel::showAbout);
    connect(&editor, &Editor::bannerMessage, this, &MainPanel::showOnBanner);
    connect(&editor, &Editor::stepFinished, this, [this] {
        history.record(false, History::Change::Retouch);
        showModified();
    });
    // A conversion or an opened file draws the picture anew: floating pixels are
    // laid down first (their own undo step) and the selection goes.
    connect(&document, &Document::workAboutToChange, this, [this] { editor.selection().cancel(); });
    for (QLabel *header : headers)
        header->installEventFilter(this);
}

void MainPanel::buildToolActions()
{
    auto *group = new QActionGroup(this);
    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (int i = 0; i < int(editor.tools().size()); ++i) {
        const Editor::ToolEntry &tool = editor.tools()[size_t(i)];
        auto *action = new QAction(tool.caption, group);
        action->setShortcut(QKeySequence(tool.key));
        action->setCheckable(true);
        connect(action, &QAction::triggered, &editor, [this, i] { editor.selectTool(i); });
        toolActions.append(action);
    }
    // Whatever shape is pending, in either window (as Enter on a canvas).
    auto *validate = new QAction(QStringLiteral("Valider la forme"), this);
    connect(validate, &QAction::triggered, &editor, [this] {
        if (Tool *tool = editor.currentTool())
            tool->validate();
    });
    toolActions.append(validate);
    // The keys work in this window even without its menu bar.
    addActions(toolActions);
}

void MainPanel::showTool(int index)
{
    for (int i = 0; i < int(editor.tools().size()); ++i)
        toolActions[i]->setChecked(i == index);
    if (index >= 0 && index < int(toolButtons.size())) {
        toolButtons[size_t(index)]->setChecked(true);
        return;
    }
    // A tool without an option button: none of them stays selected.
    for (QRadioButton *option : toolButtons) {
        option->setAutoExclusive(false);
        option->setChecked(false);
        option->setAutoExclusive(true);
    }
}

void MainPanel::showDocument()
{
    // Shows what a command changed in the state; what it changed in the work
    // picture is one undo step.
    history.record(m_bySlider, m_converted ? History::Change::Fresh : History::Change::Keeps);
    m_converted = false;
    showModified();
    nextNameLabel->setText(document.nextName);
    if (variableNameBox->text() != document.variableName)
        variableNameBox->setText(document.variableName);
}

void MainPanel::showModified()
{
    emit modifiedChanged(history.isModified());
}
