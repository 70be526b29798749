#pragma once

#include "convert/tramage.h"
#include "platform/surface.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <functional>

class QWidget;

// The conversion settings: with the fit, what gives a conversion its pixels. A new
// setting is one more field here and one more line in reglages() and setReglages().
struct Reglages
{
    int niveauGris = 0;
    bool methodeSimple = false;
    bool inverserCouleurs = false;
    traitement::Tramage tramage = traitement::Tramage::Aucun;
    Reduction reduction = Reduction::Moyenne;
    bool operator==(const Reglages &) const = default;
};

// What goes with the work picture's pixels: where the fitted picture lies in it,
// and the settings it was converted with.
struct EtatImage
{
    int largeur = 0;
    int hauteur = 0;
    int x0 = 0;
    int y0 = 0;
    Reglages reglages;
    bool operator==(const EtatImage &) const = default;
};

// The main window's conversion state and its commands, without widgets: loading a
// source, fitting it, converting, naming and saving. The window binds its controls
// to the public members and runs the commands on clicks; the command line and the
// tests drive it directly. Messages and file dialogs go through Dialogs::current().
class ConversionState
{
public:
    // The work picture and the preview: the calculator screen.
    static constexpr int kLargeurEcran = 160;
    static constexpr int kHauteurEcran = 100;

    ConversionState();
    // A state whose program folder is the given one (setCheminAppli()); it asks
    // nothing of the application object, so a worker thread may make one.
    explicit ConversionState(const QString &cheminAppli);

    // The three pictures use a white background: cleared parts then count as clear
    // pixels in the file (only exact white is clear).
    Surface imageSource{392, 216, kBlanc}; // source frame, the source at its natural size
    Surface apercuSource{kLargeurEcran, kHauteurEcran, kBlanc}; // source preview
    Surface travail{kLargeurEcran, kHauteurEcran, kBlanc}; // work picture

    // The picture last put into the work picture: its size and its top-left corner.
    int largeur = kLargeurEcran;
    int hauteur = kHauteurEcran;
    int x0 = 0;
    int y0 = 0;

    // Option values, bound to the window's controls.
    int largeurSortie = kLargeurEcran;  // output width (16 to 160 by 16 in the window)
    int hauteurSortie = kHauteurEcran;  // output height (2 to 100 by 2 in the window)
    bool conserverProportions = false;        // "Conserver les proportions"
    bool methodeSimple = false;       // "Noir & Blanc simple"; false: "Via Grayscale 1" (choixMethodeGris)
    int niveauGris = 0;            // grey-level correction, -50 to 50
    bool inverserCouleurs = false;        // "Inverser les couleurs"
    // "Tramage": the grey-level method dithers the fitted picture (the check box
    // gives FloydSteinberg; the command line any method).
    traitement::Tramage tramage = traitement::Tramage::Aucun;
    // How every stretch of the source merges a block of pixels when it shrinks:
    // the mean for photographs, the AND for line drawings ("Réduction" in the
    // "Conversion" menu, --reduction on the command line).
    Reduction reduction = Reduction::Moyenne;
    bool optionsAvancees = false;        // "Options avancées"
    QString nomVariable;              // variable name of the advanced options (8 characters at most)
    QString nomDossier = QStringLiteral("zfig"); // folder name of the advanced options
    QString methodeUtilisee = QStringLiteral("Noir et blanc simple"); // name of the method that ran last
    QString nomSuivant = QStringLiteral("Label4"); // next automatic name

    // The settings as the controls stand, and setting them all at once.
    Reglages reglages() const;
    void setReglages(const Reglages &r);
    // The fit and the settings of the work picture as it stands; restaurer() puts
    // them back (undo, redo), the controls' settings included.
    EtatImage etatImage() const { return {largeur, hauteur, x0, y0, m_reglagesImage}; }
    void restaurer(const EtatImage &etat);

    // The program's folder, always ending with the platform's separator; by
    // default the folder of the executable.
    const QString &cheminAppli() const { return m_cheminAppli; }
    // A folder given here is used as it is for the automatic files, writable or not.
    void setCheminAppli(const QString &folder);
    // Where the automatic files go and nomSuivant looks: the program's folder, except
    // when it is the executable's own folder and cannot be written to (an
    // installed program); then the fallback folder, created by the first
    // automatic save. Ends with the platform's separator.
    QString dossierAutomatique() const;
    // The fallback folder; by default the user's pictures folder + "Brivane".
    void setDossierRepli(const QString &folder);
    // How the executable's folder is checked for writing (by default
    // QFileInfo::isWritable(); tests decide, as root can write everywhere).
    void setTestEcriture(std::function<bool(const QString &)> test) { m_ecriture = std::move(test); }

    // The window that owns the file dialogs.
    void setDialogOwner(QWidget *owner) { m_owner = owner; }
    // Called after a command changed the labels, text boxes or sizes.
    void setChangeHandler(std::function<void()> handler) { m_changed = std::move(handler); }

    // Start-up: the source from a picture file (an empty path: from the clipboard),
    // stretched into the work picture and the preview, converted at level 0; nomSuivant
    // and nomVariable show the first free automatic name. An unreadable file is reported
    // and leaves a blank source.
    void demarrer(const QString &cheminSource);

    // "Ouvrir Fichier": the open dialog, then ouvrirFichier().
    void ouvrirImage();
    // Whether the open command reads a file as a calculator picture: its name ends
    // in "89i", in any case, with or without a dot.
    static bool estImage89i(const QString &path);
    // Opens a chosen file: a name ending in "89i" (any case) is a calculator picture,
    // read into the work picture; anything else is decoded into the source frame and
    // shown in the preview. A failure shows a message and changes nothing.
    void ouvrirFichier(const QString &path);
    // The same without messages: false and the French reason in *error. A picture
    // that opens only in part (damaged or cut short) opens with a French remark in
    // *warning.
    bool chargerFichier(const QString &path, QString *error = nullptr, QString *warning = nullptr);
    // The calculator-picture branch of the open command: the file into the work
    // picture, source frame and preview cleared, largeur x hauteur the file's
    // picture size (at most 160 x 100) from (0, 0).
    bool charger89i(const QString &path, QString *error = nullptr);
    // The image viewer's open: the file into the work picture, the source frame
    // (made 160 x 100) and the preview, with the same size rule.
    bool ouvrirDuVisualisateur(const QString &path, QString *error = nullptr);
    // largeur x hauteur become a calculator picture's size, at most 160 x 100, from (0, 0).
    void adopterTaille89i(QSize tailleFichier);

    // "Importer presse-papier"; without a picture on the clipboard, says so and
    // changes nothing.
    void importerPressePapier();
    // A picture as the source (a null image: a blank source of the same size).
    void importerImage(const QImage &image);

    // The fit of the source into the work picture at largeurSortie x hauteurSortie.
    void ajusteImage();
    // "Convertir": fit, the chosen method, then nomSuivant shows the next automatic name.
    void convertir();
    // The fit and the chosen method alone: nomSuivant is left as it is, so the program's
    // folder is not read (the command line names its outputs itself).
    void convertirImage();
    // Another reduction: the preview is stretched again from the source frame, then
    // the picture is converted, as a move of the slider converts.
    void changerReduction(Reduction choix);
    // "Niveau automatique": the slider level that best separates the dark and light
    // greys of what the fit stretches (the preview, or with "Conserver les
    // proportions" the source frame), by Otsu's method; niveauGris when the picture
    // has a single grey. Changes nothing: the window sets the slider, whose
    // change converts.
    int niveauAutomatique() const;
    // The smallest k for which no ordinary file dossierAutomatique() + nomAutomatique(k) + ".89i" exists.
    int prochainNumero() const;
    // "fig" and k in at least four digits.
    static QString nomAutomatique(int k);

    // "Sauver sous": asks for a name and writes the fitted picture.
    void sauverSous();
    // "Sauver fich. automatiquement": writes the next numbered file in dossierAutomatique().
    void sauverAutomatiquement();
    // The file "Sauver sous" writes for a chosen name, ".89i" appended unless it
    // already ends so (in any case): an existing file as it is, else with the file
    // name (not the folders) in lower case.
    static QString cheminSauverSous(const QString &chosen);

    // The fitted picture: largeur x hauteur pixels of the work picture from (x0, y0),
    // widened to whole bytes with the work picture's pixels to its right (white beyond it).
    Surface imageAjustee() const;
    // Writes imageAjustee() as "Sauver sous" does, without its dialog.
    bool ecrireImageAjustee(const QString &path, const QString &folder, const QString &name,
                            bool confirm, QString *error = nullptr) const;

private:
    void stretchSourceIntoPreview();
    // The smallest free automatic number in a folder.
    int numeroLibre(const QString &dossier) const;
    void avertirOptionsAvancees() const;
    void changed() const;

    Reglages m_reglagesImage; // those of the last conversion
    QString m_cheminAppli;
    bool m_dossierExecutable = true; // m_cheminAppli is the executable's folder
    QString m_dossierRepli;          // empty: the pictures folder + "Brivane"
    std::function<bool(const QString &)> m_ecriture;
    QWidget *m_owner = nullptr;
    // Where the open and save dialogs start: the folder last chosen in either.
    QString m_dossierDialogues;
    QString dossierDialogues() const;
    void retenirDossier(const QString &chemin);
    std::function<void()> m_changed;
};
