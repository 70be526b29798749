#pragma once

#include "platform/surface.h"

#include <QDialog>

#include <functional>

class ListeDossiers;
class QComboBox;
class QLabel;
class QListWidget;
class SurfaceWidget;

// The image viewer "Orvisa": browses drives and folders for calculator pictures,
// previews the file clicked once and opens the file double-clicked into the main
// window. Closing it only hides it, so it shows the same folder, selection and
// preview the next time.
class Visualisateur : public QDialog
{
    Q_OBJECT

public:
    // Opens a file in the main window; false, with the reason in French, when the
    // file cannot be read (the main window's pictures are then left as they were).
    using Ouverture = std::function<bool(const QString &path, QString *error)>;

    // depart: the folder shown first (the home folder when empty or unreadable).
    explicit Visualisateur(Ouverture ouvrir, QWidget *parent = nullptr, const QString &depart = QString());
    ~Visualisateur() override;

    // The volumes the drive list offers: the root first, then the other mounted ones.
    static QStringList lecteurs();

    // listeDossiers's folder; false (nothing changes) for a folder that cannot be read.
    bool setDossier(const QString &folder);
    QString dossier() const;
    // The folder and the name selected in listeFichiers (empty without a selection).
    QString cheminSelection() const;

    Surface apercu{160, 100, kWhite}; // the preview
    QLabel *enteteApercu = nullptr;
    SurfaceWidget *vueApercu = nullptr;
    QComboBox *listeLecteurs = nullptr;
    ListeDossiers *listeDossiers = nullptr;
    QListWidget *listeFichiers = nullptr;
    QLabel *libelleAide = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;
    // Files saved since the last showing appear.
    void showEvent(QShowEvent *event) override;

private:
    void listeLecteurs_Change();
    void listeDossiers_Change();
    void listeFichiers_Click();
    void listeFichiers_DblClick();
    void remplirFichiers();
    void afficherLecteur(const QString &folder);

    Ouverture m_ouvrir;
    int m_lecteur = -1;        // the drive shown before a change, to go back to
    bool m_apercuFait = false; // the selected file was just previewed by the selection change
};
