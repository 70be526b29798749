#pragma once

#include "convert/conversionstate.h"
#include "editor/editeur.h"
#include "editor/historique.h"
#include "editor/spinner.h"

#include <QPointer>
#include <QWidget>

#include <array>

class BtnXP;
class Canevas;
class Form2;
class Form3;
class ImageCliquable;
class MatriceWidget;
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
class explo;

// The main window: the source preview, the work picture that is also the editing
// canvas, the conversion options, the tools frame, the command buttons and the
// scrolling banner. The controls keep their historical names; the commands run
// on the conversion state and the editor, which hold the pictures and values.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);
    ~Form1() override;

    // The start-up sequence, run before the window is first shown, with the
    // command-line text (the arguments without the program's name).
    void Form_Load(const QString &ligneCommande);
    // The same from the arguments: several pictures (a file manager's way) open
    // the first one, and a remark says the others were not opened.
    void Form_Load(const QStringList &arguments);
    // The banner's welcome text.
    static QString texteBienvenue();

    // Windows opened from this one (null while closed or not created yet).
    Form2 *form2() const;
    Form3 *form3() const;
    explo *visualisateur() const { return m_explo; }

    ConversionState etat;
    Editeur editeur{etat.picture2};
    // Undo and redo of the work picture with its fit and settings: every command
    // and edit that ends is a step.
    Historique historique{etat};
    // Édition > Annuler and Rétablir: the history, then the controls show the
    // settings that came back.
    void annuler();
    void retablir();

    // "Niveau automatique": the slider goes to the level that best separates the
    // dark and light greys of what the fit stretches, and its Change converts.
    void niveauAutomatique();
    // The about window, as F1 on the canvas shows it.
    void afficherAPropos();

    std::array<QLabel *, 10> Label{};
    QLabel *lbl = nullptr;
    QScrollBar *slider1 = nullptr;
    QCheckBox *Check1 = nullptr, *Check2 = nullptr, *Check3 = nullptr;
    QCheckBox *Check8 = nullptr; // "Tramage"
    QRadioButton *Option1 = nullptr, *Option2 = nullptr;
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr;
    QLineEdit *Text1 = nullptr, *Text2 = nullptr;
    QLineEdit *Text4 = nullptr, *Text5 = nullptr, *Text6 = nullptr, *Text7 = nullptr,
              *Text8 = nullptr;
    QPlainTextEdit *Text3 = nullptr;
    // Image1 is the magnifier; Image2 to Image11 the spinner arrows.
    std::array<ImageCliquable *, 12> Image{};
    std::array<BtnXP *, 10> btnXP{}; // btnXP[1] to btnXP[9]
    SurfaceWidget *Picture1 = nullptr, *Picture3 = nullptr, *Picture4 = nullptr;
    Canevas *Picture2 = nullptr;
    QLabel *fich = nullptr, *conv = nullptr;
    MatriceWidget *Matrice1 = nullptr;
    QTimer *Timer1 = nullptr;
    QGroupBox *Frame1 = nullptr;
    std::array<QRadioButton *, 5> Optio{};
    // The seven tools as checkable actions with their keys (P O T L E R F), then
    // "Valider le rectangle": shared by the "Outils" menu and the zoom window.
    QList<QAction *> actionsOutils;
    QComboBox *Combo1 = nullptr;
    QCheckBox *Check4 = nullptr, *Check5 = nullptr, *Check6 = nullptr, *Check7 = nullptr;

signals:
    // The window was closed: the program ends.
    void fermee();

protected:
    void closeEvent(QCloseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    // A picture file or a calculator picture is opened, an image imported
    // (form1_glisser.cpp).
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // The start-up sequence with the source picture's path (empty: the clipboard).
    void demarrer(const QString &source);

    // Building the controls (form1_controles.cpp).
    void creerOptions();
    void creerApercus();
    void creerEnregistrement();
    void creerOutils();
    void creerOutilsTexte();
    ImageCliquable *creerFleche(int index, bool plus, const char *nom, QWidget *parent);
    QLineEdit *creerCompteur(const char *nom, QWidget *parent);

    // Binding them to the state and the editor (form1_liaisons.cpp).
    void lierCommandes();
    void lierOptions();
    void lierOutils();
    void creerActionsOutils();
    void montrerOutil(int index);
    void actualiser();

    // The option panel (form1_options.cpp).
    void slider1_Scroll();
    void slider1_Change();
    void Option1_Click();
    void Option2_Click();
    void Image1_Click();
    void Image8_Click();
    void Image9_Click();
    void Image10_Click();
    void Image11_Click();
    void afficherNiveau();
    // The option controls show the state's settings, without converting.
    void afficherReglages();
    // One arrow of the width or height spinner: the box and the state follow.
    void fleche(Spinner &compteur, bool monte, QLineEdit *boite, int &valeur);

    // Hover, banner, secondary windows (form1.cpp).
    void survolFond();
    void Timer1_Timer();
    void btnXP9_Click();
    void fermerAPropos();
    void banniere(const QString &texte);

    Spinner m_text7{ConversionState::kLargeurEcran, 16, 16, ConversionState::kLargeurEcran};
    Spinner m_text8{ConversionState::kHauteurEcran, 2, 2, ConversionState::kHauteurEcran};
    int m_niveauAuClic = 0; // slider1's value when its thumb was taken
    bool m_parCurseur = false; // the slider's conversion runs: its step joins the previous one
    QPointer<Form2> m_form2;
    QPointer<Form3> m_form3;
    explo *m_explo = nullptr;
};
