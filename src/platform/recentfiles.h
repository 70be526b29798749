#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QSettings;

// The pictures and calculator pictures last opened or saved, newest first, and the
// folders the open and the save dialogs last used, kept in the program's settings
// between runs. Every change is written at once.
class RecentFiles
{
public:
    static constexpr int kMaxCount = 10;
    enum class Dialog { Open, Save };

    // The program's settings (QSettings("Brivane", "Brivane")), or those of this INI file.
    explicit RecentFiles(const QString &settingsFile = QString());
    ~RecentFiles();

    // Newest first, absolute and cleaned, at most kMaxCount.
    QStringList paths() const;
    // The path goes first; an older entry for the same file goes, and the oldest past the cap.
    void add(const QString &path);
    void remove(const QString &path);
    void clear();

    // The folder this dialog last used; empty when none was kept.
    QString folder(Dialog dialog) const;
    void setFolder(Dialog dialog, const QString &folder);

    // The path as the list keeps it: native separators undone, absolute, cleaned.
    static QString cleaned(const QString &path);

private:
    void setPaths(const QStringList &paths);

    std::unique_ptr<QSettings> m_settings;
};
