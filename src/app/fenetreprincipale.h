#pragma once

#include "convert/document.h"
#include "editor/editor.h"
#include "editor/historique.h"
#include "editor/spinner.h"

#include <QPointer>
#include <QWidget>

#include <array>

class Canvas;
class CommandButton;
class FenetreAPropos;
class FenetreZoom;
class PictureButton;
class SignWidget;
class QAction;
class QActionGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QScrollBar;
class QTimer;
class SurfaceWidget;
class Visualisateur;

// The main window: the source preview, the work picture that is also the editing
// canvas, the conversion options, the tools frame, the command buttons and the
// scrolling banner. The commands run on
// the conversion state and the editor, which hold the pictures and values.
class FenetrePrincipale : public QWidget
{
    Q_OBJECT

public:
    explicit FenetrePrincipale(QWidget *parent = nullptr);
    ~FenetrePrincipale() override;

    // The start-up sequence, run before the window is first shown, with the
    // command-line text (the arguments without the program's name).
    void Form_Load(const QString &ligneCommande);
    // The same from the arguments: several pictures (a file manager's way) open
    // the first one, and a remark says the others were not opened.
    void Form_Load(const QStringList &arguments);
    // The banner's welcome text.
    static QString texteBienvenue();

    // Windows opened from this one (null while closed or not created yet).
    FenetreAPropos *fenetreAPropos() const;
    FenetreZoom *fenetreZoom() const;
    Visualisateur *visualisateur() const { return m_visualisateur; }

    Document document;
    Editor editeur{document.work};
    // Undo and redo of the work picture with its fit and settings: every command
    // and edit that ends is a step.
    Historique historique{document};
    // Édition > Annuler and Rétablir: the history, then the controls show the
    // settings that came back.
    void annuler();
    void retablir();

    // "Niveau automatique": the slider goes to the level that best separates the
    // dark and light greys of what the fit stretches, and its Change converts.
    void niveauAutomatique();
    // The about window, as F1 on the canvas shows it.
    void afficherAPropos();

    // The file commands, with their dialogs and messages (fenetreprincipale_fichier.cpp).
    // "Ouvrir Fichier": the open dialog, then openFile().
    void openWithDialog();
    // Opens a picture or a calculator picture; a failure or a damaged picture is said.
    void openFile(const QString &path);
    // "Importer presse-papier": the clipboard's picture becomes the source; without
    // one, says so and changes nothing.
    void pasteClipboard();
    // A dropped picture becomes the source; one too large is refused with a message.
    void importPicture(const QImage &image);
    // "Sauver sous": asks for a name and writes the fitted picture.
    void saveAs();
    // "Sauver fich. automatiquement": the next numbered file.
    void saveAutomatically();

    std::array<QLabel *, 10> entetes{};
    QLabel *pourcentNiveau = nullptr;
    QScrollBar *niveauGris = nullptr;
    QCheckBox *caseOptionsAvancees = nullptr, *caseProportions = nullptr, *caseInverser = nullptr;
    QCheckBox *caseTramage = nullptr; // "Tramage"
    QRadioButton *choixMethodeSimple = nullptr, *choixMethodeGris = nullptr;
    QLabel *libelleCoordonnees = nullptr, *libelleHauteur = nullptr;
    QLineEdit *boiteNomVariable = nullptr, *boiteDossier = nullptr;
    QLineEdit *boiteTaillePolice = nullptr, *boiteEpaisseur = nullptr, *boiteTaillePixel = nullptr, *boiteLargeur = nullptr,
              *boiteHauteur = nullptr;
    QPlainTextEdit *boiteTexte = nullptr;
    // The magnifier and the spinner arrows.
    enum Icone : size_t {
        Loupe = 1,
        FlecheTaillePlus,
        FlecheTailleMoins,
        FlecheEpaisseurMoins,
        FlecheEpaisseurPlus,
        FlechePixelPlus,
        FlechePixelMoins,
        FlecheLargeurMoins,
        FlecheLargeurPlus,
        FlecheHauteurMoins,
        FlecheHauteurPlus,
    };
    std::array<PictureButton *, 12> icones{}; // from icones[1]
    // The command buttons, by the command they run.
    enum Bouton : size_t {
        BoutonConvertir = 1,
        BoutonImporter,
        BoutonSauverAuto,
        BoutonValiderLigne,
        BoutonValiderTexte,
        BoutonOuvrir,
        BoutonValiderEllipse,
        BoutonSauverSous,
        BoutonVisualisateur,
    };
    std::array<CommandButton *, 10> boutons{}; // from boutons[1]
    SurfaceWidget *vueApercuSource = nullptr, *vueApercuPolice = nullptr;
    Canvas *vueTravail = nullptr;
    QLabel *nomSuivant = nullptr;
    SignWidget *banner = nullptr;
    QTimer *minuterieBanniere = nullptr;
    QGroupBox *groupeOutils = nullptr;
    std::array<QRadioButton *, 5> outils{};
    // The editor's tools as checkable actions with their keys (P O T L E R F), then
    // "Valider le rectangle": shared by the "Outils" menu and the zoom window.
    QList<QAction *> actionsOutils;
    QComboBox *listePolices = nullptr;
    QCheckBox *caseSouligne = nullptr, *caseGras = nullptr, *caseItalique = nullptr, *caseRaye = nullptr;

signals:
    // The window was closed: the program ends.
    void fermee();

protected:
    void closeEvent(QCloseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    // A picture file or a calculator picture is opened, an image imported
    // (fenetreprincipale_glisser.cpp).
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // The start-up sequence with the source picture's path (empty: the clipboard).
    void demarrer(const QString &source);

    // Building the controls (fenetreprincipale_controles.cpp).
    void creerOptions();
    void creerApercus();
    void creerEnregistrement();
    void creerOutils();
    void creerOutilsTexte();
    PictureButton *creerFleche(int index, bool plus, const char *nom, QWidget *parent);
    QLineEdit *creerCompteur(const char *nom, QWidget *parent);
    // Tab goes through the controls as a reader scans the window.
    void setReadingTabOrder();

    // Binding them to the state and the editor (fenetreprincipale_liaisons.cpp).
    void lierCommandes();
    void lierOptions();
    void lierOutils();
    void creerActionsOutils();
    void montrerOutil(int index);
    void actualiser();

    // The option panel (fenetreprincipale_options.cpp).
    void niveauGris_Scroll();
    void niveauGris_Change();
    void choixMethodeSimple_Click();
    void choixMethodeGris_Click();
    void loupe_Click();
    void flecheLargeurMoins_Click();
    void flecheLargeurPlus_Click();
    void flecheHauteurMoins_Click();
    void flecheHauteurPlus_Click();
    void afficherNiveau();
    // The option controls show the state's settings, without converting.
    void afficherReglages();
    // One arrow of the width or height spinner: the box and the state follow.
    void fleche(Spinner &compteur, bool monte, QLineEdit *boite, int &valeur);

    // Hover, banner, secondary windows (fenetreprincipale.cpp).
    void survolFond();
    void minuterieBanniere_Timer();
    void boutonVisualisateur_Click();
    void fermerAPropos();
    void banniere(const QString &texte);

    // Where the open and save dialogs start: the folder last chosen in either.
    QString m_dialogFolder;
    QString dialogFolder() const;
    void rememberFolder(const QString &path);
    void warn(const QString &text);
    void warnIfAdvancedNames();

    Spinner m_largeurSortie{Document::kScreenWidth, 16, 16, Document::kScreenWidth};
    Spinner m_hauteurSortie{Document::kScreenHeight, 2, 2, Document::kScreenHeight};
    int m_niveauAuClic = 0; // niveauGris's value when its thumb was taken
    bool m_parCurseur = false; // the slider's conversion runs: its step joins the previous one
    QPointer<FenetreAPropos> m_fenetreAPropos;
    QPointer<FenetreZoom> m_fenetreZoom;
    Visualisateur *m_visualisateur = nullptr;
};
