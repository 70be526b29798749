#pragma once

#include <QListWidget>

// A folder list: the chain of folders from the root down to the current one, then
// the current folder's sub-folders. A double click (or Enter) on an entry makes it
// the current folder and raises Change.
class ListeDossiers : public QListWidget
{
    Q_OBJECT

public:
    explicit ListeDossiers(QWidget *parent = nullptr);

    QString chemin() const { return m_chemin; }
    // Makes path the current folder; a folder that does not exist or cannot be
    // listed changes nothing and gives false.
    bool setChemin(const QString &path);

signals:
    void Change();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void ouvrir(const QString &path);

    QString m_chemin;
};
