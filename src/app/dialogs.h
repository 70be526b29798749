#pragma once

#include <QList>
#include <QString>

#include <optional>

class QWidget;

// What the program asks of the person through the platform: message boxes, the
// file dialog and window ordering. The program talks to the current Dialogs only,
// so tests can put a recording one in its place and run without a person.
class Dialogs
{
public:
    enum class Icon { Information, Exclamation };
    // The answers to a question about unsaved work.
    enum class Answer { Save, Discard, Cancel };

    struct Filter
    {
        QString description; // "Images files (*.89i)"
        QString patterns;    // "*.89i;*.bmp"
    };

    virtual ~Dialogs() = default;

    // A message with an OK button under the program's title, the detail (if any)
    // under it; returns when closed.
    virtual void message(const QString &text, Icon icon, const QString &detail = QString()) = 0;
    // The file dialog: the chosen path, or nothing when cancelled. The first filter
    // is selected; a name that does not exist yet is accepted.
    virtual std::optional<QString> chooseFile(QWidget *owner, const QList<Filter> &filters,
                                              const QString &initialFolder,
                                              const QString &title) = 0;
    // The same dialog for "Sauver sous": its button says it saves, and it asks before
    // replacing an existing file. The initial path may end with a suggested file name.
    virtual std::optional<QString> chooseSaveFile(QWidget *owner, const QList<Filter> &filters,
                                                  const QString &initialPath,
                                                  const QString &title)
    {
        return chooseFile(owner, filters, initialPath, title);
    }
    // A question with Enregistrer / Ne pas enregistrer / Annuler (Escape: Annuler).
    virtual Answer ask(QWidget *owner, const QString &question) = 0;
    // Keeps a window above all others (or lets it go back), without moving,
    // sizing or showing it.
    virtual void setTopmost(QWidget *window, bool topmost) = 0;

    // The Dialogs in force (Qt's own unless a test installed another).
    static Dialogs &current();
    // Installs d (nullptr: back to Qt's own); the caller keeps ownership.
    static void install(Dialogs *d);
};

// The real dialogs, shown with Qt.
class QtDialogs : public Dialogs
{
public:
    void message(const QString &text, Icon icon, const QString &detail = QString()) override;
    std::optional<QString> chooseFile(QWidget *owner, const QList<Filter> &filters,
                                      const QString &initialFolder, const QString &title) override;
    std::optional<QString> chooseSaveFile(QWidget *owner, const QList<Filter> &filters,
                                          const QString &initialPath,
                                          const QString &title) override;
    Answer ask(QWidget *owner, const QString &question) override;
    void setTopmost(QWidget *window, bool topmost) override;
};

// The title of every message box.
QString programTitle();
