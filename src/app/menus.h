#pragma once

#include "convert/framing.h"
#include "platform/recentfiles.h"
#include "platform/stretch.h"

#include <QObject>

#include <array>

class MainPanel;
class QAction;
class QActionGroup;
class QMenu;
class QMenuBar;

// The main window's menu bar: every item runs the command of the matching button,
// option button or key of the window, plus undo and redo of the work picture.
class Menus : public QObject
{
    Q_OBJECT

public:
    // Fills the bar; the menus live as long as it.
    Menus(MainPanel &panel, QMenuBar *bar);

    QMenu *fileMenu = nullptr;
    QAction *open = nullptr;
    // "Ouvrir un fichier récent": an item per file (hidden past the list's end), with
    // Ctrl+1..9 on the first nine; "(aucun)" while the list is empty; "Effacer la liste".
    QMenu *recentMenu = nullptr;
    std::array<QAction *, RecentFiles::kMaxCount> recentItems{};
    QAction *noRecentFile = nullptr;
    QAction *clearRecentFiles = nullptr;
    QAction *paste = nullptr;
    QAction *saveAs = nullptr;
    QAction *saveAutomatically = nullptr;
    QAction *sendToCalculator = nullptr; // the work picture, over the link cable
    QAction *linkSettings = nullptr;     // "Liaison..."
    QAction *viewer = nullptr;
    QAction *quit = nullptr;

    QMenu *editMenu = nullptr;
    QAction *undo = nullptr;
    QAction *redo = nullptr;
    QAction *cut = nullptr;
    QAction *copy = nullptr;
    QAction *pasteIntoPicture = nullptr; // "Coller": into the work picture
    QAction *clearSelection = nullptr;
    QAction *selectAll = nullptr;

    QMenu *imageMenu = nullptr;
    QAction *flipHorizontally = nullptr;
    QAction *flipVertically = nullptr;
    QAction *invertColours = nullptr;
    QAction *cropToSelection = nullptr;

    QMenu *conversionMenu = nullptr;
    QAction *convert = nullptr;
    QAction *automaticLevel = nullptr;
    QAction *simpleMethod = nullptr;
    QAction *greyMethod = nullptr;
    QAction *reductionMean = nullptr;
    QAction *reductionAnd = nullptr;
    QMenu *ditheringMenu = nullptr; // "Tramage": every method
    QMenu *toneMenu = nullptr;      // "Rendu des tons"
    QAction *compareMethods = nullptr;
    QMenu *frameMenu = nullptr; // "Cadre"
    QAction *wholePicture = nullptr;
    QAction *trimMargins = nullptr;
    QAction *rotateLeft = nullptr;
    QAction *rotateRight = nullptr;
    QAction *rotateHalf = nullptr;
    QAction *mirrorHorizontal = nullptr;
    QAction *mirrorVertical = nullptr;
    QMenu *sizeMenu = nullptr; // "Taille"
    QAction *calculatorScreen = nullptr;
    QAction *graphScreen = nullptr;
    QAction *freeSize = nullptr;

    QMenu *toolsMenu = nullptr;

    QMenu *helpMenu = nullptr;
    QAction *about = nullptr;

private:
    void buildFileMenu(QMenuBar *bar);
    void buildRecentMenu();
    // The items show the list as it is now.
    void showRecentFiles();
    void buildEditMenu(QMenuBar *bar);
    void buildImageMenu(QMenuBar *bar);
    void buildConversionMenu(QMenuBar *bar);
    void buildFramingItems(QMenu *menu);
    void buildToolsMenu(QMenuBar *bar);
    void buildHelpMenu(QMenuBar *bar);
    // A checkable item of the group that converts again with that reduction.
    QAction *reduction(QMenu *menu, QActionGroup *group, const QString &text, Reduction choice);

    MainPanel &m_panel;
};
