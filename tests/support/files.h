#pragma once

#include <gtest/gtest.h>
#include <QDir>

#include <csignal>
#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

// The whole file, or nothing when it cannot be read.
inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes the bytes, failing the current test when it cannot.
inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()) << path.toStdString();
}

// Every entry of the folder, hidden ones included, by name.
inline QStringList listing(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// While it lives, files cannot grow beyond `bytes`, as on a full disk, root
// included; SIGXFSZ is ignored so a write past it fails with EFBIG.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        const rlimit reduced{bytes, m_saved.rlim_max};
        setrlimit(RLIMIT_FSIZE, &reduced);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_saved), std::signal(SIGXFSZ, m_signal); }

private:
    void (*m_signal)(int) = std::signal(SIGXFSZ, SIG_IGN);
    rlimit m_saved{};
};

// While it lives, the folder is read-only and binds this thread even as root (the
// capabilities that override permissions are put down).
class ReadOnlyFolder
{
public:
    explicit ReadOnlyFolder(const QString &folder)
        : m_folder(folder)
    {
        QFile::setPermissions(m_folder, QFile::ReadOwner | QFile::ExeOwner);
        if (geteuid() == 0 && syscall(SYS_capget, &m_header, m_saved) == 0) {
            __user_cap_data_struct reduced[2] = {m_saved[0], m_saved[1]};
            reduced[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
            m_dropped = syscall(SYS_capset, &m_header, reduced) == 0;
        }
    }
    ~ReadOnlyFolder()
    {
        QFile::setPermissions(m_folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (m_dropped && syscall(SYS_capset, &m_header, m_saved) != 0)
            ADD_FAILURE() << "capabilities not restored";
    }

private:
    QString m_folder;
    __user_cap_header_struct m_header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_saved[2]{};
    bool m_dropped = false;
};
