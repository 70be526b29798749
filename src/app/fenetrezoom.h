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
class FenetreZoom : public QWidget
{
    Q_OBJECT

public:
    // outils: the tool bar's actions, shared with the main window.
    explicit FenetreZoom(Editor &editeur, const QList<QAction *> &outils = {}, QWidget *parent = nullptr);

    QToolBar *barreOutils = nullptr;
    ZoomScreen *ecran = nullptr;
};
