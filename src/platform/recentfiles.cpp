#include "recentfiles.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {

const QString kListKey = QStringLiteral("fichiersRecents");

QString folderKey(RecentFiles::Dialog dialog)
{
    return dialog == RecentFiles::Dialog::Open ? QStringLiteral("dossierOuvrir") : QStringLiteral("dossierEnregistrer");
}

} // namespace

RecentFiles::RecentFiles(const QString &settingsFile)
    : m_settings(settingsFile.isEmpty() ? std::make_unique<QSettings>(QStringLiteral("Brivane"), QStringLiteral("Brivane"))
                                        : std::make_unique<QSettings>(settingsFile, QSettings::IniFormat))
{
}

RecentFiles::~RecentFiles() = default;

QString RecentFiles::cleaned(const QString &path)
{
    return QDir::cleanPath(QFileInfo(QDir::fromNativeSeparators(path.trimmed())).absoluteFilePath());
}

QStringList RecentFiles::paths() const
{
    // A hand-edited file may hold anything: it is read as the list would have kept it.
    QStringList kept;
    for (const QString &path : m_settings->value(kListKey).toStringList())
        if (!path.trimmed().isEmpty() && !kept.contains(cleaned(path)) && kept.size() < kMaxCount)
            kept << cleaned(path);
    return kept;
}

void RecentFiles::add(const QString &path)
{
    QStringList list = paths();
    const QString added = cleaned(path);
    list.removeAll(added);
    list.prepend(added);
    setPaths(list.mid(0, kMaxCount));
}

void RecentFiles::remove(const QString &path)
{
    QStringList list = paths();
    list.removeAll(cleaned(path));
    setPaths(list);
}

void RecentFiles::clear()
{
    setPaths({});
}

void RecentFiles::setPaths(const QStringList &paths)
{
    m_settings->setValue(kListKey, paths);
    m_settings->sync();
}

QString RecentFiles::folder(Dialog dialog) const
{
    return m_settings->value(folderKey(dialog)).toString();
}

void RecentFiles::setFolder(Dialog dialog, const QString &folder)
{
    m_settings->setValue(folderKey(dialog), cleaned(folder));
    m_settings->sync();
}
