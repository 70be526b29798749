#include "viewer.h"

#include "appearance.h"
#include "windowsetup.h"
#include "geometry.h"
#include "artwork.h"
#include "folderlist.h"
#include "picfile/picturereader.h"
#include "app/dialogs.h"
#include "editor/surfacewidget.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>

Viewer::Viewer(QWidget *parent, const QString &start)
    : QDialog(parent)
{
    windowsetup::makeTopmost(this, "viewer");
    setWindowIcon(artwork::icon());
    appearance::setBackground(this, colours::window);
    setFont(appearance::controlFont());

    // Created in keyboard order: the file list first.
    fileList = new QListWidget(this);
    appearance::place(fileList, "fileList");
    fileList->setFrameStyle(QFrame::Box | QFrame::Plain);
    previewView = new SurfaceWidget(&preview, this);
    appearance::place(previewView, "previewView");
    previewHeader = appearance::header(this, "filePreviewHeader");
    driveList = new QComboBox(this);
    appearance::place(driveList, "driveList");
    driveList->addItems(drives());
    folderList = new FolderList(this);
    appearance::place(folderList, "folderList");
    folderList->setFrameStyle(QFrame::Box | QFrame::Plain);
    sendButton = new QPushButton(geometry::text("sendButton"), this);
    appearance::place(sendButton, "sendButton");
    sendButton->setEnabled(false);
    helpLabel = new QLabel(geometry::text("helpLabel"), this);
    appearance::place(helpLabel, "helpLabel");
    previewHeader->lower(); // a drawn control: under the preview it overlaps

    // The folder of the automatic files, else the home folder.
    if (start.isEmpty() || !setFolder(start))
        setFolder(QDir::homePath());

    connect(driveList, &QComboBox::activated, this, &Viewer::driveChosen);
    connect(folderList, &FolderList::Change, this, &Viewer::folderChosen);
    // The selection, not the current row: the list makes its first row current
    // when it takes the focus, which is not a choice of the user's.
    connect(sendButton, &QPushButton::clicked, this, [this] {
        if (!selectedPath().isEmpty())
            emit sendRequested(selectedPath());
    });
    connect(fileList, &QListWidget::itemSelectionChanged, this, [this] {
        sendButton->setEnabled(!fileList->selectedItems().isEmpty());
        if (fileList->selectedItems().isEmpty())
            return;
        previewSelected();
        m_previewed = true;
    });
    connect(fileList, &QListWidget::itemClicked, this, [this] {
        // A click that changed the selection has already shown its preview.
        if (!m_previewed)
            previewSelected();
        m_previewed = false;
    });
    connect(fileList, &QListWidget::itemDoubleClicked, this, &Viewer::openSelected);
}

Viewer::~Viewer()
{
    // The preview widget shows a member surface: it goes first.
    delete previewView;
}

QStringList Viewer::drives()
{
    QStringList roots;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && QFileInfo(volume.rootPath()).isDir()
            && !roots.contains(volume.rootPath()))
            roots << volume.rootPath();
    roots.removeAll(QDir::rootPath());
    roots.sort();
    roots.prepend(QDir::rootPath());
    return roots;
}

bool Viewer::setFolder(const QString &folder)
{
    if (!folderList->setFolder(folder))
        return false;
    folderChosen();
    return true;
}

QString Viewer::folder() const
{
    return folderList->path();
}

QString Viewer::selectedPath() const
{
    const QList<QListWidgetItem *> items = fileList->selectedItems();
    if (items.isEmpty())
        return {};
    QString path = folder();
    // A root already ends with its separator.
    if (!path.endsWith(u'/'))
        path += u'/';
    return QDir::toNativeSeparators(path + items.constFirst()->text());
}

void Viewer::driveChosen()
{
    // Picking the drive already shown again changes nothing.
    if (driveList->currentIndex() == m_drive)
        return;
    // A volume that cannot be read is passed over: the lists keep their folder.
    if (!setFolder(driveList->currentText()))
        driveList->setCurrentIndex(m_drive);
}

void Viewer::folderChosen()
{
    {
        const QSignalBlocker blocker(fileList);
        fileList->clear(); // no selection carries over to another folder
    }
    showDriveOf(folder());
    fillFileList();
}

void Viewer::showDriveOf(const QString &folder)
{
    const int index = driveList->findText(QStorageInfo(folder).rootPath());
    if (index >= 0)
        driveList->setCurrentIndex(index);
    m_drive = driveList->currentIndex();
}

void Viewer::fillFileList()
{
    const QSignalBlocker blocker(fileList);
    const QList<QListWidgetItem *> selected = fileList->selectedItems();
    const QString chosen = selected.isEmpty() ? QString() : selected.constFirst()->text();
    fileList->clear();
    const QDir dir(folder());
    fileList->addItems(dir.entryList({QStringLiteral("*.89i")}, QDir::Files,
                                  QDir::Name | QDir::IgnoreCase));
    // A file still there stays selected.
    const QList<QListWidgetItem *> same = fileList->findItems(chosen, Qt::MatchExactly);
    if (!chosen.isEmpty() && !same.isEmpty())
        fileList->setCurrentItem(same.constFirst());
}

void Viewer::showEvent(QShowEvent *event)
{
    fillFileList();
    QDialog::showEvent(event);
}

void Viewer::previewSelected()
{
    const QString path = selectedPath();
    if (path.isEmpty())
        return;
    QString error;
    // A file that cannot be read leaves the preview as it was; one that holds no
    // picture shows blank.
    const auto picture = picfile::read(path, preview.size(), &error, picfile::NoPicture::Blank);
    if (picture) {
        preview.cls();
        picfile::draw(*picture, preview.image());
    } else {
        Dialogs::current().message(error, Dialogs::Icon::Exclamation);
    }
    preview.refresh();
}

void Viewer::openSelected()
{
    const QString path = selectedPath();
    if (!path.isEmpty())
        emit openRequested(path);
}

void Viewer::closeEvent(QCloseEvent *event)
{
    // The user's close only hides the viewer; it is destroyed with the program.
    event->ignore();
    hide();
}
