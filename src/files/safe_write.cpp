// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "safe_write.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <mutex>
#include <random>
#include <system_error>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace files {

namespace {

constexpr int kMaxLinkHops = 40;
constexpr std::array kCleanupSignals = {SIGINT, SIGTERM, SIGHUP};

std::string reason(int error)
{
    return std::generic_category().message(error);
}

class Descriptor final {
public:
    Descriptor() = default;
    explicit Descriptor(int descriptor) : m_descriptor(descriptor) {}
    ~Descriptor() { reset(); }
    Descriptor(Descriptor&& other) noexcept : m_descriptor(std::exchange(other.m_descriptor, -1)) {}
    Descriptor& operator=(Descriptor&& other) noexcept
    {
        reset(std::exchange(other.m_descriptor, -1));
        return *this;
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return m_descriptor; }
    bool valid() const { return m_descriptor >= 0; }
    void reset(int descriptor = -1)
    {
        if (m_descriptor >= 0)
            ::close(m_descriptor);
        m_descriptor = descriptor;
    }
    // 0 or the errno value: a failing close can be the first sign of a lost write.
    int close()
    {
        const int result = ::close(std::exchange(m_descriptor, -1));
        return result == 0 ? 0 : errno;
    }

private:
    int m_descriptor = -1;
};

// The file a path names, as its folder and its name there, so that every later step acts on the same folder
// however the path's links change meanwhile.
struct Target {
    Descriptor folder; // O_PATH: enough to create, link and rename, even in a folder that may not be listed
    std::string name;
    bool exists = false;
    struct stat status {};
};

// What the cleanup handler removes; fixed storage because a signal handler may not allocate.
char g_pendingName[NAME_MAX + 1];
volatile std::sig_atomic_t g_pendingFolder = -1;

extern "C" void removePendingFileAndDie(int signal)
{
    if (g_pendingFolder >= 0)
        ::unlinkat(g_pendingFolder, g_pendingName, 0);
    // SA_RESETHAND put the default action back: the process still ends by the signal, as its parent expects.
    ::raise(signal);
}

// Keeps the cleanup signals out while the pending name and its record change together.
class BlockedSignals final {
public:
    template <typename Signals> explicit BlockedSignals(const Signals& signals)
    {
        sigset_t blocked;
        sigemptyset(&blocked);
        for (const int signal : signals)
            sigaddset(&blocked, signal);
        pthread_sigmask(SIG_BLOCK, &blocked, &m_previous);
    }
    ~BlockedSignals() { pthread_sigmask(SIG_SETMASK, &m_previous, nullptr); }
    BlockedSignals(const BlockedSignals&) = delete;
    BlockedSignals& operator=(const BlockedSignals&) = delete;

    const sigset_t& previous() const { return m_previous; }

private:
    sigset_t m_previous;
};

// A short hidden name beside the target for as long as the new contents need one. It is removed again unless
// renamed, also when SIGINT, SIGTERM or SIGHUP end the process first. One at a time per process.
class PendingName final {
public:
    // Creates the name: as a new empty file (returning its descriptor), or as a link to an unnamed file's
    // descriptor. Returns -1 with errno set when no name could be made.
    int create(int folder, mode_t mode, int unnamedFile)
    {
        static std::random_device entropy;
        static std::mt19937_64 names(std::uint64_t{entropy()} << 32 | entropy());
        constexpr std::string_view digits = "0123456789abcdefghijklmnopqrstuvwxyz";
        m_lock = std::unique_lock(s_oneAtATime);
        for (int attempt = 0; attempt < 100; ++attempt) {
            // Short, so that a target name near the length limit still leaves room for it.
            std::string name = ".~out-";
            for (std::uint64_t value = names(), i = 0; i < 10; ++i, value /= digits.size())
                name += digits[value % digits.size()];
            name += ".tmp";

            const BlockedSignals blocked(kCleanupSignals);
            int descriptor = 0;
            if (unnamedFile >= 0)
                descriptor = linkUnnamed(unnamedFile, folder, name.c_str());
            else
                descriptor = ::openat(folder, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, mode);
            if (descriptor < 0) {
                if (errno == EEXIST)
                    continue;
                m_lock.unlock();
                return -1;
            }
            std::memcpy(g_pendingName, name.c_str(), name.size() + 1);
            g_pendingFolder = folder;
            m_folder = folder;
            m_name = std::move(name);
            arm();
            return descriptor;
        }
        m_lock.unlock();
        errno = EEXIST;
        return -1;
    }

    ~PendingName()
    {
        if (m_name.empty())
            return;
        const BlockedSignals blocked(kCleanupSignals);
        ::unlinkat(m_folder, m_name.c_str(), 0);
        disarm();
    }
    PendingName() = default;
    PendingName(const PendingName&) = delete;
    PendingName& operator=(const PendingName&) = delete;

    // 0 or the errno value; on failure the name is removed.
    int renameTo(const std::string& target)
    {
        const BlockedSignals blocked(kCleanupSignals);
        if (::renameat(m_folder, m_name.c_str(), m_folder, target.c_str()) != 0) {
            const int error = errno;
            ::unlinkat(m_folder, m_name.c_str(), 0);
            disarm();
            return error;
        }
        disarm();
        return 0;
    }

    // Gives an unnamed file a name; returns 0 (not a descriptor) or -1 with errno set.
    static int linkUnnamed(int file, int folder, const char* name)
    {
        const std::string self = "/proc/self/fd/" + std::to_string(file);
        if (::linkat(AT_FDCWD, self.c_str(), folder, name, AT_SYMLINK_FOLLOW) == 0)
            return 0;
        // Without /proc mounted, only a process that may read any file can link by descriptor.
        if (errno == ENOENT && ::linkat(file, "", folder, name, AT_EMPTY_PATH) == 0)
            return 0;
        return -1;
    }

private:
    void arm()
    {
        struct sigaction cleanup {};
        cleanup.sa_handler = removePendingFileAndDie;
        cleanup.sa_flags = SA_RESETHAND;
        sigemptyset(&cleanup.sa_mask);
        for (std::size_t i = 0; i < kCleanupSignals.size(); ++i) {
            sigaction(kCleanupSignals[i], nullptr, &m_previousActions[i]);
            // A signal the caller chose to ignore (nohup) stays ignored.
            if (m_previousActions[i].sa_handler != SIG_IGN)
                sigaction(kCleanupSignals[i], &cleanup, nullptr);
        }
    }

    void disarm()
    {
        g_pendingFolder = -1;
        for (std::size_t i = 0; i < kCleanupSignals.size(); ++i) {
            if (m_previousActions[i].sa_handler != SIG_IGN)
                sigaction(kCleanupSignals[i], &m_previousActions[i], nullptr);
        }
        m_name.clear();
        m_lock.unlock();
    }

    static inline std::mutex s_oneAtATime;
    std::unique_lock<std::mutex> m_lock;
    int m_folder = -1;
    std::string m_name;
    struct sigaction m_previousActions[kCleanupSignals.size()] = {};
};

// 0 or the errno value.
int writeAll(int descriptor, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

// Splits at the last slash; "" for a path that names a folder ("out/", "/").
std::pair<std::string, std::string> splitPath(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return {".", path};
    return {slash == 0 ? "/" : path.substr(0, slash), path.substr(slash + 1)};
}

bool isFolderName(const std::string& name)
{
    return name.empty() || name == "." || name == "..";
}

// A link that someone else planted in a shared folder must not steer the write: the kernel refuses to follow
// such a link for a shell's `>` (fs.protected_symlinks), and a writer that resolves links itself must too.
bool mayFollowLink(int folder, const struct stat& link)
{
    struct stat folderStatus {};
    if (::fstat(folder, &folderStatus) != 0)
        return false;
    const bool shared = (folderStatus.st_mode & S_ISVTX) && (folderStatus.st_mode & S_IWOTH);
    return !shared || link.st_uid == folderStatus.st_uid || link.st_uid == ::geteuid();
}

std::optional<std::string> resolve(const std::string& path, Target& target)
{
    if (path.empty())
        return reason(ENOENT);
    auto [folder, name] = splitPath(path);
    Descriptor current(::open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
        if (!current.valid())
            return reason(errno);
        if (isFolderName(name))
            return "it is a folder";
        struct stat status {};
        if (::fstatat(current.get(), name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno != ENOENT)
                return reason(errno);
            target = {std::move(current), std::move(name), false, {}};
            return std::nullopt;
        }
        if (!S_ISLNK(status.st_mode)) {
            target = {std::move(current), std::move(name), true, status};
            return std::nullopt;
        }
        if (!mayFollowLink(current.get(), status))
            return "it is a symbolic link in a shared folder (sticky and writable by everyone) that belongs to "
                   "another user, so it is not followed";
        std::string link(PATH_MAX, '\0');
        const ssize_t length = ::readlinkat(current.get(), name.c_str(), link.data(), link.size());
        if (length < 0)
            return reason(errno);
        if (length == 0)
            return reason(ENOENT);
        link.resize(static_cast<std::size_t>(length));
        if (link.find('/') == std::string::npos) {
            name = std::move(link);
            continue;
        }
        std::tie(folder, name) = splitPath(link);
        current = Descriptor(::openat(current.get(), folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    }
    return reason(ELOOP);
}

// Without this a crash right after the rename could lose the new name. A folder that may not be read
// cannot be synced; the rename stands all the same.
void syncFolder(int folder)
{
    const Descriptor readable(::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (readable.valid())
        ::fsync(readable.get());
}

// Writes to a pipe, terminal, device or socket opened without blocking: waits for room, but gives up when
// none comes for the stall limit. A reader that has gone is an error, not a SIGPIPE that ends the process.
int writeWithoutHanging(int descriptor, std::string_view bytes, std::chrono::milliseconds stallLimit)
{
    const BlockedSignals noPipeSignal(std::array{SIGPIPE});
    int error = 0;
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written >= 0) {
            bytes.remove_prefix(static_cast<std::size_t>(written));
            continue;
        }
        if (errno == EINTR)
            continue;
        if (errno != EAGAIN && errno != EWOULDBLOCK) {
            error = errno;
            break;
        }
        pollfd ready{descriptor, POLLOUT, 0};
        const int polled = ::poll(&ready, 1, static_cast<int>(stallLimit.count()));
        if (polled == 0) {
            error = ETIMEDOUT;
            break;
        }
        if (polled < 0 && errno != EINTR) {
            error = errno;
            break;
        }
    }
    // A SIGPIPE this write raised is taken here, unless one was already waiting for the process.
    if (error == EPIPE && !sigismember(&noPipeSignal.previous(), SIGPIPE)) {
        sigset_t pipeSignal;
        sigemptyset(&pipeSignal);
        sigaddset(&pipeSignal, SIGPIPE);
        const timespec now{0, 0};
        sigtimedwait(&pipeSignal, nullptr, &now);
    }
    return error;
}

std::string specialFailure(int error, std::chrono::milliseconds stallLimit)
{
    if (error == ETIMEDOUT)
        return "nothing took the data for " + std::to_string((stallLimit.count() + 999) / 1000) +
               " seconds; its reader seems to have stopped";
    if (error == EPIPE)
        return "the program reading it closed it before the end";
    return reason(error);
}

// A socket is not opened but connected to; a stream socket first, then a datagram one.
Descriptor connectSocket(const Target& target)
{
    const std::string self = "/proc/self/fd/" + std::to_string(target.folder.get()) + "/" + target.name;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (self.size() >= sizeof address.sun_path) {
        errno = ENAMETOOLONG;
        return Descriptor();
    }
    std::memcpy(address.sun_path, self.c_str(), self.size() + 1);
    int error = 0;
    for (const int type : {SOCK_STREAM, SOCK_DGRAM}) {
        Descriptor socket(::socket(AF_UNIX, type | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
        if (!socket.valid())
            return socket;
        if (::connect(socket.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0)
            return socket;
        error = errno;
        if (error != EPROTOTYPE)
            break;
    }
    errno = error;
    return Descriptor();
}

std::optional<std::string> writeSpecial(const Target& target, std::string_view bytes, const WriteOptions& options)
{
    Descriptor file;
    if (S_ISSOCK(target.status.st_mode)) {
        file = connectSocket(target);
    } else {
        // Not blocking on open: a FIFO that nobody reads would otherwise hold the caller until someone does.
        file = Descriptor(::openat(target.folder.get(), target.name.c_str(),
                                   O_WRONLY | O_NONBLOCK | O_NOCTTY | O_NOFOLLOW | O_CLOEXEC));
        if (!file.valid() && errno == ENXIO && S_ISFIFO(target.status.st_mode))
            return "it is a named pipe (FIFO) that no program is reading";
    }
    if (!file.valid())
        return reason(errno);
    int error = writeWithoutHanging(file.get(), bytes, options.stallLimit);
    const int closeError = file.close();
    if (error == 0)
        error = closeError;
    if (error != 0)
        return specialFailure(error, options.stallLimit);
    return std::nullopt;
}

// As a shell's `>`, but a full disk is found before the old contents are touched where the file system can
// reserve the space.
std::optional<std::string> writeInPlace(const Target& target, std::string_view bytes)
{
    Descriptor file(::openat(target.folder.get(), target.name.c_str(), O_WRONLY | O_NOCTTY | O_NOFOLLOW | O_CLOEXEC));
    if (!file.valid())
        return reason(errno);
    const auto size = static_cast<off_t>(bytes.size());
    if (size > 0) {
        if (::fallocate(file.get(), 0, 0, size) != 0 && (errno == ENOSPC || errno == EDQUOT || errno == EFBIG))
            return reason(errno);
    }
    int error = 0;
    for (off_t offset = 0; error == 0 && offset < size;) {
        const ssize_t written = ::pwrite(file.get(), bytes.data() + offset, bytes.size() - offset, offset);
        if (written < 0)
            error = errno == EINTR ? 0 : errno;
        else
            offset += written;
    }
    if (error == 0 && ::ftruncate(file.get(), size) != 0)
        error = errno;
    if (error == 0 && ::fsync(file.get()) != 0)
        error = errno;
    const int closeError = file.close();
    if (error != 0 || closeError != 0)
        return reason(error != 0 ? error : closeError);
    return std::nullopt;
}

// The names of the target's extended attributes, each ended by a NUL; empty where it has none or the file system
// keeps none. No call for them takes a folder and a name, so the folder's descriptor stands in for its path.
std::vector<char> attributeNames(const std::string& path)
{
    std::vector<char> names;
    for (;;) {
        const ssize_t size = ::llistxattr(path.c_str(), nullptr, 0);
        if (size <= 0)
            return {};
        names.resize(static_cast<std::size_t>(size));
        const ssize_t length = ::llistxattr(path.c_str(), names.data(), names.size());
        if (length >= 0) {
            names.resize(static_cast<std::size_t>(length));
            return names;
        }
        if (errno != ERANGE) // ERANGE: one was added meanwhile
            return {};
    }
}

// An ACL, and what other programs keep on a file (a file manager's tags, where a download came from), go with its
// contents to the new file. False when one cannot be copied: the file is then written in place, which keeps them
// all. A security label is the system's to give, as it does to every new file.
bool copyExtendedAttributes(const Target& target, int file)
{
    const std::string path = "/proc/self/fd/" + std::to_string(target.folder.get()) + '/' + target.name;
    const std::vector<char> names = attributeNames(path);
    std::vector<char> value;
    for (std::size_t at = 0; at < names.size(); at += std::strlen(names.data() + at) + 1) {
        const char* name = names.data() + at;
        if (std::strncmp(name, "security.", 9) == 0)
            continue;
        const ssize_t size = ::lgetxattr(path.c_str(), name, nullptr, 0);
        value.resize(static_cast<std::size_t>(std::max<ssize_t>(size, 0)));
        const ssize_t length = size < 0 ? -1 : ::lgetxattr(path.c_str(), name, value.data(), value.size());
        if (length < 0 || ::fsetxattr(file, name, value.data(), static_cast<std::size_t>(length), 0) != 0)
            return false;
    }
    return true;
}

// True when the folder's refusal still leaves the file itself open to being written in place.
bool folderRefused(int error)
{
    return error == EACCES || error == EPERM || error == ENOSPC || error == EDQUOT || error == EROFS ||
           error == ENAMETOOLONG || error == EMLINK;
}

std::optional<std::string> replaceOrCreate(const Target& target, std::string_view bytes)
{
    const int folder = target.folder.get();
    // While being written, a file that replaces another is private: a 0600 target's new contents are never
    // readable by others before its mode is copied over. A new file is made with its final mode, so that the
    // umask and the folder's default ACL apply.
    const mode_t mode = target.exists ? 0600 : 0666;
    Descriptor file(::openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, mode));
    const bool unnamed = file.valid();
    PendingName pending;
    if (!unnamed)
        file = Descriptor(pending.create(folder, mode, -1));
    if (!file.valid()) {
        const int error = errno;
        if (target.exists && folderRefused(error))
            return writeInPlace(target, bytes);
        return "cannot make a new file in its folder: " + reason(error);
    }
    if (const int error = writeAll(file.get(), bytes))
        return reason(error);
    if (target.exists) {
        // The owner before the mode, which it may clear set-id bits of; the mode after writing, which does too.
        if (::fchown(file.get(), target.status.st_uid, target.status.st_gid) != 0)
            return writeInPlace(target, bytes);
        if (::fchmod(file.get(), target.status.st_mode & 07777) != 0)
            return reason(errno);
        if (!copyExtendedAttributes(target, file.get()))
            return writeInPlace(target, bytes);
    }
    if (::fsync(file.get()) != 0)
        return reason(errno);

    if (unnamed && !target.exists) {
        // Nothing to replace: the unnamed file takes the name directly, so no other name ever exists.
        if (PendingName::linkUnnamed(file.get(), folder, target.name.c_str()) == 0) {
            syncFolder(folder);
            return std::nullopt;
        }
        if (errno != EEXIST)
            return "cannot make a new file in its folder: " + reason(errno);
    }
    if (unnamed && pending.create(folder, mode, file.get()) < 0) {
        const int error = errno;
        if (target.exists && folderRefused(error))
            return writeInPlace(target, bytes);
        return "cannot make a new file in its folder: " + reason(error);
    }
    if (const int error = file.close())
        return reason(error);
    if (const int error = pending.renameTo(target.name)) {
        // A sticky folder lets nobody but its owner replace another user's file, though that file may invite
        // writing.
        if (target.exists && (error == EPERM || error == EACCES))
            return writeInPlace(target, bytes);
        return reason(error);
    }
    syncFolder(folder);
    return std::nullopt;
}

} // namespace

std::optional<std::string> writeFile(const std::string& path, std::string_view bytes, const WriteOptions& options)
{
    Target target;
    if (auto failure = resolve(path, target))
        return failure;
    if (!target.exists)
        return replaceOrCreate(target, bytes);
    if (S_ISDIR(target.status.st_mode))
        return "it is a folder";
    if (!S_ISREG(target.status.st_mode))
        return writeSpecial(target, bytes, options);
    // Root may write anything; a file that nobody may write was still meant to be kept.
    if ((target.status.st_mode & 0222) == 0)
        return "the file is read-only";
    // Replacing a file this user may not write would take it over: the folder's permission is not enough.
    if (::faccessat(target.folder.get(), target.name.c_str(), W_OK, AT_EACCESS | AT_SYMLINK_NOFOLLOW) != 0)
        return reason(errno);
    return replaceOrCreate(target, bytes);
}

std::optional<std::string> writeStandardOutput(std::string_view bytes)
{
    if (const int error = writeAll(STDOUT_FILENO, bytes))
        return reason(error);
    return std::nullopt;
}

} // namespace files
