#pragma once

#include <QByteArray>
#include <QString>

#include <csignal>
#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

// While it lives, files cannot grow beyond `bytes` (RLIMIT_FSIZE), as on a full
// disk; the signal that would end the process is ignored, so a write past the
// limit fails with EFBIG instead. Root is bound by it too.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_signal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit reduced = m_saved;
        reduced.rlim_cur = bytes;
        m_active = setrlimit(RLIMIT_FSIZE, &reduced) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_signal);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

    bool active() const { return m_active; }

private:
    rlimit m_saved{};
    void (*m_signal)(int) = SIG_DFL;
    bool m_active = false;
};

// While it lives, the calling thread obeys file permissions even as root: it puts
// down the capabilities that override them (they stay permitted and come back at
// the end). For a plain user there is nothing to put down.
class PermissionsApply
{
public:
    PermissionsApply()
    {
        if (geteuid() != 0)
            return;
        if (syscall(SYS_capget, &m_header, m_saved) != 0)
            return;
        __user_cap_data_struct reduced[2] = {m_saved[0], m_saved[1]};
        reduced[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        m_dropped = syscall(SYS_capset, &m_header, reduced) == 0;
    }
    ~PermissionsApply()
    {
        if (m_dropped)
            syscall(SYS_capset, &m_header, m_saved);
    }
    PermissionsApply(const PermissionsApply &) = delete;
    PermissionsApply &operator=(const PermissionsApply &) = delete;

private:
    __user_cap_header_struct m_header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_saved[2]{};
    bool m_dropped = false;
};

// Whether a new file can be made in the folder right now (for the checks that
// permissions really apply).
bool canCreateIn(const QString &folder);

// The whole file, or nothing when it cannot be read.
QByteArray readFile(const QString &path);
// Writes the bytes, failing the current test when it cannot.
void writeFile(const QString &path, const QByteArray &bytes);
