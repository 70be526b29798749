#pragma once

#include <QListWidget>

// A folder list: the chain of folders from the root down to the current one, then
// the current folder's sub-folders. A double click (or Enter) on an entry makes it
// the current folder and raises Change.
class FolderList : public QListWidget
{
    Q_OBJECT

public:
    explicit FolderList(QWidget *parent = nullptr);

    QString path() const { return m_folder; }
    // Makes path the current folder; a folder that does not exist or cannot be
    // listed changes nothing and gives false.
    bool setFolder(const QString &path);

signals:
    void Change();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void open(const QString &path);

    QString m_folder;
};
