#include "menus.h"

#include "commandbutton.h"
#include "conversionchoices.h"
#include "mainpanel.h"
#include "geometry.h"

#include "editor/selectiontool.h"

#include <QActionGroup>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>

namespace {

QAction *item(QMenu *menu, const QString &text, const QList<QKeySequence> &shortcuts = {})
{
    QAction *action = menu->addAction(text);
    action->setShortcuts(shortcuts);
    return action;
}

// Triggering the item raises the button's clicked: whatever the button runs, the item runs.
QAction *buttonItem(QMenu *menu, const QString &text, CommandButton *btn, const QList<QKeySequence> &shortcuts = {})
{
    QAction *action = item(menu, text, shortcuts);
    QObject::connect(action, &QAction::triggered, btn, &CommandButton::clicked);
    return action;
}

// A checkable item that clicks the option button and shows its state.
QAction *option(QMenu *menu, QActionGroup *group, const char *name, QRadioButton *radio)
{
    // The caption's first letter is the item's mnemonic.
    QAction *action = item(menu, u'&' + geometry::text(name));
    action->setCheckable(true);
    action->setChecked(radio->isChecked());
    group->addAction(action);
    QObject::connect(action, &QAction::triggered, radio, &QAbstractButton::click);
    QObject::connect(radio, &QAbstractButton::toggled, action, &QAction::setChecked);
    return action;
}

} // namespace

Menus::Menus(MainPanel &panel, QMenuBar *bar)
    : QObject(bar)
    , m_panel(panel)
{
    buildFileMenu(bar);
    buildEditMenu(bar);
    buildImageMenu(bar);
    buildConversionMenu(bar);
    buildToolsMenu(bar);
    buildHelpMenu(bar);
}

void Menus::buildFileMenu(QMenuBar *bar)
{
    fileMenu = bar->addMenu(QStringLiteral("&Fichier"));
    open = buttonItem(fileMenu, QStringLiteral("&Ouvrir..."), m_panel.commandButtons[MainPanel::OpenCommand], {QKeySequence(Qt::CTRL | Qt::Key_O)});
    buildRecentMenu();
    // A text box with the focus takes Ctrl+V for itself and pastes text.
    paste = buttonItem(fileMenu, QStringLiteral("&Importer le presse-papier"), m_panel.commandButtons[MainPanel::PasteCommand],
                      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V)});
    fileMenu->addSeparator();
    saveAs = buttonItem(fileMenu, QStringLiteral("Sauver so&us..."), m_panel.commandButtons[MainPanel::SaveAsCommand],
                        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)});
    saveAutomatically = buttonItem(fileMenu, QStringLiteral("&Sauver automatiquement"), m_panel.commandButtons[MainPanel::SaveAutomaticallyCommand],
                        {QKeySequence(Qt::CTRL | Qt::Key_S)});
    fileMenu->addSeparator();
    sendToCalculator = item(fileMenu, QStringLiteral("&Envoyer à la calculatrice"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E)});
    connect(sendToCalculator, &QAction::triggered, &m_panel, &MainPanel::sendToCalculator);
    linkSettings = item(fileMenu, QStringLiteral("&Liaison..."));
    connect(linkSettings, &QAction::triggered, &m_panel, &MainPanel::showLinkDialog);
    fileMenu->addSeparator();
    viewer = buttonItem(fileMenu, QStringLiteral("&Visualisateur d'images"), m_panel.commandButtons[MainPanel::ViewerCommand]);
    fileMenu->addSeparator();
    quit = item(fileMenu, QStringLiteral("&Quitter"), {QKeySequence(Qt::CTRL | Qt::Key_Q)});
    connect(quit, &QAction::triggered, this, [this] { m_panel.window()->close(); });
}

void Menus::buildRecentMenu()
{
    recentMenu = fileMenu->addMenu(QStringLiteral("Ouvrir un fichier &récent"));
    recentMenu->setToolTipsVisible(true);
    // The items stay and change their text: the one chosen is never deleted under
    // its own signal, and the keys work with the menu closed.
    for (size_t i = 0; i < recentItems.size(); ++i) {
        QAction *action = recentItems[i] = recentMenu->addAction(QString());
        if (i < 9)
            action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_1 + int(i))));
        connect(action, &QAction::triggered, this, [this, action] { m_panel.openRecentFile(action->data().toString()); });
    }
    noRecentFile = recentMenu->addAction(QStringLiteral("(aucun)"));
    noRecentFile->setEnabled(false);
    recentMenu->addSeparator();
    clearRecentFiles = recentMenu->addAction(QStringLiteral("&Effacer la liste"));
    connect(clearRecentFiles, &QAction::triggered, this, [this] {
        m_panel.recentFiles.clear();
        showRecentFiles();
    });
    connect(recentMenu, &QMenu::aboutToShow, this, &Menus::showRecentFiles);
    connect(&m_panel, &MainPanel::recentFilesChanged, this, &Menus::showRecentFiles);
    showRecentFiles();
}

void Menus::showRecentFiles()
{
    const QStringList paths = m_panel.recentFiles.paths();
    for (size_t i = 0; i < recentItems.size(); ++i) {
        QAction *action = recentItems[i];
        const bool shown = qsizetype(i) < paths.size();
        action->setVisible(shown);
        if (!shown)
            continue;
        // "&1 chat.jpg" ... "1&0 chien.png"; an ampersand of the name stays one.
        const QString number = i < 9 ? u'&' + QString::number(i + 1) : QStringLiteral("1&0");
        const QString name = QFileInfo(paths[i]).fileName().replace(u'&', QStringLiteral("&&"));
        action->setText(number + u' ' + name);
        action->setData(paths[i]);
        action->setToolTip(QDir::toNativeSeparators(paths[i]));
        action->setStatusTip(action->toolTip());
    }
    noRecentFile->setVisible(paths.isEmpty());
    clearRecentFiles->setEnabled(!paths.isEmpty());
}

void Menus::buildEditMenu(QMenuBar *bar)
{
    editMenu = bar->addMenu(QStringLiteral("&Édition"));
    undo = item(editMenu, QStringLiteral("&Annuler"), {QKeySequence(Qt::CTRL | Qt::Key_Z)});
    redo = item(editMenu, QStringLiteral("&Rétablir"),
                       {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    editMenu->addSeparator();
    cut = item(editMenu, QStringLiteral("Co&uper"), {QKeySequence(Qt::CTRL | Qt::Key_X)});
    copy = item(editMenu, QStringLiteral("&Copier"), {QKeySequence(Qt::CTRL | Qt::Key_C)});
    pasteIntoPicture = item(editMenu, QStringLiteral("C&oller"), {QKeySequence(Qt::CTRL | Qt::Key_V)});
    clearSelection = item(editMenu, QStringLiteral("&Effacer la sélection"), {QKeySequence(Qt::Key_Delete)});
    selectAll = item(editMenu, QStringLiteral("&Tout sélectionner"), {QKeySequence(Qt::CTRL | Qt::Key_A)});
    // In every window of the program (the zoom window's canvas too); a text box with
    // the focus keeps its own copy, paste and delete.
    for (QAction *action : {undo, redo, cut, copy, pasteIntoPicture, selectAll})
        action->setShortcutContext(Qt::ApplicationShortcut);
    connect(undo, &QAction::triggered, this, [this] { m_panel.undo(); });
    connect(redo, &QAction::triggered, this, [this] { m_panel.redo(); });
    connect(cut, &QAction::triggered, this, [this] { m_panel.cutSelection(); });
    connect(copy, &QAction::triggered, this, [this] { m_panel.copySelection(); });
    connect(pasteIntoPicture, &QAction::triggered, this, [this] { m_panel.pasteIntoPicture(); });
    connect(clearSelection, &QAction::triggered, this, [this] { m_panel.editor.selection().clear(); });
    connect(selectAll, &QAction::triggered, this, [this] { m_panel.editor.selectAll(); });
    // Greyed while they would do nothing; out of the menu, the keys always work (and
    // then do nothing anyway).
    const QList<QAction *> selectionItems = {cut, copy, clearSelection};
    connect(editMenu, &QMenu::aboutToShow, this, [this, selectionItems] {
        // Pixels moved and still floating are a change to undo.
        undo->setEnabled(m_panel.history.canUndo() || m_panel.editor.selection().floating());
        redo->setEnabled(m_panel.history.canRedo());
        for (QAction *action : selectionItems)
            action->setEnabled(!m_panel.editor.selection().area().isEmpty());
    });
    connect(editMenu, &QMenu::aboutToHide, this, [this, selectionItems] {
        undo->setEnabled(true);
        redo->setEnabled(true);
        for (QAction *action : selectionItems)
            action->setEnabled(true);
    });
}

void Menus::buildImageMenu(QMenuBar *bar)
{
    // Of the selection, or of the whole picture when nothing is selected.
    imageMenu = bar->addMenu(QStringLiteral("&Image"));
    flipHorizontally = item(imageMenu, QStringLiteral("Retourner &horizontalement"));
    flipVertically = item(imageMenu, QStringLiteral("Retourner &verticalement"));
    invertColours = item(imageMenu, QStringLiteral("&Inverser les couleurs"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_I)});
    imageMenu->addSeparator();
    cropToSelection = item(imageMenu, QStringLiteral("&Recadrer sur la sélection"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_X)});
    SelectionTool &selection = m_panel.editor.selection();
    connect(flipHorizontally, &QAction::triggered, this, [&selection] { selection.flip(Qt::Horizontal); });
    connect(flipVertically, &QAction::triggered, this, [&selection] { selection.flip(Qt::Vertical); });
    connect(invertColours, &QAction::triggered, this, [&selection] { selection.invert(); });
    connect(cropToSelection, &QAction::triggered, this, [this] { m_panel.cropToSelection(); });
    connect(imageMenu, &QMenu::aboutToShow, this, [this, &selection] { cropToSelection->setEnabled(!selection.area().isEmpty()); });
    connect(imageMenu, &QMenu::aboutToHide, this, [this] { cropToSelection->setEnabled(true); });
}

void Menus::buildConversionMenu(QMenuBar *bar)
{
    conversionMenu = bar->addMenu(QStringLiteral("&Conversion"));
    convert = buttonItem(conversionMenu, QStringLiteral("&Convertir"), m_panel.commandButtons[MainPanel::ConvertCommand], {QKeySequence(Qt::Key_F5)});
    automaticLevel = item(conversionMenu, QStringLiteral("Niveau a&utomatique"));
    connect(automaticLevel, &QAction::triggered, this, [this] { m_panel.automaticLevel(); });
    // Like the slider, it means nothing to the simple method.
    automaticLevel->setEnabled(m_panel.greyMethodButton->isChecked());
    connect(m_panel.greyMethodButton, &QAbstractButton::toggled, automaticLevel, &QAction::setEnabled);
    conversionMenu->addSeparator();
    auto *methods = new QActionGroup(this);
    simpleMethod = option(conversionMenu, methods, "simpleMethodButton", m_panel.simpleMethodButton);
    greyMethod = option(conversionMenu, methods, "greyMethodButton", m_panel.greyMethodButton);
    conversionMenu->addSeparator();
    const ConversionChoices &choices = *m_panel.conversionChoices;
    ditheringMenu = conversionMenu->addMenu(QStringLiteral("&Tramage"));
    ditheringMenu->addActions(choices.methodActions);
    toneMenu = conversionMenu->addMenu(QStringLiteral("&Rendu des tons"));
    toneMenu->addActions(choices.toneActions);
    conversionMenu->addAction(choices.autoContrast);
    compareMethods = item(conversionMenu, QStringLiteral("Com&parer les méthodes..."), {QKeySequence(Qt::CTRL | Qt::Key_M)});
    connect(compareMethods, &QAction::triggered, this, [this] { m_panel.openMethodsGallery(); });
    buildFramingItems(conversionMenu);
    conversionMenu->addSeparator();
    auto *reductions = new QActionGroup(this);
    reductionMean = reduction(conversionMenu, reductions, QStringLiteral("Réduction : &moyenne (photos)"),
                                 Reduction::Mean);
    reductionAnd = reduction(conversionMenu, reductions, QStringLiteral("Réduction : &ET logique (dessins au trait)"),
                            Reduction::And);
    // Undo and redo may have brought another reduction back.
    connect(conversionMenu, &QMenu::aboutToShow, this, [this] {
        (m_panel.document.settings.reduction == Reduction::And ? reductionAnd : reductionMean)->setChecked(true);
    });
}

void Menus::buildFramingItems(QMenu *menu)
{
    menu->addSeparator();
    frameMenu = menu->addMenu(QStringLiteral("Ca&dre"));
    wholePicture = item(frameMenu, QStringLiteral("&Toute l'image"));
    connect(wholePicture, &QAction::triggered, this, [this] { m_panel.chooseFrame(QRect()); });
    trimMargins = item(menu, QStringLiteral("R&ogner les marges"));
    connect(trimMargins, &QAction::triggered, this, [this] { m_panel.frameContent(); });
    menu->addSeparator();
    const auto turn = [&](const QString &text, Orientation by) {
        QAction *action = item(menu, text);
        connect(action, &QAction::triggered, this, [this, by] { m_panel.turnSource(by); });
        return action;
    };
    rotateLeft = turn(QStringLiteral("Rotation 90° à &gauche"), Orientation::clockwise(-1));
    rotateRight = turn(QStringLiteral("Rotation 90° à dro&ite"), Orientation::clockwise(1));
    rotateHalf = turn(QStringLiteral("Rotation &180°"), Orientation::clockwise(2));
    mirrorHorizontal = turn(QStringLiteral("Miroir &horizontal"), Orientation::horizontalMirror());
    mirrorVertical = turn(QStringLiteral("Miroir &vertical"), Orientation::verticalMirror());
    menu->addSeparator();

    sizeMenu = menu->addMenu(QStringLiteral("T&aille"));
    auto *sizes = new QActionGroup(this);
    const auto size = [&](const QString &text, QSize chosen) {
        QAction *action = item(sizeMenu, text);
        action->setCheckable(true);
        sizes->addAction(action);
        if (chosen.isValid())
            connect(action, &QAction::triggered, this, [this, chosen] { m_panel.chooseOutputSize(chosen); });
        return action;
    };
    calculatorScreen = size(QStringLiteral("Écran TI-89 (160 x 100)"), QSize(Document::kScreenWidth, Document::kScreenHeight));
    graphScreen = size(QStringLiteral("Écran graphique TI-89 (159 x 77)"),
                       QSize(Document::kGraphScreenWidth, Document::kGraphScreenHeight));
    freeSize = size(QStringLiteral("&Libre"), QSize());
    // The spinners may have left a screen's size.
    connect(sizeMenu, &QMenu::aboutToShow, this, [this] {
        const QSize output(m_panel.document.outputWidth, m_panel.document.outputHeight);
        (output == QSize(Document::kScreenWidth, Document::kScreenHeight)             ? calculatorScreen
         : output == QSize(Document::kGraphScreenWidth, Document::kGraphScreenHeight) ? graphScreen
                                                                                        : freeSize)
            ->setChecked(true);
    });
}

QAction *Menus::reduction(QMenu *menu, QActionGroup *group, const QString &text, Reduction choice)
{
    QAction *action = item(menu, text);
    action->setCheckable(true);
    action->setChecked(m_panel.document.settings.reduction == choice);
    group->addAction(action);
    // Like a committed move of the slider: the picture is fitted and converted again.
    connect(action, &QAction::triggered, this, [this, choice] {
        if (m_panel.document.settings.reduction != choice)
            m_panel.document.changeReduction(choice);
    });
    return action;
}

void Menus::buildToolsMenu(QMenuBar *bar)
{
    toolsMenu = bar->addMenu(QStringLiteral("&Outils"));
    // The tools, then the rectangle's validation.
    const qsizetype tools = qsizetype(m_panel.editor.tools().size());
    toolsMenu->addActions(m_panel.toolActions.first(tools));
    toolsMenu->addSeparator();
    toolsMenu->addActions(m_panel.toolActions.sliced(tools));
}

void Menus::buildHelpMenu(QMenuBar *bar)
{
    helpMenu = bar->addMenu(QStringLiteral("&Aide"));
    about = item(helpMenu, QStringLiteral("À &propos"), {QKeySequence(Qt::Key_F1)});
    connect(about, &QAction::triggered, this, [this] { m_panel.showAbout(); });
}
