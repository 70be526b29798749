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
class explo : public QDialog
{
    Q_OBJECT

public:
    // Opens a file in the main window; false, with the reason in French, when the
    // file cannot be read (the main window's pictures are then left as they were).
    using Ouverture = std::function<bool(const QString &path, QString *error)>;

    // depart: the folder shown first (the home folder when empty or unreadable).
    explicit explo(Ouverture ouvrir, QWidget *parent = nullptr, const QString &depart = QString());
    ~explo() override;

    // The volumes the drive list offers: the root first, then the other mounted ones.
    static QStringList lecteurs();

    // Dir1's folder; false (nothing changes) for a folder that cannot be read.
    bool setDossier(const QString &folder);
    QString dossier() const;
    // The folder and the name selected in File1 (empty without a selection).
    QString cheminSelection() const;

    Surface picture1{160, 100, kBlanc}; // the preview
    QLabel *Label5 = nullptr;
    SurfaceWidget *Picture1 = nullptr;
    QComboBox *Drive1 = nullptr;
    ListeDossiers *Dir1 = nullptr;
    QListWidget *File1 = nullptr;
    QLabel *Label1 = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;
    // Files saved since the last showing appear.
    void showEvent(QShowEvent *event) override;

private:
    void Drive1_Change();
    void Dir1_Change();
    void File1_Click();
    void File1_DblClick();
    void remplirFichiers();
    void afficherLecteur(const QString &folder);

    Ouverture m_ouvrir;
    int m_lecteur = -1;        // the drive shown before a change, to go back to
    bool m_apercuFait = false; // the selected file was just previewed by the selection change
};
