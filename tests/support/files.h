#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <linux/capability.h>
#include <sys/resource.h>

// The whole file, or nothing when it cannot be read.
QByteArray readFile(const QString &path);
// Writes the bytes, failing the current test when it cannot.
void writeFile(const QString &path, const QByteArray &bytes);
// Every entry of the folder, hidden ones included, by name.
QStringList listing(const QString &folder);
// Whether a new file can be made in the folder right now.
bool canCreateIn(const QString &folder);

// While it lives, files cannot grow beyond `bytes` (RLIMIT_FSIZE), as on a full
// disk, root included; SIGXFSZ is ignored so a write past it fails with EFBIG.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;
    bool active() const { return m_active; }

private:
    rlimit m_saved{};
    void (*m_signal)(int) = nullptr;
    bool m_active = false;
};

// While it lives, the folder is read-only and the calling thread obeys file
// permissions even as root (the capabilities that override them are put down).
// applies() is false when permissions still do not bind this process.
class ReadOnlyFolder
{
public:
    explicit ReadOnlyFolder(QString folder);
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder &) = delete;
    ReadOnlyFolder &operator=(const ReadOnlyFolder &) = delete;
    bool applies() const { return m_applies; }

private:
    QString m_folder;
    __user_cap_header_struct m_header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_saved[2]{};
    bool m_dropped = false;
    bool m_applies = false;
};
