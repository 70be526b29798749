#pragma once

#include "convert/document.h"
#include "editor/editor.h"
#include "editor/history.h"
#include "editor/spinner.h"
#include "platform/recentfiles.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <optional>

class Canvas;
class FramedPreview;
class CommandButton;
class AboutWindow;
class CalculatorTransfer;
class ConversionChoices;
class MethodsGallery;
class ZoomWindow;
class PictureButton;
class SignWidget;
class QAction;
class QActionGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMimeData;
class QPlainTextEdit;
class QRadioButton;
class QScrollBar;
class QTimer;
class SurfaceWidget;
class Viewer;

// The main window: the source preview, the work picture that is also the editing
// canvas, the conversion options, the tools frame, the command buttons and the
// scrolling banner. The commands run on
// the conversion state and the editor, which hold the pictures and values.
class MainPanel : public QWidget
{
    Q_OBJECT

public:
    explicit MainPanel(QWidget *parent = nullptr);
    ~MainPanel() override;

    // The start-up sequence, run before the window is first shown, with the
    // arguments without the program's name: several pictures (a file manager's
    // way) open the first one, and a remark says the others were not opened.
    void start(const QStringList &arguments);
    // The banner's welcome text.
    static QString welcomeText();

    // Windows opened from this one (null while closed or not created yet).
    AboutWindow *aboutWindow() const;
    ZoomWindow *zoomWindow() const;
    MethodsGallery *methodsGallery() const;
    Viewer *viewer() const { return m_viewer; }

    Document document;
    Editor editor{document.work};
    // Undo and redo of the work picture with its fit and settings: every command
    // and edit that ends is a step.
    History history{document};
    // Édition > Annuler and Rétablir: the history, then the controls show the
    // settings that came back.
    void undo();
    void redo();

    // "Niveau automatique": the slider goes to the level that best separates the
    // dark and light greys of what the fit stretches, and its Change converts.
    void automaticLevel();
    // The about window, as F1 on the canvas shows it.
    void showAbout();
    // "Comparer les méthodes": the gallery beside this window.
    void openMethodsGallery();

    // Framing the source (mainpanel_frame.cpp); each converts again as one undo step.
    // A frame drawn on the preview (source pixels; empty: the whole picture).
    void chooseFrame(const QRect &frame);
    // "Rogner les marges".
    void frameContent();
    // The Conversion menu's turns and mirrors.
    void turnSource(const Orientation &by);
    // "Taille": the output size, shown by the spinners.
    void chooseOutputSize(QSize size);

    // The selection's commands (mainpanel_edit.cpp); the others are the selection tool's.
    // Copier: the selected pixels to the system clipboard.
    void copySelection();
    void cutSelection();
    // Coller: the clipboard's picture floats over the work picture, selected.
    void pasteIntoPicture();
    // "Recadrer sur la sélection": the work picture and the saves take the selection's size.
    void cropToSelection();
    // Floating pixels are laid down (before a save, as Enter would).
    void layDownSelection();

    // The file commands, with their dialogs and messages (mainpanel_file.cpp).
    // "Ouvrir Fichier": the open dialog, then openFile().
    void openWithDialog();
    // Opens a picture or a calculator picture; a failure or a damaged picture is said.
    void openFile(const QString &path);
    // "Importer presse-papier": a copied picture file opens as a dropped one, else the
    // clipboard's picture becomes the source; without one, says so and changes nothing.
    void pasteClipboard();
    // A dropped picture becomes the source; one too large is refused with a message.
    void importPicture(const QImage &image);
    // "Sauver sous": asks for a name (suggesting suggestedFileName() in the dialog's
    // folder) and writes the fitted picture; true once written.
    bool saveAs();
    // The name "Sauver sous" suggests: the source's file in lower case with the
    // calculator's extension ("chat.89i" for "Chat.JPG"); empty for a pasted picture.
    QString suggestedFileName() const;
    // What the unsaved-work question calls the picture: the .89i it came from or was
    // last saved to, else the suggested name, else "Sans titre".
    QString pictureName() const;
    // "Sauver fich. automatiquement": the next numbered file.
    void saveAutomatically();
    // Fichier > "Ouvrir un fichier récent": opens the file, or says it is gone and
    // takes it off the list.
    void openRecentFile(const QString &path);

    // "Envoyer à la calculatrice" (mainpanel_file.cpp): the work picture, written to
    // a temporary .89i exactly as "Sauver sous" writes it (floating pixels laid down
    // first), goes over the link cable; the picture and its files stay as they are.
    void sendToCalculator();
    // The viewer's file, as it is.
    void sendFileToCalculator(const QString &path);
    // "Liaison...": the cable and the calculator of the sends.
    void showLinkDialog();
    CalculatorTransfer *calculatorTransfer() const { return m_transfer; }

    // What was opened and saved, with the dialogs' folders, kept between runs.
    RecentFiles recentFiles;

    // The section headers; a click on the work picture's gives the canvas the focus.
    std::vector<QLabel *> headers;
    QLabel *workHeader = nullptr;
    QLabel *levelPercent = nullptr;
    QScrollBar *levelSlider = nullptr;
    QCheckBox *advancedOptionsBox = nullptr, *keepProportionsBox = nullptr, *invertBox = nullptr;
    QCheckBox *ditheringBox = nullptr; // "Tramage"
    // The dithering method, the tone curve and the automatic contrast as actions.
    ConversionChoices *conversionChoices = nullptr;
    QRadioButton *simpleMethodButton = nullptr, *greyMethodButton = nullptr;
    QLabel *coordinatesLabel = nullptr, *heightLabel = nullptr;
    QLineEdit *variableNameBox = nullptr, *calculatorFolderBox = nullptr;
    QLineEdit *fontSizeBox = nullptr, *lineWidthBox = nullptr, *pixelSizeBox = nullptr, *widthBox = nullptr,
              *heightBox = nullptr;
    QPlainTextEdit *textBox = nullptr;
    // The magnifier and the spinner arrows.
    enum Arrow : size_t {
        Magnifier,
        FontSizeUp,
        FontSizeDown,
        LineWidthDown,
        LineWidthUp,
        PixelSizeUp,
        PixelSizeDown,
        WidthDown,
        WidthUp,
        HeightDown,
        HeightUp,
        ArrowCount,
    };
    std::array<PictureButton *, ArrowCount> arrows{};
    // The command buttons, by the command they run.
    enum Command : size_t {
        ConvertCommand,
        PasteCommand,
        SaveAutomaticallyCommand,
        ValidateLineCommand,
        ValidateTextCommand,
        OpenCommand,
        ValidateEllipseCommand,
        SaveAsCommand,
        ViewerCommand,
        CommandCount,
    };
    std::array<CommandButton *, CommandCount> commandButtons{};
    // "Aperçu original", where the frame is drawn.
    FramedPreview *previewView = nullptr;
    SurfaceWidget *fontPreviewView = nullptr;
    Canvas *canvas = nullptr;
    QLabel *nextNameLabel = nullptr;
    SignWidget *banner = nullptr;
    QTimer *bannerTimer = nullptr;
    QGroupBox *toolsFrame = nullptr;
    std::array<QRadioButton *, 5> toolButtons{};
    // The editor's tools as checkable actions with their keys (P O T L E R F), then
    // "Valider la forme": shared by the "Outils" menu and the zoom window.
    QList<QAction *> toolActions;
    QComboBox *fontList = nullptr;
    QCheckBox *underlineBox = nullptr, *boldBox = nullptr, *italicBox = nullptr, *strikeOutBox = nullptr;

signals:
    // The window was closed: the program ends.
    void closed();
    // A file joined or left the recent files.
    void recentFilesChanged();
    // The work picture came to hold unsaved retouches, or no longer does.
    void modifiedChanged(bool modified);

protected:
    void closeEvent(QCloseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    // A picture file or a calculator picture is opened, an image imported
    // (fenetreprincipale_glisser.cpp).
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // The one local file a drop or the clipboard brings, when it is a picture file;
    // empty otherwise (mainpanel_drop.cpp).
    static QString pictureFile(const QMimeData *mime);
    // The start-up sequence with the source picture's path (empty: the clipboard).
    void startWith(const QString &source);

    // Building the controls (fenetreprincipale_controles.cpp).
    void buildOptions();
    void buildPreviews();
    void buildSaving();
    void buildTools();
    void buildTextTool();
    PictureButton *buildArrow(Arrow arrow, bool plus, const char *name, QWidget *parent);
    QLineEdit *buildSpinnerBox(const char *name, QWidget *parent);
    // Tab goes through the controls as a reader scans the window.
    void setReadingTabOrder();

    // Binding them to the state and the editor (fenetreprincipale_liaisons.cpp).
    void bindCommands();
    void bindOptions();
    void bindTools();
    void buildToolActions();
    void showTool(int index);
    void showDocument();
    // The preview shows the document's frame, drawn at the output's proportions when they are kept.
    void showFrame();

    // The option panel (fenetreprincipale_options.cpp).
    void showLevel();
    void convertAtLevel();
    void chooseSimpleMethod();
    void chooseGreyMethod();
    void openZoom();
    void widthDown();
    void widthUp();
    void heightDown();
    void heightUp();
    void showLevelPercent();
    // The option controls show the state's settings, without converting.
    void showSettings();
    // One arrow of the width or height spinner: the box and the state follow.
    void stepSpinner(Spinner &spinner, bool up, QLineEdit *box, int &value);

    // Hover, banner, secondary windows (fenetreprincipale.cpp).
    void pointerOverBackground();
    // The arrow a key stands for in a spinner's box: up or +, down or -.
    std::optional<Arrow> spinnerArrow(const QObject *box, int key) const;
    void scrollBanner();
    void openViewer();
    void closeAbout();
    void showOnBanner(const QString &text);

    // Where the dialog starts: the folder last chosen in it, else the home folder.
    QString dialogFolder(RecentFiles::Dialog dialog) const;
    void addRecentFile(const QString &path);
    void warn(const QString &text);
    void warnIfAdvancedNames();
    // "Fichier enregistré", the file's whole path under it; the picture is then unmodified.
    void saved(const QString &path);
    // Writes the fitted picture to that .89i, named after it; false (said) on failure.
    bool saveTo(const QString &path);
    // The variable name a save to that path writes: the advanced name, else the
    // file's name as the calculator spells it, else fig0000.
    QString variableNameFor(const QString &path) const;
    // A file was opened (a calculator picture is also where the picture came from).
    void fileOpened(const QString &path);
    // Closing while modified: asks, saves when told to; false when the window stays.
    bool mayClose();
    void showModified();

    Spinner m_widthSpinner{Document::kScreenWidth, 16, 16, Document::kScreenWidth};
    Spinner m_heightSpinner{Document::kScreenHeight, 2, 2, Document::kScreenHeight};
    int m_levelAtPress = 0; // levelSlider's value when its thumb was taken
    bool m_bySlider = false; // the slider's conversion runs: its step joins the previous one
    bool m_converted = false; // a conversion ran: the step it makes leaves nothing to save
    QString m_sourceName; // the file the source came from (empty: pasted or dropped)
    QString m_pictureFile; // the .89i the work picture came from or was last saved to
    QPointer<AboutWindow> m_aboutWindow;
    QPointer<ZoomWindow> m_zoomWindow;
    QPointer<MethodsGallery> m_methodsGallery;
    Viewer *m_viewer = nullptr;
    CalculatorTransfer *m_transfer = nullptr;
};
