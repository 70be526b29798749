#include "listedossiers.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QStyle>

ListeDossiers::ListeDossiers(QWidget *parent)
    : QListWidget(parent)
{
    // Queued: opening a folder rebuilds the list, which must not happen while the
    // view is still handling the double click on one of its items.
    connect(this, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *item) {
        const QString path = item->data(Qt::UserRole).toString();
        QMetaObject::invokeMethod(this, [this, path] { ouvrir(path); }, Qt::QueuedConnection);
    });
}

bool ListeDossiers::setChemin(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isDir() || !info.isReadable())
        return false;
    QDir dir(info.absoluteFilePath());
    const QStringList sousDossiers =
        dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    if (!dir.isReadable())
        return false;

    m_chemin = QDir::cleanPath(dir.absolutePath());
    clear();
    QStringList chaine;
    for (QDir d(m_chemin);; ) {
        chaine.prepend(d.absolutePath());
        if (d.isRoot() || !d.cdUp())
            break;
    }
    const QIcon ouvert = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon ferme = style()->standardIcon(QStyle::SP_DirClosedIcon);
    const QString retrait = QStringLiteral("  ");
    int niveau = 0;
    for (const QString &p : chaine) {
        const QString nom = niveau == 0 ? QDir::toNativeSeparators(p) : QFileInfo(p).fileName();
        auto *item = new QListWidgetItem(ouvert, retrait.repeated(niveau) + nom, this);
        item->setData(Qt::UserRole, p);
        ++niveau;
    }
    setCurrentRow(count() - 1);
    for (const QString &nom : sousDossiers) {
        auto *item = new QListWidgetItem(ferme, retrait.repeated(niveau) + nom, this);
        item->setData(Qt::UserRole, dir.absoluteFilePath(nom));
    }
    return true;
}

void ListeDossiers::ouvrir(const QString &path)
{
    // An unreadable folder is passed over silently: the list stays as it was.
    if (setChemin(path))
        emit Change();
}

void ListeDossiers::keyPressEvent(QKeyEvent *event)
{
    const bool entree = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!entree)
        QListWidget::keyPressEvent(event);
    else if (currentItem())
        ouvrir(currentItem()->data(Qt::UserRole).toString());
}
