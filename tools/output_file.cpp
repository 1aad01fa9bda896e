// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "output_file.h"

#include <array>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cli {

namespace {

constexpr std::array kCleanupSignals = {SIGINT, SIGTERM, SIGHUP};

// What the signal handler removes; a fixed buffer because the handler may not allocate.
char g_pendingPath[PATH_MAX];
volatile std::sig_atomic_t g_hasPendingPath = 0;

extern "C" void removePendingFileAndDie(int signal)
{
    if (g_hasPendingPath)
        ::unlink(g_pendingPath);
    // SA_RESETHAND put the default action back: the process still ends by the signal, as its parent expects.
    ::raise(signal);
}

// Keeps the cleanup signals out while the pending file and its record change together.
class BlockedCleanupSignals final {
public:
    BlockedCleanupSignals()
    {
        sigset_t blocked;
        sigemptyset(&blocked);
        for (const int signal : kCleanupSignals)
            sigaddset(&blocked, signal);
        sigprocmask(SIG_BLOCK, &blocked, &m_previous);
    }
    ~BlockedCleanupSignals() { sigprocmask(SIG_SETMASK, &m_previous, nullptr); }
    BlockedCleanupSignals(const BlockedCleanupSignals&) = delete;
    BlockedCleanupSignals& operator=(const BlockedCleanupSignals&) = delete;

private:
    sigset_t m_previous;
};

std::string reason(int error)
{
    return std::generic_category().message(error);
}

std::string failure(const std::string& path, int error)
{
    return "cannot write " + quoteForMessage(path) + ": " + reason(error);
}

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

std::string folderOf(const std::string& path)
{
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    return folder.empty() ? std::string(".") : folder.string();
}

// The file a chain of symbolic links ends at (which may not exist yet), or an errno value.
std::optional<std::string> followLinks(std::string path, int& error)
{
    for (int hops = 0; hops < 40; ++hops) {
        struct stat status {};
        if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
            return path;
        std::string link(PATH_MAX, '\0');
        const ssize_t length = ::readlink(path.c_str(), link.data(), link.size());
        if (length < 0) {
            error = errno;
            return std::nullopt;
        }
        link.resize(static_cast<std::size_t>(length));
        path = link.starts_with('/') ? link : folderOf(path) + "/" + link;
    }
    error = ELOOP;
    return std::nullopt;
}

// Without this a crash right after the rename could lose the new name.
void syncFolder(const std::string& folder)
{
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        ::fsync(descriptor);
        ::close(descriptor);
    }
}

std::optional<std::string> writeInPlace(const std::string& path, const std::string& target, std::string_view bytes)
{
    const int descriptor = ::open(target.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0)
        return failure(path, errno);
    const int writeError = writeAll(descriptor, bytes);
    const int closeError = ::close(descriptor) == 0 ? 0 : errno;
    if (writeError != 0 || closeError != 0)
        return failure(path, writeError != 0 ? writeError : closeError);
    return std::nullopt;
}

std::optional<std::string> replaceFile(const std::string& path, const std::string& target, std::string_view bytes,
                                       const struct stat* existing)
{
    const std::string folder = folderOf(target);
    TemporaryFile temporary(folder);
    if (temporary.descriptor() < 0)
        return "cannot write " + quoteForMessage(path) + ": cannot create a file in " + quoteForMessage(folder) + ": " +
               reason(temporary.creationError());
    if (const int error = writeAll(temporary.descriptor(), bytes))
        return failure(path, error);
    // The file was private while being written, so a 0600 target's contents were never readable by others.
    // Its mode comes after writing, which may clear set-id bits; the owner before the mode, which the same.
    if (existing) {
        if (::fchown(temporary.descriptor(), existing->st_uid, existing->st_gid) != 0)
            (void)::fchown(temporary.descriptor(), static_cast<uid_t>(-1), existing->st_gid);
        ::fchmod(temporary.descriptor(), existing->st_mode & 07777);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(temporary.descriptor(), 0666 & ~mask);
    }
    if (::fsync(temporary.descriptor()) != 0)
        return failure(path, errno);
    if (const int error = temporary.renameTo(target))
        return failure(path, error);
    syncFolder(folder);
    return std::nullopt;
}

} // namespace

TemporaryFile::TemporaryFile(const std::string& folder)
{
    static std::random_device entropy;
    static std::mt19937_64 names(std::uint64_t{entropy()} << 32 | entropy());
    constexpr std::string_view digits = "0123456789abcdefghijklmnopqrstuvwxyz";
    // Short, so that a target name near the length limit still leaves room for it.
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = ".~out-";
        for (std::uint64_t value = names(), i = 0; i < 10; ++i, value /= digits.size())
            name += digits[value % digits.size()];
        m_path = folder + "/" + name + ".tmp";
        const bool recordable = m_path.size() < sizeof g_pendingPath;

        const BlockedCleanupSignals blocked;
        m_descriptor = ::open(m_path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, 0600);
        if (m_descriptor < 0) {
            m_creationError = errno;
            if (m_creationError == EEXIST)
                continue;
            m_path.clear();
            return;
        }
        m_creationError = 0;
        if (recordable) {
            std::memcpy(g_pendingPath, m_path.c_str(), m_path.size() + 1);
            g_hasPendingPath = 1;
        }
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
        return;
    }
    m_path.clear();
}

TemporaryFile::~TemporaryFile()
{
    if (m_path.empty())
        return;
    const BlockedCleanupSignals blocked;
    ::close(m_descriptor);
    ::unlink(m_path.c_str());
    forget();
}

int TemporaryFile::renameTo(const std::string& target)
{
    if (m_path.empty())
        return EBADF;
    const BlockedCleanupSignals blocked;
    const int closeError = ::close(m_descriptor) == 0 ? 0 : errno;
    m_descriptor = -1;
    if (closeError != 0 || ::rename(m_path.c_str(), target.c_str()) != 0) {
        const int error = closeError != 0 ? closeError : errno;
        ::unlink(m_path.c_str());
        forget();
        return error;
    }
    forget();
    return 0;
}

void TemporaryFile::forget()
{
    g_hasPendingPath = 0;
    for (std::size_t i = 0; i < kCleanupSignals.size(); ++i) {
        if (m_previousActions[i].sa_handler != SIG_IGN)
            sigaction(kCleanupSignals[i], &m_previousActions[i], nullptr);
    }
    m_path.clear();
}

std::optional<std::string> writeOutput(const std::string& path, std::string_view bytes)
{
    if (path == "-")
        return writeStandardOutput(bytes);
    int linkError = 0;
    const std::optional<std::string> target = followLinks(path, linkError);
    if (!target)
        return failure(path, linkError);

    struct stat status {};
    if (::stat(target->c_str(), &status) != 0) {
        if (errno != ENOENT)
            return failure(path, errno);
        return replaceFile(path, *target, bytes, nullptr);
    }
    if (S_ISDIR(status.st_mode))
        return "cannot write " + quoteForMessage(path) + ": it is a folder";
    if (!S_ISREG(status.st_mode))
        return writeInPlace(path, *target, bytes);
    // Root may write anything; a file that nobody may write was still meant to be kept.
    if ((status.st_mode & 0222) == 0)
        return "cannot write " + quoteForMessage(path) + ": the file is read-only";
    if (::access(target->c_str(), W_OK) != 0)
        return failure(path, errno);
    return replaceFile(path, *target, bytes, &status);
}

std::optional<std::string> writeStandardOutput(std::string_view bytes)
{
    if (const int error = writeAll(STDOUT_FILENO, bytes))
        return "cannot write to standard output: " + reason(error);
    return std::nullopt;
}

std::string quoteForMessage(std::string_view text)
{
    constexpr std::string_view hex = "0123456789abcdef";
    std::string quoted = "'";
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        // C1 controls (U+0080 to U+009F) act on many terminals just like ESC does.
        const bool c1Control =
            byte == 0xC2 && i + 1 < text.size() && (static_cast<unsigned char>(text[i + 1]) & 0xE0) == 0x80;
        if (byte == '\\' || byte == '\'') {
            quoted += '\\';
            quoted += static_cast<char>(byte);
        } else if (byte == '\n') {
            quoted += "\\n";
        } else if (byte == '\t') {
            quoted += "\\t";
        } else if (byte < 0x20 || byte == 0x7F || c1Control) {
            const std::size_t count = c1Control ? 2 : 1;
            for (std::size_t k = 0; k < count; ++k) {
                const auto escaped = static_cast<unsigned char>(text[i + k]);
                quoted += "\\x";
                quoted += hex[escaped >> 4];
                quoted += hex[escaped & 0xF];
            }
            i += count - 1;
        } else {
            quoted += static_cast<char>(byte);
        }
    }
    return quoted + "'";
}

} // namespace cli
