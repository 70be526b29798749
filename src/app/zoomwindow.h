#pragma once

#include <QList>
#include <QWidget>

class Editor;
class ZoomScreen;
class QAction;
class QToolBar;

// The zoomed preview "Apercu Zoomé": the work picture enlarged on a simulated
// calculator screen, followed live, on which every editing tool works. A small
// tool bar holds the tools. It keeps itself above other windows, can be resized
// (the dots keep a whole size) and is destroyed when closed.
class ZoomWindow : public QWidget
{
    Q_OBJECT

public:
    // tools: the tool bar's actions, shared with the main window.
    explicit ZoomWindow(Editor &editor, const QList<QAction *> &tools = {}, QWidget *parent = nullptr);

    QToolBar *toolBar = nullptr;
    ZoomScreen *zoomScreen = nullptr;
};
