// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/safe_write.h"
#include "support/case_names.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <string>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr uid_t kOtherUser = 65534; // nobody

std::string readFile(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream contents;
    contents << file.rdbuf();
    return contents.str();
}

// One target: how to make it in the folder (returning the path to write and what to do after the write), and
// what must hold afterwards.
struct WriteCase {
    const char* name;
    std::function<std::string(const fs::path& folder, std::function<void()>& after)> prepare;
    const char* keptFile = nullptr;  // in the folder: gets the bytes, or keeps "old" on failure
    const char* error = nullptr;     // part of the reason; null: the write succeeds
    std::optional<mode_t> mode = {}; // of keptFile afterwards
    std::optional<uid_t> owner = {}; // of keptFile afterwards
    bool needsRoot = false;
    std::size_t size = 3; // of the bytes written
};

auto existing(const char* name, mode_t mode, const char* link = nullptr, uid_t owner = 0)
{
    return [=](const fs::path& folder, std::function<void()>&) {
        std::ofstream(folder / name) << "old";
        ::chmod((folder / name).c_str(), mode);
        if (owner)
            ::chown((folder / name).c_str(), owner, owner);
        if (link)
            fs::create_symlink(name, folder / link);
        return (folder / (link ? link : name)).string();
    };
}

auto named(const std::string& path)
{
    return [=](const fs::path& folder, std::function<void()>&) {
        return path.starts_with('/') ? path : (folder / path).string();
    };
}

std::string fifo(const fs::path& folder, std::function<void()>& after, bool withReader)
{
    ::mkfifo((folder / "pipe").c_str(), 0600);
    if (withReader) {
        const int reader = ::open((folder / "pipe").c_str(), O_RDONLY | O_NONBLOCK); // reads nothing
        after = [reader] { ::close(reader); };
    }
    return (folder / "pipe").string();
}

const WriteCase kCases[] = {
    {.name = "NewFileGetsTheUsualMode", .prepare = named("new.rtf"), .keptFile = "new.rtf", .mode = 0644},
    {.name = "PrivateFileStaysPrivate",
     .prepare = existing("private.rtf", 0600),
     .keptFile = "private.rtf",
     .mode = 0600},
    {.name = "ReadOnlyFileIsRefusedAlsoForRoot",
     .prepare = existing("kept.rtf", 0444),
     .keptFile = "kept.rtf",
     .error = "read-only",
     .mode = 0444},
    {.name = "SymlinkIsWrittenThrough",
     .prepare = existing("target.rtf", 0640, "link.rtf"),
     .keptFile = "target.rtf",
     .mode = 0640},
    {.name = "DanglingSymlinkCreatesItsTarget",
     .prepare =
         [](const fs::path& folder, std::function<void()>&) {
             fs::create_symlink("made.rtf", folder / "link.rtf");
             return (folder / "link.rtf").string();
         },
     .keptFile = "made.rtf",
     .mode = 0644},
    {.name = "NullDeviceIsWrittenNotReplaced", .prepare = named("/dev/null")},
    {.name = "FullDeviceIsAnError", .prepare = named("/dev/full"), .error = "No space left on device"},
    {.name = "PathNearPathMax",
     .prepare =
         [](const fs::path& top, std::function<void()>&) {
             // The longest path there can be, with a short name: no room for a longer name beside it.
             fs::path folder = top;
             while (folder.string().size() < PATH_MAX - 80)
                 folder /= std::string(50, 'd');
             folder /= std::string(PATH_MAX - 16 - folder.string().size() - 1, 'd');
             fs::create_directories(folder);
             return (folder / std::string(14, 'n')).string();
         }},
    {.name = "LinkPlantedInASharedFolderIsRefused",
     .prepare =
         [](const fs::path& folder, std::function<void()>& after) {
             // A shared folder as /tmp is, owned by root, and a link there from another user to a file of root's.
             fs::create_directory(folder / "shared");
             ::chmod((folder / "shared").c_str(), 01777);
             existing("victim.rtf", 0644)(folder, after);
             fs::create_symlink(folder / "victim.rtf", folder / "shared/x.rtf");
             ::lchown((folder / "shared/x.rtf").c_str(), kOtherUser, kOtherUser);
             return (folder / "shared/x.rtf").string();
         },
     .keptFile = "victim.rtf",
     .error = "symbolic link",
     .needsRoot = true},
    {.name = "AnotherUsersPrivateFileStaysTheirs",
     .prepare = existing("theirs.rtf", 0600, nullptr, kOtherUser),
     .keptFile = "theirs.rtf",
     .mode = 0600,
     .owner = kOtherUser,
     .needsRoot = true},
    {.name = "WritableFileInAFolderThatTakesNoNewFile",
     .prepare =
         [](const fs::path& folder, std::function<void()>& after) {
             const std::string path = existing("in place.rtf", 0644)(folder, after);
             ::chmod(folder.c_str(), 0555);
             after = [folder] { ::chmod(folder.c_str(), 0755); };
             return path;
         },
     .keptFile = "in place.rtf",
     .mode = 0644},
    {.name = "ExtendedAttributesGoWithTheContents",
     .prepare =
         [](const fs::path& folder, std::function<void()>& after) {
             const std::string path = existing("tagged.rtf", 0640)(folder, after);
             if (::setxattr(path.c_str(), "user.tag", "kept", 4, 0) == 0)
                 after = [path] { EXPECT_EQ(::getxattr(path.c_str(), "user.tag", nullptr, 0), 4); };
             return path;
         },
     .keptFile = "tagged.rtf"},
    {.name = "FifoThatNobodyReadsIsRefusedAtOnce",
     .prepare = [](const fs::path& folder, std::function<void()>& after) { return fifo(folder, after, false); },
     .error = "no program is reading"},
    {.name = "FifoWhoseReaderStopsIsGivenUpOn",
     .prepare = [](const fs::path& folder, std::function<void()>& after) { return fifo(folder, after, true); },
     .error = "stopped",
     .size = 1 << 20}, // far more than a pipe holds
};

class SafeWrite : public testing::TestWithParam<WriteCase> {
protected:
    void SetUp() override
    {
        if (GetParam().needsRoot && ::geteuid() != 0)
            GTEST_SKIP() << "only root can give a file to another user";
        m_previousMask = ::umask(022);
        m_folder = fs::temp_directory_path() /
                   ("safe write " + std::to_string(::getpid()) + " " + testing_support::caseName(GetParam().name));
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
    }
    void TearDown() override
    {
        ::umask(m_previousMask);
        fs::remove_all(m_folder);
    }

    fs::path m_folder;
    mode_t m_previousMask = 0;
};

TEST_P(SafeWrite, KeepsEveryPromiseToWhatIsThere)
{
    const WriteCase& target = GetParam();
    const std::string bytes(target.size, 'n');
    std::function<void()> after = [] {};
    const std::string path = target.prepare(m_folder, after);
    const std::optional<std::string> failure =
        files::writeFile(path, bytes, {.stallLimit = std::chrono::milliseconds(200)});
    after();

    if (target.error) {
        ASSERT_TRUE(failure.has_value());
        EXPECT_NE(failure->find(target.error), std::string::npos) << *failure;
        EXPECT_EQ(failure->find('\n'), std::string::npos);
    } else {
        EXPECT_EQ(failure, std::nullopt);
    }
    if (target.keptFile) {
        const fs::path kept = m_folder / target.keptFile;
        EXPECT_EQ(readFile(kept), target.error ? "old" : bytes);
        struct stat status {};
        ASSERT_EQ(::stat(kept.c_str(), &status), 0);
        EXPECT_EQ(status.st_mode & 07777, target.mode.value_or(status.st_mode & 07777));
        EXPECT_EQ(status.st_uid, target.owner.value_or(status.st_uid));
    } else if (!target.error && fs::is_regular_file(path)) {
        EXPECT_EQ(readFile(path), bytes);
    }
    EXPECT_TRUE(!fs::exists(fs::symlink_status(m_folder / "link.rtf")) || fs::is_symlink(m_folder / "link.rtf"));
    EXPECT_TRUE(fs::is_character_file("/dev/null") && fs::is_character_file("/dev/full"));
    for (const auto& entry : fs::recursive_directory_iterator(m_folder))
        EXPECT_FALSE(entry.path().filename().string().starts_with('.')) << "left behind: " << entry.path();
}

INSTANTIATE_TEST_SUITE_P(Targets, SafeWrite, testing::ValuesIn(kCases), testing_support::namedCases);

// A socket is connected to and written, as a device or FIFO is.
TEST(SafeWriteToSocket, DeliversTheBytes)
{
    const fs::path path = fs::temp_directory_path() / ("safe write socket " + std::to_string(::getpid()));
    sockaddr_un address{.sun_family = AF_UNIX, .sun_path = {}};
    path.string().copy(address.sun_path, sizeof address.sun_path - 1);
    const int socket = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_NONBLOCK, 0);
    ASSERT_EQ(::bind(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);

    EXPECT_EQ(files::writeFile(path.string(), "new contents"), std::nullopt);

    char received[64] = {};
    EXPECT_EQ(::recv(socket, received, sizeof received, 0), 12);
    EXPECT_STREQ(received, "new contents");
    ::close(socket);
    fs::remove(path);
}

} // namespace
