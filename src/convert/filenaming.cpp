#include "filenaming.h"

#include "platform/files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <filesystem>
#include <unordered_set>

namespace filenaming {

namespace {

// The numbers k of the ordinary files "fig" + k (at least four digits) + ".89i" in a folder.
std::unordered_set<int> takenNumbers(const QString &folder)
{
    namespace fs = std::filesystem;
#ifdef Q_OS_WIN
    const fs::path native(folder.toStdWString());
#else
    const fs::path native(QFile::encodeName(folder).toStdString());
#endif
    std::unordered_set<int> taken;
    std::error_code error;
    try {
        for (fs::directory_iterator it(native, error), end; !error && it != end; it.increment(error)) {
            const std::string name = it->path().filename().string();
            if (name.size() < 11 || name.compare(0, 3, "fig") != 0
                || name.compare(name.size() - 4, 4, ".89i") != 0)
                continue;
            const std::string digits = name.substr(3, name.size() - 7);
            // Four digits, or more without a leading zero: the way the names are written.
            if (digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string::npos
                || (digits.size() > 4 && digits[0] == '0'))
                continue;
            std::error_code typeError;
            if (it->is_regular_file(typeError))
                taken.insert(std::stoi(digits));
        }
    } catch (const std::exception &) {
        // A name the platform cannot convert: the checks by name decide from here.
    }
    return taken;
}

} // namespace

QString automaticName(int k)
{
    return QStringLiteral("fig") + QString::number(k).rightJustified(4, u'0');
}

int freeNumber(const QString &folder)
{
    // One listing of the folder says which numbers are taken, so the search does
    // not query the file system once per number; each free number it finds is still
    // checked by name, which leaves the last word to the file system (names that
    // differ only in case, a file that just appeared).
    const std::unordered_set<int> taken = takenNumbers(folder);
    int k = 0;
    while (true) {
        while (taken.count(k))
            ++k;
        if (!files::isOrdinaryFile(folder + automaticName(k) + QStringLiteral(".89i")))
            return k;
        ++k;
    }
}

QString saveAsPath(const QString &chosen)
{
    QString path = chosen.trimmed();
    if (!path.endsWith(QStringLiteral(".89i"), Qt::CaseInsensitive))
        path += QStringLiteral(".89i");
    // An existing file is the one the user picked: it is replaced, whatever its case.
    if (QFileInfo(path).isFile())
        return path;
    // Only a new file's name is lower-cased: on a case-sensitive file system the
    // folders must keep their case.
    const qsizetype cut = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(QDir::separator()));
    return path.left(cut + 1) + path.mid(cut + 1).toLower();
}

bool namesCalculatorPicture(const QString &path)
{
    return path.trimmed().endsWith(QStringLiteral("89i"), Qt::CaseInsensitive);
}

QString withSeparator(QString folder)
{
    folder = QDir::toNativeSeparators(folder);
    if (!folder.endsWith(QDir::separator()))
        folder += QDir::separator();
    return folder;
}

} // namespace filenaming

AutomaticFolder::AutomaticFolder()
    : m_programFolder(filenaming::withSeparator(QCoreApplication::applicationDirPath()))
{
}

AutomaticFolder::AutomaticFolder(const QString &folder)
    : m_programFolder(filenaming::withSeparator(folder))
    , m_isExecutableFolder(false)
{
}

void AutomaticFolder::setProgramFolder(const QString &folder)
{
    m_programFolder = filenaming::withSeparator(folder);
    m_isExecutableFolder = false;
}

QString AutomaticFolder::folder() const
{
    if (!m_isExecutableFolder)
        return m_programFolder;
    const bool writable = m_writable ? m_writable(m_programFolder) : QFileInfo(m_programFolder).isWritable();
    if (writable)
        return m_programFolder;
    if (!m_fallbackFolder.isEmpty())
        return filenaming::withSeparator(m_fallbackFolder);
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    // Without a home there is nowhere better: the saves report the failure.
    return pictures.isEmpty() ? m_programFolder : filenaming::withSeparator(pictures + QStringLiteral("/Brivane"));
}
