// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/safe_write.h"
#include "support/case_names.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr uid_t kOtherUser = 65534; // nobody

std::string readFile(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream contents;
    contents << file.rdbuf();
    return contents.str();
}

// What a case needs: the folder to prepare, and the cleanup of anything that outlives the call (readers).
struct Scene {
    fs::path folder;
    std::function<void()> afterWrite;
};

// One target: how to make it, and what must hold afterwards.
struct WriteCase {
    const char* name;
    std::function<std::string(Scene&)> prepare; // returns the path to write
    const char* keptFile = nullptr;             // in the folder: gets the bytes, or keeps "old" on failure
    const char* error = nullptr;                // part of the reason; null: the write succeeds
    std::optional<mode_t> mode = {};            // of keptFile afterwards
    std::optional<uid_t> owner = {};            // of keptFile afterwards
    bool needsRoot = false;
    std::string bytes = "new contents";
    bool delivered = false; // the bytes reach a reader, not a file
};

std::function<std::string(Scene&)> existing(const char* name, mode_t mode, const char* link = nullptr)
{
    return [=](Scene& scene) {
        std::ofstream(scene.folder / name) << "old";
        ::chmod((scene.folder / name).c_str(), mode);
        if (link)
            fs::create_symlink(name, scene.folder / link);
        return (scene.folder / (link ? link : name)).string();
    };
}

std::function<std::string(Scene&)> named(const std::string& path)
{
    return [=](Scene& scene) { return path.starts_with('/') ? path : (scene.folder / path).string(); };
}

// A shared folder as /tmp is, owned by root, with a link planted by owner to the file "victim.rtf" beside it.
std::function<std::string(Scene&)> linkInSharedFolder(uid_t owner)
{
    return [=](Scene& scene) {
        std::ofstream(scene.folder / "victim.rtf") << "old";
        const fs::path shared = scene.folder / "shared";
        fs::create_directory(shared);
        ::chmod(shared.c_str(), 01777);
        fs::create_symlink(scene.folder / "victim.rtf", shared / "x.rtf");
        ::lchown((shared / "x.rtf").c_str(), owner, owner);
        return (shared / "x.rtf").string();
    };
}

// A FIFO with a reader that takes nothing (the write must give up) or everything (kept in the scene).
std::function<std::string(Scene&)> fifo(bool reads, std::shared_ptr<std::string> received = {})
{
    return [=](Scene& scene) {
        const fs::path path = scene.folder / "pipe";
        ::mkfifo(path.c_str(), 0600);
        const int reader = ::open(path.c_str(), O_RDONLY | O_NONBLOCK);
        auto drain = std::make_shared<std::thread>([=] {
            for (char buffer[4096]; reads;) {
                pollfd ready{reader, POLLIN, 0};
                ::poll(&ready, 1, 5000);
                const ssize_t got = ::read(reader, buffer, sizeof buffer);
                if (got == 0 || (got < 0 && errno != EAGAIN))
                    break;
                if (got > 0)
                    received->append(buffer, static_cast<std::size_t>(got));
            }
        });
        scene.afterWrite = [=] {
            drain->join();
            ::close(reader);
        };
        return path.string();
    };
}

const std::string kLarge(1 << 20, 'x'); // far more than a pipe holds
const auto kReceived = std::make_shared<std::string>();

const WriteCase kCases[] = {
    {.name = "NewFileGetsTheUsualMode", .prepare = named("new.rtf"), .keptFile = "new.rtf", .mode = 0644},
    {.name = "PrivateFileStaysPrivate",
     .prepare = existing("private.rtf", 0600),
     .keptFile = "private.rtf",
     .mode = 0600},
    {.name = "GroupWritableFileKeepsItsMode",
     .prepare = existing("shared.rtf", 0670),
     .keptFile = "shared.rtf",
     .mode = 0670},
    {.name = "ReadOnlyFileIsRefusedAlsoForRoot",
     .prepare = existing("kept.rtf", 0444),
     .keptFile = "kept.rtf",
     .error = "read-only",
     .mode = 0444},
    {.name = "SymlinkIsWrittenThrough",
     .prepare = existing("target.rtf", 0600, "link.rtf"),
     .keptFile = "target.rtf",
     .mode = 0600},
    {.name = "DanglingSymlinkCreatesItsTarget",
     .prepare =
         [](Scene& scene) {
             fs::create_symlink("made.rtf", scene.folder / "link.rtf");
             return (scene.folder / "link.rtf").string();
         },
     .keptFile = "made.rtf",
     .mode = 0644},
    {.name = "SymlinkToReadOnlyFileIsRefused",
     .prepare = existing("kept.rtf", 0444, "link.rtf"),
     .keptFile = "kept.rtf",
     .error = "read-only",
     .mode = 0444},
    {.name = "FolderIsRefused", .prepare = named("."), .error = "folder"},
    {.name = "NullDeviceIsWrittenNotReplaced", .prepare = named("/dev/null")},
    {.name = "FullDeviceIsAnError", .prepare = named("/dev/full"), .error = "No space left on device"},
    {.name = "MissingFolderIsAnError", .prepare = named("no such folder/x.rtf"), .error = "No such file"},
    {.name = "NameAtTheLengthLimit", .prepare = named(std::string(251, 'x') + ".rtf")},
    {.name = "PathNearPathMax",
     .prepare =
         [](Scene& scene) {
             fs::path folder = scene.folder;
             while (folder.string().size() < PATH_MAX - 300)
                 folder /= std::string(200, 'd');
             fs::create_directories(folder);
             return (folder / std::string(PATH_MAX - 2 - folder.string().size(), 'n')).string();
         }},
    {.name = "LinkPlantedInASharedFolderIsRefused",
     .prepare = linkInSharedFolder(kOtherUser),
     .keptFile = "victim.rtf",
     .error = "symbolic link",
     .needsRoot = true},
    {.name = "LinkOfTheSharedFoldersOwnerIsFollowed",
     .prepare = linkInSharedFolder(0),
     .keptFile = "victim.rtf",
     .needsRoot = true},
    {.name = "AnotherUsersPrivateFileStaysTheirs",
     .prepare =
         [](Scene& scene) {
             const std::string path = existing("theirs.rtf", 0600)(scene);
             ::chown(path.c_str(), kOtherUser, kOtherUser);
             return path;
         },
     .keptFile = "theirs.rtf",
     .mode = 0600,
     .owner = kOtherUser,
     .needsRoot = true},
    {.name = "WritableFileInAFolderThatTakesNoNewFile",
     .prepare =
         [](Scene& scene) {
             const std::string path = existing("in place.rtf", 0644)(scene);
             ::chmod(scene.folder.c_str(), 0555);
             scene.afterWrite = [folder = scene.folder] { ::chmod(folder.c_str(), 0755); };
             return path;
         },
     .keptFile = "in place.rtf",
     .mode = 0644},
    {.name = "FifoThatNobodyReadsIsRefusedAtOnce",
     .prepare =
         [](Scene& scene) {
             ::mkfifo((scene.folder / "pipe").c_str(), 0600);
             return (scene.folder / "pipe").string();
         },
     .error = "no program is reading"},
    {.name = "FifoWhoseReaderStopsIsGivenUpOn", .prepare = fifo(false), .error = "stopped", .bytes = kLarge},
    {.name = "FifoIsWrittenInPlace", .prepare = fifo(true, kReceived), .bytes = kLarge, .delivered = true},
    {.name = "SocketIsConnectedTo",
     .prepare =
         [](Scene& scene) {
             sockaddr_un address{.sun_family = AF_UNIX, .sun_path = "socket"};
             const int socket = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_NONBLOCK, 0);
             const fs::path here = fs::current_path();
             fs::current_path(scene.folder);
             ::bind(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address);
             fs::current_path(here);
             scene.afterWrite = [socket] {
                 char buffer[64] = {};
                 const ssize_t got = ::recv(socket, buffer, sizeof buffer, 0);
                 kReceived->assign(buffer, static_cast<std::size_t>(std::max<ssize_t>(got, 0)));
                 ::close(socket);
             };
             return (scene.folder / "socket").string();
         },
     .delivered = true},
};

class SafeWrite : public testing::TestWithParam<WriteCase> {
protected:
    void SetUp() override
    {
        if (GetParam().needsRoot && ::geteuid() != 0)
            GTEST_SKIP() << "only root can give a file to another user";
        m_previousMask = ::umask(022);
        m_scene.folder = fs::temp_directory_path() / ("safe write " + std::to_string(::getpid()) + " " +
                                                      testing_support::caseName(GetParam().name));
        fs::remove_all(m_scene.folder);
        fs::create_directories(m_scene.folder);
    }
    void TearDown() override
    {
        ::umask(m_previousMask);
        fs::remove_all(m_scene.folder);
    }

    Scene m_scene;
    mode_t m_previousMask = 0;
};

TEST_P(SafeWrite, KeepsEveryPromiseToWhatIsThere)
{
    const WriteCase& target = GetParam();
    kReceived->clear();
    const std::string path = target.prepare(m_scene);
    const std::optional<std::string> failure =
        files::writeFile(path, target.bytes, {.stallLimit = std::chrono::milliseconds(200)});
    if (m_scene.afterWrite)
        m_scene.afterWrite();

    if (target.error) {
        ASSERT_TRUE(failure.has_value());
        EXPECT_NE(failure->find(target.error), std::string::npos) << *failure;
        EXPECT_EQ(failure->find('\n'), std::string::npos);
    } else {
        EXPECT_EQ(failure, std::nullopt);
    }
    if (target.keptFile) {
        const fs::path kept = m_scene.folder / target.keptFile;
        EXPECT_EQ(readFile(kept), target.error ? "old" : target.bytes);
        struct stat status {};
        ASSERT_EQ(::stat(kept.c_str(), &status), 0);
        EXPECT_EQ(status.st_mode & 07777, target.mode.value_or(status.st_mode & 07777));
        EXPECT_EQ(status.st_uid, target.owner.value_or(status.st_uid));
    } else if (!target.error && fs::is_regular_file(path)) {
        EXPECT_EQ(readFile(path), target.bytes);
    }
    EXPECT_TRUE(!fs::exists(fs::symlink_status(m_scene.folder / "link.rtf")) ||
                fs::is_symlink(m_scene.folder / "link.rtf"));
    EXPECT_EQ(*kReceived, target.delivered ? target.bytes : "");
    EXPECT_TRUE(fs::is_character_file("/dev/null") && fs::is_character_file("/dev/full"));
    for (const auto& entry : fs::recursive_directory_iterator(m_scene.folder))
        EXPECT_FALSE(entry.path().filename().string().starts_with('.')) << "left behind: " << entry.path();
}

INSTANTIATE_TEST_SUITE_P(Targets, SafeWrite, testing::ValuesIn(kCases), testing_support::namedCases);

} // namespace
