#include "mainpanel.h"
#include "calculatortransfer.h"

#include "appearance.h"
#include "commandbutton.h"
#include "dialogs.h"
#include "dotmatrix/numberederror.h"
#include "dotmatrix/signwidget.h"
#include "viewer.h"
#include "windowsetup.h"
#include "aboutwindow.h"
#include "conversionchoices.h"
#include "methodsgallery.h"
#include "zoomwindow.h"
#include "geometry.h"
#include "artwork.h"
#include "picturebutton.h"

#include <algorithm>

#include <QCloseEvent>
#include <QLabel>
#include <QGroupBox>
#include <QLineEdit>
#include <QTextDocument>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTimer>

MainPanel::MainPanel(QWidget *parent)
    : QWidget(parent)
{
    windowsetup::makeFixed(this, "mainPanel");
    setWindowIcon(artwork::icon());
    setFont(appearance::controlFont());
    appearance::setBackground(this, colours::window);
    setMouseTracking(true);
    setAcceptDrops(true);
    m_transfer = new CalculatorTransfer(this);

    buildOptions();
    buildPreviews();
    buildSaving();
    buildTools();
    // Windowed controls stand above the drawn ones (labels, pictures, lines),
    // whatever their order of creation.
    for (QWidget *container : {static_cast<QWidget *>(this), static_cast<QWidget *>(toolsFrame)})
        for (QWidget *w : container->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (!qobject_cast<QLabel *>(w) && !qobject_cast<PictureButton *>(w))
                w->raise();
    setReadingTabOrder();
    conversionChoices = new ConversionChoices(*this);
    bindCommands();
    bindOptions();
    bindTools();

    spinWithWheel(fontSizeBox, arrows[MainPanel::FontSizeDown], arrows[MainPanel::FontSizeUp]);
    spinWithWheel(lineWidthBox, arrows[MainPanel::LineWidthDown], arrows[MainPanel::LineWidthUp]);
    spinWithWheel(pixelSizeBox, arrows[MainPanel::PixelSizeDown], arrows[MainPanel::PixelSizeUp]);
    spinWithWheel(widthBox, arrows[MainPanel::WidthDown], arrows[MainPanel::WidthUp]);
    spinWithWheel(heightBox, arrows[MainPanel::HeightDown], arrows[MainPanel::HeightUp]);

    toolsFrame->setMouseTracking(true);
    toolsFrame->installEventFilter(this);
    for (QWidget *box : {static_cast<QWidget *>(variableNameBox), static_cast<QWidget *>(calculatorFolderBox),
                         textBox->viewport()}) {
        box->setMouseTracking(true);
        box->installEventFilter(this);
    }
    textBox->installEventFilter(this); // for the undo keys

    bannerTimer = new QTimer(this);
    bannerTimer->setInterval(40);
    connect(bannerTimer, &QTimer::timeout, this, &MainPanel::scrollBanner);
    bannerTimer->start();

    // Every conversion closes the about window.
    connect(&document, &Document::converted, this, &MainPanel::closeAbout);
    // A picture made anew from the source: no longer the file it came from, nothing to save.
    connect(&document, &Document::converted, this, [this] {
        m_converted = true;
        m_pictureFile.clear();
    });
    connect(&document, &Document::changed, this, &MainPanel::showDocument);
    windowsetup::centre(this);
}

MainPanel::~MainPanel()
{
    // The picture widgets show the state's and the editor's surfaces: they must go
    // before those members do.
    qDeleteAll(findChildren<QWidget *>(Qt::FindDirectChildrenOnly));
}

AboutWindow *MainPanel::aboutWindow() const
{
    return m_aboutWindow;
}

ZoomWindow *MainPanel::zoomWindow() const
{
    return m_zoomWindow;
}

MethodsGallery *MainPanel::methodsGallery() const
{
    return m_methodsGallery;
}

void MainPanel::closeEvent(QCloseEvent *event)
{
    // Unsaved retouches are not lost without a word.
    if (!mayClose()) {
        event->ignore();
        return;
    }
    // Closing the main window ends the program, with every other window.
    bannerTimer->stop();
    if (m_aboutWindow)
        m_aboutWindow->close();
    if (m_zoomWindow)
        m_zoomWindow->close();
    if (m_methodsGallery)
        m_methodsGallery->close();
    if (m_viewer)
        m_viewer->hide();
    event->accept();
    emit closed();
}

void MainPanel::mouseMoveEvent(QMouseEvent *event)
{
    if (!childAt(event->position().toPoint()))
        pointerOverBackground();
}

namespace {

// Whether a key that undoes or redoes in a text box finds nothing to do there: it
// then undoes or redoes the picture, as everywhere else in the program.
bool nothingToUndoIn(QObject *box, const QKeyEvent *key)
{
    bool undo = false, redo = false;
    if (const auto *line = qobject_cast<const QLineEdit *>(box))
        undo = line->isUndoAvailable(), redo = line->isRedoAvailable();
    else if (const auto *text = qobject_cast<const QPlainTextEdit *>(box))
        undo = text->document()->isUndoAvailable(), redo = text->document()->isRedoAvailable();
    else
        return false;
    return (key->matches(QKeySequence::Undo) && !undo) || (key->matches(QKeySequence::Redo) && !redo);
}

} // namespace

bool MainPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride && nothingToUndoIn(watched, static_cast<QKeyEvent *>(event)))
        return true; // the box lets the program's shortcut have the key
    if (event->type() == QEvent::KeyPress) {
        if (const auto arrow = spinnerArrow(watched, static_cast<QKeyEvent *>(event)->key())) {
            arrows[*arrow]->click();
            return true;
        }
    }
    if (watched == toolsFrame && event->type() == QEvent::Paint) {
        appearance::paintFrame(toolsFrame);
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == workHeader)
            editor.requestCanvasFocus();
    } else if (event->type() == QEvent::MouseMove) {
        if (watched == toolsFrame) {
            const auto *move = static_cast<QMouseEvent *>(event);
            if (!toolsFrame->childAt(move->position().toPoint()))
                pointerOverBackground();
        } else if (watched == textBox->viewport()) {
            appearance::setEntryBackground(textBox, colours::entryHover);
        } else if (watched == variableNameBox || watched == calculatorFolderBox) {
            appearance::setEntryBackground(static_cast<QWidget *>(watched), colours::entryHover);
        }
    }
    return QWidget::eventFilter(watched, event);
}

std::optional<MainPanel::Arrow> MainPanel::spinnerArrow(const QObject *box, int key) const
{
    const std::tuple<const QLineEdit *, Arrow, Arrow> spinners[] = {
        {widthBox, WidthDown, WidthUp},          {heightBox, HeightDown, HeightUp},
        {pixelSizeBox, PixelSizeDown, PixelSizeUp}, {fontSizeBox, FontSizeDown, FontSizeUp},
        {lineWidthBox, LineWidthDown, LineWidthUp},
    };
    for (const auto &[spinnerBox, down, up] : spinners) {
        if (spinnerBox != box)
            continue;
        if (key == Qt::Key_Up || key == Qt::Key_Plus)
            return up;
        if (key == Qt::Key_Down || key == Qt::Key_Minus)
            return down;
    }
    return std::nullopt;
}

void MainPanel::pointerOverBackground()
{
    for (CommandButton *button : commandButtons)
        button->resetLook();
    for (QWidget *box : {static_cast<QWidget *>(variableNameBox), static_cast<QWidget *>(calculatorFolderBox),
                         static_cast<QWidget *>(textBox)})
        appearance::setEntryBackground(box, colours::entry);
}

void MainPanel::scrollBanner()
{
    try {
        banner->matrix().scrollRight();
    } catch (const NumberedError &) {
        // The banner only scrolls what it holds: nothing to tell the user.
    }
}

void MainPanel::showOnBanner(const QString &text)
{
    try {
        banner->matrix().makeText(text);
    } catch (const NumberedError &) {
        // A text too long for the banner's grid shows what fits.
    }
}

void MainPanel::openViewer()
{
    if (!m_viewer) {
        m_viewer = new Viewer(this, document.automaticFolder().folder());
        connect(m_viewer, &Viewer::sendRequested, this, &MainPanel::sendFileToCalculator);
        connect(m_viewer, &Viewer::openRequested, this, [this](const QString &path) {
            QString error;
            if (document.openCalculatorPicture(path, &error)) {
                addRecentFile(path);
                fileOpened(path);
                m_viewer->hide();
            } else
                Dialogs::current().message(error, Dialogs::Icon::Exclamation);
        });
    }
    m_viewer->exec();
}

void MainPanel::showAbout()
{
    if (!m_aboutWindow)
        m_aboutWindow = new AboutWindow(this);
    m_aboutWindow->show();
}

void MainPanel::closeAbout()
{
    if (m_aboutWindow)
        m_aboutWindow->close();
}
