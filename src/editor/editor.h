#pragma once

#include "spinner.h"
#include "tool.h"

#include "platform/surface.h"

#include <QFont>
#include <QObject>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

// The picture editor without widgets: the registered tools and the current one,
// the settings they share (pixel size, line width, the text, its font and the
// font preview), and the routing of the canvas's pointer and keys to the
// current tool. Only validations, fills and pixel-tool strokes change the
// picture's pixels; a pending shape floats over it until then.
class SelectionTool;

class Editor : public QObject
{
    Q_OBJECT

public:
    // A registered tool and what a window needs to offer it.
    struct ToolEntry
    {
        QString caption; // the menu item's text
        Qt::Key key = Qt::Key_unknown; // its shortcut
        std::unique_ptr<Tool> tool;
    };

    // Registers the tools; the fonts start as at start-up (7 points).
    explicit Editor(Surface &picture, QObject *parent = nullptr);
    ~Editor() override;

    Surface &picture() { return m_picture; }
    const Surface &picture() const { return m_picture; }
    // The font preview (160 x 25), always showing "Sample Text".
    Surface &fontPreview() { return m_fontPreview; }
    const Surface &fontPreview() const { return m_fontPreview; }

    // The tools in registration order: the tools frame's option buttons select
    // the first five by position.
    const std::vector<ToolEntry> &tools() const { return m_tools; }
    // Registers a tool made as T(editor, args...) after the others, with its
    // menu caption and shortcut key.
    template <class T, class... Args> T &addTool(const QString &caption, Qt::Key key, Args &&...args);
    // The first registered tool of type T (null when there is none).
    template <class T> T *tool() const;
    // The current tool's index in tools(), -1 for none.
    int currentIndex() const { return m_current; }
    Tool *currentTool() const;
    // Selects tools()[index], or no tool when index is out of range. The other
    // tools' pending shapes are dropped undrawn; the same tool keeps its own.
    void selectTool(int index);

    const Spinner &fontSize() const { return m_fontSize; } // points
    const Spinner &lineWidth() const { return m_lineWidth; }
    const Spinner &pixelSize() const { return m_pixelSize; }
    const QString &text() const { return m_text; }
    // The text tool's font: the chosen family, size and styles, drawn without antialiasing.
    const QFont &font() const { return m_font; }

    // Sizes above this are refused like a size the fonts cannot take.
    static constexpr int kMaxFontSize = 1000;
    static QString fontSizeError();

    void setText(const QString &text);
    void setFontFamily(const QString &family);
    void setUnderline(bool on);
    void setBold(bool on);
    void setItalic(bool on);
    void setStrikeOut(bool on);
    void decreaseFontSize();
    void increaseFontSize();
    void decreaseLineWidth();
    void increaseLineWidth();
    void decreasePixelSize();
    void increasePixelSize();

    // The pointer over the canvas, in canvas pixels. Only the left, right and
    // middle buttons reach the tools; every release ends a step.
    void press(const QPointF &at, Qt::MouseButton button, Qt::KeyboardModifiers modifiers = {});
    void move(const QPointF &at, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers = {});
    void release(const QPointF &at, Qt::MouseButton button);
    // A key on the canvas: Enter validates, Échap cancels, the arrows nudge, Suppr
    // clears the selection, [ and ] make the current tool's stroke thinner or
    // thicker (the pixel size, the line width), F1 asks for the about window.
    void keyPress(Qt::Key key);
    // The selection tool, always registered.
    SelectionTool &selection() const;
    // Pastes a picture into the work picture (cut to it, black and white) as floating
    // pixels at the top-left corner, the selection tool current.
    void paste(const QImage &pixels);
    // The whole picture selected, the selection tool current.
    void selectAll();
    // Whether the current tool's rubber band takes a press at this point.
    bool overlayContains(const QPointF &at) const;
    // A click on the rubber band: the tool takes it, and the canvas the focus.
    void clickOverlay();
    void paintOverlay(QPainter &painter) const;
    void requestCanvasFocus();

signals:
    void coordinatesChanged(const QString &text); // "12x34", truncated toward zero
    void aboutRequested();
    void bannerMessage(const QString &text);
    void canvasFocusRequested();
    void overlayChanged();
    void fontSizeChanged(const QString &text);
    void lineWidthChanged(const QString &text);
    void pixelSizeChanged(const QString &text);
    // A change of the picture ended: a stroke (press to release), a fill or a
    // validation. What it changed is one undo step.
    void stepFinished();
    // The current tool changed (index as currentIndex()).
    void toolChanged(int index);

private:
    void registerTools();
    void resizeToolStroke(const Tool *tool, bool up);
    void makeSelectionCurrent();
    void redrawPreview();
    void applyStyle(void (QFont::*set)(bool), bool (QFont::*get)() const, bool on);
    void applyFontSize(std::optional<int> size);
    void applyLineWidth();

    Surface &m_picture;
    Surface m_fontPreview{160, 25};
    std::vector<ToolEntry> m_tools;
    int m_current = -1;
    Spinner m_fontSize{6, 1, 1, std::nullopt};
    Spinner m_lineWidth{1, 1, 1, std::nullopt};
    Spinner m_pixelSize{1, 1, 1, std::nullopt};
    QString m_text;
    QFont m_font;
};

template <class T, class... Args> T &Editor::addTool(const QString &caption, Qt::Key key, Args &&...args)
{
    auto tool = std::make_unique<T>(*this, std::forward<Args>(args)...);
    T &added = *tool;
    m_tools.push_back({caption, key, std::move(tool)});
    return added;
}

template <class T> T *Editor::tool() const
{
    for (const ToolEntry &entry : m_tools)
        if (auto *found = dynamic_cast<T *>(entry.tool.get()))
            return found;
    return nullptr;
}
