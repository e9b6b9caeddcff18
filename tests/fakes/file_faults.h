// Real files in bad states for the stored-file tests: fixtures, special files, a file size limit
// and a full file system.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <functional>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace typecask::test {

// A file of tests/data.
inline QByteArray fixture(const QString& name)
{
    QFile f(QString::fromLocal8Bit(qgetenv("TYPECASK_TEST_DATA")) + u'/' + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

inline QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool makeFifo(const QString& path)
{
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

// A file of the given size that holds no line end and takes no disk space.
inline bool makeSparseFile(const QString& path, qint64 size)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.resize(size);
}

// Peak resident memory of this process so far, in KiB.
inline long peakMemoryKiB()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// While alive, writes past `bytes` into any file fail with EFBIG, as a full disk fails them.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_old{};
    void (*m_oldHandler)(int);
};

// Fills the file system holding `folder` up to its last byte, then frees `freeBytes` again.
inline bool fillFileSystem(const QString& folder, qint64 freeBytes)
{
    QFile filler(folder + u"/filler"_qs);
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray block(4096, 'f');
    while (filler.write(block) == block.size()) {
    }
    return filler.resize(std::max<qint64>(0, filler.size() - freeBytes));
}

enum class TmpfsRun { Passed, Failed, Unsupported };

// Runs `check` in a child process with a tmpfs of `bytes` mounted at a fresh folder, in a
// private mount namespace (and a user namespace when not root). Unsupported when the system
// allows neither. The child reports its failures on stderr.
inline TmpfsRun onSmallTmpfs(qint64 bytes, const std::function<bool(const QString& folder)>& check)
{
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid < 0)
        return TmpfsRun::Unsupported;
    if (pid == 0) {
        auto writeProc = [](const char* path, const QByteArray& text) {
            const int fd = ::open(path, O_WRONLY);
            const bool ok = fd >= 0 && ::write(fd, text.constData(), text.size()) == text.size();
            if (fd >= 0)
                ::close(fd);
            return ok;
        };
        const uid_t uid = ::geteuid();
        const gid_t gid = ::getegid();
        if (uid != 0) {
            if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0 || !writeProc("/proc/self/setgroups", "deny") ||
                !writeProc("/proc/self/uid_map", "0 " + QByteArray::number(uid) + " 1") ||
                !writeProc("/proc/self/gid_map", "0 " + QByteArray::number(gid) + " 1"))
                ::_exit(77);
        } else if (::unshare(CLONE_NEWNS) != 0) {
            ::_exit(77);
        }
        char folder[] = "/tmp/typecask-tmpfs-XXXXXX";
        if (::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 || !::mkdtemp(folder))
            ::_exit(77);
        const QByteArray options = "size=" + QByteArray::number(bytes);
        if (::mount("tmpfs", folder, "tmpfs", 0, options.constData()) != 0) {
            ::rmdir(folder);
            ::_exit(77);
        }
        const bool ok = check(QString::fromLocal8Bit(folder));
        ::umount(folder);
        ::rmdir(folder);
        std::fflush(nullptr);
        ::_exit(ok ? 0 : 1);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 77)
        return TmpfsRun::Unsupported;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? TmpfsRun::Passed : TmpfsRun::Failed;
}

// Checks inside onSmallTmpfs: on failure, say what and give false.
#define TYPECASK_CHILD_CHECK(condition)                                                                      \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);               \
            return false;                                                                                    \
        }                                                                                                    \
    } while (0)

} // namespace typecask::test
