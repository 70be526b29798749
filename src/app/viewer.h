#pragma once

#include "platform/surface.h"

#include <QDialog>


class FolderList;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class SurfaceWidget;

// The image viewer "Orvisa": browses drives and folders for calculator pictures,
// previews the file clicked once and opens the file double-clicked into the main
// window. Closing it only hides it, so it shows the same folder, selection and
// preview the next time.
class Viewer : public QDialog
{
    Q_OBJECT

public:
    // start: the folder shown first (the home folder when empty or unreadable).
    explicit Viewer(QWidget *parent = nullptr, const QString &start = QString());
    ~Viewer() override;

    // The volumes the drive list offers: the root first, then the other mounted ones.
    static QStringList drives();

    // folderList's folder; false (nothing changes) for a folder that cannot be read.
    bool setFolder(const QString &folder);
    QString folder() const;
    // The folder and the name selected in fileList (empty without a selection).
    QString selectedPath() const;

    Surface preview{160, 100, kWhite}; // the preview
    QLabel *previewHeader = nullptr;
    SurfaceWidget *previewView = nullptr;
    QComboBox *driveList = nullptr;
    FolderList *folderList = nullptr;
    QListWidget *fileList = nullptr;
    QLabel *helpLabel = nullptr;
    // Sends the selected file to the calculator (disabled without a selection).
    QPushButton *sendButton = nullptr;

signals:
    // A file was double-clicked: whoever opens it hides the viewer once it opened,
    // or leaves it shown after saying why it could not.
    void openRequested(const QString &path);
    // "Envoyer à la calculatrice" for the selected file.
    void sendRequested(const QString &path);

protected:
    void closeEvent(QCloseEvent *event) override;
    // Files saved since the last showing appear.
    void showEvent(QShowEvent *event) override;

private:
    void driveChosen();
    void folderChosen();
    void previewSelected();
    void openSelected();
    void fillFileList();
    void showDriveOf(const QString &folder);

    int m_drive = -1;        // the drive shown before a change, to go back to
    bool m_previewed = false; // the selected file was just previewed by the selection change
};
