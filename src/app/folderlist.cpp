#include "folderlist.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QStyle>

FolderList::FolderList(QWidget *parent)
    : QListWidget(parent)
{
    // Queued: opening a folder rebuilds the list, which must not happen while the
    // view is still handling the double click on one of its items.
    connect(this, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *item) {
        const QString path = item->data(Qt::UserRole).toString();
        QMetaObject::invokeMethod(this, [this, path] { open(path); }, Qt::QueuedConnection);
    });
}

bool FolderList::setFolder(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isDir() || !info.isReadable())
        return false;
    QDir dir(info.absoluteFilePath());
    const QStringList subfolders =
        dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    if (!dir.isReadable())
        return false;

    m_folder = QDir::cleanPath(dir.absolutePath());
    clear();
    QStringList chaine;
    for (QDir d(m_folder);; ) {
        chaine.prepend(d.absolutePath());
        if (d.isRoot() || !d.cdUp())
            break;
    }
    const QIcon opened = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closes = style()->standardIcon(QStyle::SP_DirClosedIcon);
    const QString inset = QStringLiteral("  ");
    int level = 0;
    for (const QString &p : chaine) {
        const QString name = level == 0 ? QDir::toNativeSeparators(p) : QFileInfo(p).fileName();
        auto *item = new QListWidgetItem(opened, inset.repeated(level) + name, this);
        item->setData(Qt::UserRole, p);
        ++level;
    }
    setCurrentRow(count() - 1);
    for (const QString &name : subfolders) {
        auto *item = new QListWidgetItem(closes, inset.repeated(level) + name, this);
        item->setData(Qt::UserRole, dir.absoluteFilePath(name));
    }
    return true;
}

void FolderList::open(const QString &path)
{
    // An unreadable folder is passed over silently: the list stays as it was.
    if (setFolder(path))
        emit Change();
}

void FolderList::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter)
        QListWidget::keyPressEvent(event);
    else if (currentItem())
        open(currentItem()->data(Qt::UserRole).toString());
}
