#include "editor.h"

#include "ellipsetool.h"
#include "filltool.h"
#include "linetool.h"
#include "pixeltool.h"
#include "rectangletool.h"
#include "selectiontool.h"
#include "texttool.h"

namespace {

const QString kSampleText = QStringLiteral("Sample Text");

template <typename Change>
void changeFont(Surface &surface, Change change)
{
    QFont font = surface.font();
    change(font);
    surface.setFont(font);
}

constexpr Qt::MouseButtons kToolButtons = Qt::LeftButton | Qt::RightButton | Qt::MiddleButton;

} // namespace

Editor::Editor(Surface &picture, QObject *parent)
    : QObject(parent)
    , m_picture(picture)
{
    QFont pictureFont(QStringLiteral("MS Serif"));
    pictureFont.setPointSizeF(6);
    m_picture.setFont(pictureFont);
    QFont previewFont(QStringLiteral("MS Serif"));
    previewFont.setPointSizeF(6.75);
    m_fontPreview.setFont(previewFont);
    m_font.setStyleStrategy(QFont::NoAntialias);
    m_font.setFamily(m_fontPreview.font().family());
    m_picture.setDrawWidth(m_lineWidth.value());
    increaseFontSize();
    registerTools();
}

Editor::~Editor() = default;

// One line per tool, in the order of the menu; the tools frame's option buttons
// select the first five by position.
void Editor::registerTools()
{
    addTool<PixelTool>(QStringLiteral("Pixel On"), Qt::Key_P, kBlack);
    addTool<PixelTool>(QStringLiteral("Pixel off"), Qt::Key_O, kWhite);
    addTool<TextTool>(QStringLiteral("Texte"), Qt::Key_T);
    addTool<LineTool>(QStringLiteral("Ligne"), Qt::Key_L);
    addTool<EllipseTool>(QStringLiteral("Ellipse"), Qt::Key_E);
    addTool<RectangleTool>(QStringLiteral("Rectangle"), Qt::Key_R);
    addTool<FillTool>(QStringLiteral("Remplissage"), Qt::Key_F);
    addTool<SelectionTool>(QStringLiteral("Sélection"), Qt::Key_S);
}

QString Editor::fontSizeError()
{
    return QStringLiteral("Erreur à la selection de la taille de la police...");
}

Tool *Editor::currentTool() const
{
    return m_current < 0 ? nullptr : m_tools[size_t(m_current)].tool.get();
}

void Editor::selectTool(int index)
{
    m_current = index >= 0 && index < int(m_tools.size()) ? index : -1;
    for (int i = 0; i < int(m_tools.size()); ++i) {
        Tool &tool = *m_tools[size_t(i)].tool;
        tool.endStroke();
        if (i != m_current)
            tool.cancel();
    }
    emit overlayChanged();
    emit toolChanged(m_current);
}

// ---- The pointer and the keys ----

void Editor::press(const QPointF &at, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    if (Tool *tool = currentTool()) {
        tool->endStroke(); // a press starts a new stroke
        if (kToolButtons.testFlag(button))
            tool->press(at, button, modifiers);
    }
}

void Editor::move(const QPointF &at, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    emit coordinatesChanged(QStringLiteral("%1x%2").arg(Tool::truncate(at.x())).arg(Tool::truncate(at.y())));
    if (Tool *tool = currentTool()) {
        if (buttons.testAnyFlags(kToolButtons))
            tool->drag(at, buttons, modifiers);
        else
            tool->endStroke();
    }
}

void Editor::release(const QPointF &at, Qt::MouseButton button)
{
    if (Tool *tool = currentTool()) {
        if (kToolButtons.testFlag(button))
            tool->release(at, button);
        tool->endStroke();
    }
    // A pixel-tool stroke ends here.
    emit stepFinished();
}

void Editor::keyPress(Qt::Key key)
{
    if (key == Qt::Key_F1) {
        emit aboutRequested();
        return;
    }
    Tool *tool = currentTool();
    if (!tool)
        return;
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        tool->validate();
        break;
    case Qt::Key_Left: tool->nudge(QPoint(-1, 0)); break;
    case Qt::Key_Right: tool->nudge(QPoint(1, 0)); break;
    case Qt::Key_Up: tool->nudge(QPoint(0, -1)); break;
    case Qt::Key_Down: tool->nudge(QPoint(0, 1)); break;
    case Qt::Key_Escape:
        tool->cancel();
        emit overlayChanged();
        break;
    case Qt::Key_Delete:
        if (auto *selection = dynamic_cast<SelectionTool *>(tool))
            selection->clear();
        break;
    case Qt::Key_BracketLeft: resizeToolStroke(tool, false); break;
    case Qt::Key_BracketRight: resizeToolStroke(tool, true); break;
    default: break;
    }
}

void Editor::resizeToolStroke(const Tool *tool, bool up)
{
    if (dynamic_cast<const PixelTool *>(tool))
        up ? increasePixelSize() : decreasePixelSize();
    else if (dynamic_cast<const LineTool *>(tool) || dynamic_cast<const RectangleTool *>(tool))
        up ? increaseLineWidth() : decreaseLineWidth();
}

SelectionTool &Editor::selection() const
{
    return *tool<SelectionTool>();
}

void Editor::makeSelectionCurrent()
{
    if (currentTool() != &selection())
        for (int i = 0; i < int(m_tools.size()); ++i)
            if (m_tools[size_t(i)].tool.get() == &selection())
                selectTool(i);
}

void Editor::paste(const QImage &pixels)
{
    makeSelectionCurrent();
    selection().paste(SelectionTool::pixelsToPaste(pixels, m_picture.size()), QPoint(0, 0));
    emit canvasFocusRequested();
}

void Editor::selectAll()
{
    makeSelectionCurrent();
    selection().selectAll();
}

bool Editor::overlayContains(const QPointF &at) const
{
    const Tool *tool = currentTool();
    return tool && tool->overlayContains(at);
}

void Editor::clickOverlay()
{
    if (Tool *tool = currentTool())
        tool->overlayClicked();
    emit canvasFocusRequested();
}

void Editor::paintOverlay(QPainter &painter) const
{
    if (const Tool *tool = currentTool())
        tool->paintOverlay(painter);
}

void Editor::requestCanvasFocus()
{
    emit canvasFocusRequested();
}

// ---- The text and its font ----

void Editor::setText(const QString &text)
{
    m_text = text;
    emit overlayChanged();
}

void Editor::redrawPreview()
{
    m_fontPreview.cls();
    m_fontPreview.print(kSampleText);
    m_fontPreview.refresh();
}

void Editor::setFontFamily(const QString &family)
{
    changeFont(m_picture, [&](QFont &f) { f.setFamily(family); });
    changeFont(m_fontPreview, [&](QFont &f) { f.setFamily(family); });
    redrawPreview();
    m_font.setFamily(m_fontPreview.font().family());
    emit overlayChanged();
}

void Editor::applyStyle(void (QFont::*set)(bool), bool (QFont::*get)() const, bool on)
{
    changeFont(m_picture, [&](QFont &f) { (f.*set)(on); });
    changeFont(m_fontPreview, [&](QFont &f) { (f.*set)(on); });
    (m_font.*set)((m_fontPreview.font().*get)());
    redrawPreview();
    emit overlayChanged();
}

void Editor::setUnderline(bool on) { applyStyle(&QFont::setUnderline, &QFont::underline, on); }
void Editor::setBold(bool on) { applyStyle(&QFont::setBold, &QFont::bold, on); }
void Editor::setItalic(bool on) { applyStyle(&QFont::setItalic, &QFont::italic, on); }
void Editor::setStrikeOut(bool on) { applyStyle(&QFont::setStrikeOut, &QFont::strikeOut, on); }

void Editor::decreaseFontSize() { applyFontSize(m_fontSize.nextDown()); }
void Editor::increaseFontSize() { applyFontSize(m_fontSize.nextUp()); }

void Editor::applyFontSize(std::optional<int> size)
{
    if (!size)
        return;
    // A size the fonts cannot take stops here, before anything changed.
    if (*size < 1 || *size > kMaxFontSize) {
        emit bannerMessage(fontSizeError());
        return;
    }
    changeFont(m_picture, [&](QFont &f) { f.setPointSize(*size); });
    m_fontSize.setValue(*size);
    emit fontSizeChanged(m_fontSize.text());
    changeFont(m_fontPreview, [&](QFont &f) { f.setPointSize(*size); });
    m_font.setPointSize(*size);
    m_font.setFamily(m_fontPreview.font().family());
    redrawPreview();
    emit overlayChanged();
}

// ---- Line width and pixel size ----

void Editor::decreaseLineWidth()
{
    if (m_lineWidth.down())
        applyLineWidth();
}

void Editor::increaseLineWidth()
{
    if (m_lineWidth.up())
        applyLineWidth();
}

void Editor::applyLineWidth()
{
    m_picture.setDrawWidth(m_lineWidth.value());
    emit lineWidthChanged(m_lineWidth.text());
    emit overlayChanged();
}

void Editor::decreasePixelSize()
{
    if (m_pixelSize.down())
        emit pixelSizeChanged(m_pixelSize.text());
}

void Editor::increasePixelSize()
{
    if (m_pixelSize.up())
        emit pixelSizeChanged(m_pixelSize.text());
}
