#include "common/atomic_file.h"

#include "support/file_size_limit.h"
#include "support/killed_save.h"
#include "support/own_file_system.h"
#include "support/player_only.h"
#include "support/temp_folder.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <grp.h>
#include <gtest/gtest.h>
#include <iterator>
#include <ostream>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvane {

void PrintTo(WriteFailure failure, std::ostream* out) {
    constexpr const char* kNames[] = {"None",          "NotRegularFile", "NotWritable",
                                      "FolderMissing", "BrokenLink",     "WriteFailed"};
    *out << kNames[static_cast<int>(failure)];
}

namespace {

namespace fs = std::filesystem;

TEST(AtomicFile, ReplacesTheOldContentWhole) {
    const test::TempFolder folder;
    const fs::path dir = folder.path();
    const fs::path path = dir / "game";
    std::ofstream(path) << "a much longer old content than the new one";
    const std::uint8_t data[] = {1, 2, 3};
    ASSERT_TRUE(WriteFileAtomically(path.string(), data, sizeof data).ok());
    EXPECT_EQ(fs::file_size(path), 3u);
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir))
        ++entries;
    EXPECT_EQ(entries, 1u);
}

TEST(AtomicFile, MissingFolderFails) {
    const std::uint8_t data[] = {1};
    EXPECT_FALSE(WriteFileAtomically("/nonexistent-orvane-folder/file", data, sizeof data).ok());
}

using Bytes = std::vector<std::uint8_t>;

// A fresh folder to write into, with what the tests look at there.
class AtomicFileFolder : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_FALSE(m_dir.empty()); }
    void TearDown() override {
        // Give back what a test took away, so everything can go.
        for (const auto& entry : fs::recursive_directory_iterator(m_dir))
            if (fs::is_directory(entry.symlink_status()))
                ::chmod(entry.path().c_str(), 0755);
        ::chmod(m_dir.c_str(), 0755);
    }

    fs::path file(const std::string& name) const { return m_dir / name; }
    static bool write(const fs::path& path, const Bytes& bytes) {
        return WriteFileAtomically(path.string(), bytes.data(), bytes.size()).ok();
    }
    static void plant(const fs::path& path, const Bytes& bytes) {
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }
    static Bytes read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    static mode_t modeOf(const fs::path& path) {
        struct stat st {};
        ::lstat(path.c_str(), &st);
        return st.st_mode & 07777;
    }
    std::vector<std::string> contents(const fs::path& folder) const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    std::vector<std::string> contents() const { return contents(m_dir); }

    const Bytes oldBytes{'o', 'l', 'd', ' ', 'c', 'o', 'n', 't', 'e', 'n', 't'};
    const Bytes newBytes{1, 2, 3, 4};

  private:
    const test::TempFolder m_folder;
    const fs::path m_dir{m_folder.path()};
};

using AtomicFileTarget = AtomicFileFolder;
using AtomicFileTemporaries = AtomicFileFolder;
using AtomicFileAsPlayer = AtomicFileFolder;

TEST_F(AtomicFileTarget, AReplacedFileKeepsItsPermissionBits) {
    for (const mode_t mode : {0600, 0640, 0660, 0604, 0755}) {
        SCOPED_TRACE(mode);
        plant(file("game"), oldBytes);
        ::chmod(file("game").c_str(), mode);

        ASSERT_TRUE(write(file("game"), newBytes));
        EXPECT_EQ(read(file("game")), newBytes);
        EXPECT_EQ(modeOf(file("game")), mode);
    }
    plant(file("other"), oldBytes);
    EXPECT_EQ(contents(), (std::vector<std::string>{"game", "other"}));
}

TEST_F(AtomicFileTarget, WritesThroughSymbolicLinksAndKeepsThem) {
    fs::create_directory(file("elsewhere"));
    struct Case {
        const char* what;
        const char* link;
        fs::path pointsTo;
        const char* target; // relative to the folder
        bool targetExists;
    };
    const Case cases[] = {
        {"relative link in the same folder", "near", "near-target", "near-target", true},
        {"absolute link to another folder", "far", file("elsewhere/far-target"),
         "elsewhere/far-target", true},
        {"link to a link", "chain", "near", "near-target", true},
        {"relative link into a subfolder", "down", "elsewhere/down-target", "elsewhere/down-target",
         true},
        {"link to a file not there yet", "dangling", "elsewhere/new-target", "elsewhere/new-target",
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.targetExists && !fs::exists(file(c.target)))
            plant(file(c.target), oldBytes);
        if (c.targetExists)
            ::chmod(file(c.target).c_str(), 0640);
        fs::create_symlink(c.pointsTo, file(c.link));

        ASSERT_TRUE(write(file(c.link), newBytes));
        EXPECT_TRUE(fs::is_symlink(file(c.link)));
        std::error_code notALink;
        EXPECT_EQ(fs::read_symlink(file(c.link), notALink), c.pointsTo);
        EXPECT_EQ(read(file(c.target)), newBytes);
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(file(c.target))));
        if (c.targetExists) {
            EXPECT_EQ(modeOf(file(c.target)), 0640u);
        }
    }
    EXPECT_EQ(contents(), (std::vector<std::string>{"chain", "dangling", "down", "elsewhere", "far",
                                                    "near", "near-target"}));
    EXPECT_EQ(contents(file("elsewhere")),
              (std::vector<std::string>{"down-target", "far-target", "new-target"}));
}

TEST_F(AtomicFileTarget, LeavesAnythingButARegularFileAsItWas) {
    ASSERT_EQ(::mkfifo(file("fifo").c_str(), 0644), 0);
    fs::create_symlink("fifo", file("link-to-fifo"));
    fs::create_symlink("/dev/null", file("device"));
    fs::create_directory(file("folder"));
    fs::create_symlink("link-to-itself", file("link-to-itself"));

    for (const char* name : {"fifo", "link-to-fifo", "device", "folder", "link-to-itself"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(write(file(name), newBytes));
    }
    EXPECT_TRUE(fs::is_fifo(fs::symlink_status(file("fifo"))));
    std::error_code notALink;
    EXPECT_EQ(fs::read_symlink(file("link-to-fifo"), notALink), "fifo");
    EXPECT_EQ(fs::read_symlink(file("device"), notALink), "/dev/null");
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    EXPECT_TRUE(fs::is_empty(file("folder")));
    EXPECT_EQ(contents(), (std::vector<std::string>{"device", "fifo", "folder", "link-to-fifo",
                                                    "link-to-itself"}))
        << "no temporary left";
}

// Why a write failed, as the caller learns it.
struct ExpectedFailure {
    const char* what;
    fs::path target;
    WriteFailure failure;
    int error;
};

void ExpectFailures(const std::vector<ExpectedFailure>& cases, const Bytes& bytes) {
    for (const ExpectedFailure& c : cases) {
        SCOPED_TRACE(c.what);
        const WriteResult result =
            WriteFileAtomically(c.target.string(), bytes.data(), bytes.size());
        EXPECT_FALSE(result.ok());
        EXPECT_EQ(result.failure, c.failure);
        EXPECT_EQ(result.error, c.error) << std::strerror(result.error);
    }
}

TEST_F(AtomicFileTarget, SaysWhyItWasNotWritten) {
    ASSERT_EQ(::mkfifo(file("fifo").c_str(), 0644), 0);
    fs::create_directory(file("folder"));
    fs::create_symlink("/dev/null", file("device"));
    fs::create_symlink("link-to-itself", file("link-to-itself"));
    plant(file("plain"), oldBytes);

    ExpectFailures(
        {
            {"a folder", file("folder"), WriteFailure::NotRegularFile, 0},
            {"a FIFO", file("fifo"), WriteFailure::NotRegularFile, 0},
            {"a link to a device", file("device"), WriteFailure::NotRegularFile, 0},
            {"a folder that is not there", file("missing/game"), WriteFailure::FolderMissing,
             ENOENT},
            {"a file where a folder should be", file("plain/game"), WriteFailure::FolderMissing,
             ENOTDIR},
            {"a link to itself", file("link-to-itself"), WriteFailure::BrokenLink, ELOOP},
            {"a name longer than any", file(std::string(256, 'n')), WriteFailure::WriteFailed,
             ENAMETOOLONG},
        },
        newBytes);
    EXPECT_EQ(read(file("plain")), oldBytes);

    const WriteResult written =
        WriteFileAtomically(file("plain").string(), newBytes.data(), newBytes.size());
    EXPECT_TRUE(written.ok());
    EXPECT_EQ(written.error, 0);
}

TEST_F(AtomicFileTarget, SaysThatTheBytesDidNotFitOnTheDisk) {
    plant(file("game"), oldBytes);
    const Bytes bytes(64, 7);
    WriteResult result;
    {
        const test::FileSizeLimit limit(bytes.size() / 2);
        result = WriteFileAtomically(file("game").string(), bytes.data(), bytes.size());
    }
    EXPECT_EQ(result.failure, WriteFailure::WriteFailed);
    EXPECT_EQ(result.error, EFBIG) << std::strerror(result.error);
    EXPECT_EQ(read(file("game")), oldBytes);
    EXPECT_EQ(contents(), std::vector<std::string>{"game"}) << "no temporary left";
}

TEST_F(AtomicFileTemporaries, EveryNameTheFileSystemTakesCanBeWritten) {
    for (const std::size_t length : {1, 245, 246, 250, 255}) {
        SCOPED_TRACE(length);
        const std::string name(length, 'n');
        plant(file(name), oldBytes); // a name the file system takes
        ASSERT_TRUE(fs::exists(file(name)));
        EXPECT_TRUE(write(file(name), newBytes));
        EXPECT_EQ(read(file(name)), newBytes);
        fs::remove(file(name));
        EXPECT_TRUE(write(file(name), newBytes)) << "a new file of that name";
        EXPECT_EQ(read(file(name)), newBytes);
        fs::remove(file(name));
    }
    EXPECT_FALSE(write(file(std::string(256, 'n')), newBytes)) << "longer than any file name";
    EXPECT_TRUE(contents().empty());
}

TEST_F(AtomicFileTemporaries, AKilledSaveLeavesAHiddenTemporaryThatTheNextSaveRemoves) {
    ASSERT_TRUE(write(file("game"), oldBytes));
    // A player's own files that merely look alike are no business of the saves.
    const std::vector<std::string> lookalikes = {".orvane-notes", ".orvane-ab.tmp",
                                                 "game.tmpAbC123", ".orvane-AbC123.tmp~"};
    for (const std::string& name : lookalikes)
        plant(file(name), oldBytes);
    // What the folder holds besides the games and the look-alikes.
    const auto debris = [&] {
        std::vector<std::string> names = contents();
        std::erase_if(names, [&](const std::string& n) {
            return n == "game" || n == "other game" ||
                   std::find(lookalikes.begin(), lookalikes.end(), n) != lookalikes.end();
        });
        return names;
    };

    ASSERT_TRUE(test::SaveKilledHalfWay(file("game").string(), Bytes(292, 7)));
    EXPECT_EQ(read(file("game")), oldBytes) << "the killed save never touched the file";
    ASSERT_EQ(debris().size(), 1u) << "the killed save's temporary";
    const std::string killed = debris()[0];
    EXPECT_EQ(killed.front(), '.') << "hidden from file lists";
    EXPECT_LE(killed.size(), 20u);
    EXPECT_EQ(fs::file_size(file(killed)), 146u) << "cut off half-way";

    // The same temporary seen while its save still runs, elsewhere: that save holds its lock.
    const int running = ::open(file(killed).c_str(), O_RDONLY);
    ASSERT_GE(running, 0);
    ASSERT_EQ(::flock(running, LOCK_EX | LOCK_NB), 0);
    ASSERT_TRUE(test::SaveKilledHalfWay(file("game").string(), Bytes(292, 8)));
    ASSERT_EQ(debris().size(), 2u) << "a second killed save left its own";

    ASSERT_TRUE(write(file("other game"), newBytes));
    std::vector<std::string> expected = lookalikes;
    expected.insert(expected.end(), {killed, "game", "other game"});
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(contents(), expected) << "the dead save's temporary goes, the running one's stays";

    ::close(running);
    ASSERT_TRUE(write(file("game"), newBytes));
    expected.erase(std::find(expected.begin(), expected.end(), killed));
    EXPECT_EQ(contents(), expected);
    EXPECT_EQ(read(file("game")), newBytes);
}

TEST_F(AtomicFileAsPlayer, WritesWhatThePlayerMayWriteAndKeepsTheRestByteForByte) {
    ORVANE_SKIP_AS_ROOT();
    struct Case {
        const char* what;
        mode_t folderMode;
        mode_t fileMode; // 0: no file there
        bool written;
    };
    const Case cases[] = {
        {"read-only file in a writable folder", 0755, 0444, false},
        {"read-only file in a read-only folder", 0555, 0444, false},
        {"writable file in a read-only folder", 0555, 0644, true},
        {"private writable file in a read-only folder", 0555, 0600, true},
        {"new file in a read-only folder", 0555, 0, false},
        {"writable file in a writable folder", 0755, 0640, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const fs::path folder = file(c.what);
        fs::create_directory(folder);
        const fs::path game = folder / "game";
        if (c.fileMode != 0) {
            plant(game, oldBytes);
            ::chmod(game.c_str(), c.fileMode);
        }
        ::chmod(folder.c_str(), c.folderMode);

        EXPECT_EQ(write(game, newBytes), c.written);
        if (c.fileMode != 0) {
            EXPECT_EQ(read(game), c.written ? newBytes : oldBytes);
            EXPECT_EQ(modeOf(game), c.fileMode);
        }
        EXPECT_EQ(contents(folder),
                  c.fileMode != 0 ? std::vector<std::string>{"game"} : std::vector<std::string>{});
    }
}

// A writable file in a folder that takes no temporary is overwritten in place: a disk that cannot
// take the new content must leave the old one, not half of each.
TEST_F(AtomicFileAsPlayer, AFileOverwrittenInPlaceStaysWholeWhenTheNewContentDoesNotFit) {
    ORVANE_SKIP_AS_ROOT();
    struct Case {
        const char* what;
        std::size_t oldSize;
        std::size_t newSize;
        rlim_t limit;
    };
    const Case cases[] = {
        {"longer than the old file and past the limit", 100, 300, 200},
        {"shorter than the old file but past the limit", 300, 250, 200},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const fs::path folder = file(c.what);
        fs::create_directory(folder);
        const Bytes before(c.oldSize, 'o');
        plant(folder / "game", before);
        ::chmod(folder.c_str(), 0555);

        const Bytes after(c.newSize, 'n');
        WriteResult result;
        {
            const test::FileSizeLimit limit(c.limit);
            result = WriteFileAtomically((folder / "game").string(), after.data(), after.size());
        }
        EXPECT_EQ(result.failure, WriteFailure::WriteFailed);
        EXPECT_EQ(result.error, EFBIG) << std::strerror(result.error);
        EXPECT_EQ(read(folder / "game"), before);
        EXPECT_TRUE(write(folder / "game", after)) << "once it fits";
        EXPECT_EQ(read(folder / "game"), after);
    }
}

TEST_F(AtomicFileAsPlayer, SaysThatThePlayerMayNotWrite) {
    ORVANE_SKIP_AS_ROOT();
    fs::create_directory(file("open"));
    plant(file("open/read-only"), oldBytes);
    ::chmod(file("open/read-only").c_str(), 0444);
    fs::create_directory(file("closed"));
    plant(file("closed/read-only"), oldBytes);
    ::chmod(file("closed/read-only").c_str(), 0444);
    ::chmod(file("closed").c_str(), 0555);
    fs::create_directory(file("sealed"));
    ::chmod(file("sealed").c_str(), 0);

    ExpectFailures(
        {
            {"a read-only file in a writable folder", file("open/read-only"),
             WriteFailure::NotWritable, EACCES},
            {"a read-only file in a read-only folder", file("closed/read-only"),
             WriteFailure::NotWritable, EACCES},
            {"a new file in a read-only folder", file("closed/new"), WriteFailure::NotWritable,
             EACCES},
            {"a file in a folder that may not be looked into", file("sealed/game"),
             WriteFailure::NotWritable, EACCES},
        },
        newBytes);
}

// The same on real file systems of the test's own, as a player (user nobody) whose file lies in a
// folder only root may write. Mounting one takes root: elsewhere these skip, and the size limit
// above stands in for the full disk.
class AtomicFileInPlace : public AtomicFileFolder {
  protected:
    static constexpr uid_t kPlayer = 65534;

    void SetUp() override {
        AtomicFileFolder::SetUp();
        if (::geteuid() != 0)
            GTEST_SKIP() << "only root may mount a file system of its own";
        ::chmod(file("").c_str(), 0755); // the player must reach the mount point
        fs::create_directory(file("disk"));
    }

    // Runs `body` on a file system of `type` mounted at disk/, and returns its report.
    std::string onOwnFileSystem(const char* type, const char* options,
                                const std::function<std::string()>& body) {
        const test::OwnFileSystemRun run =
            test::RunOnOwnFileSystem(file("disk").string(), type, options, body);
        if (run.whyNot)
            m_whyNot = *run.whyNot;
        return run.report;
    }
    std::string m_whyNot;

    // The game file of the player, in a folder only root may write, under disk/.
    fs::path plantGame(const Bytes& bytes) const {
        const fs::path folder = file("disk/program folder");
        fs::create_directory(folder);
        plant(folder / "game", bytes);
        ::chown((folder / "game").c_str(), kPlayer, kPlayer);
        ::chmod((folder / "game").c_str(), 0644);
        return folder / "game";
    }
    static bool becomePlayer() {
        return ::setgroups(0, nullptr) == 0 && ::setresgid(kPlayer, kPlayer, kPlayer) == 0 &&
               ::setresuid(kPlayer, kPlayer, kPlayer) == 0;
    }
    static std::string said(const WriteResult& result) {
        return result.ok() ? "written" : std::string("refused: ") + std::strerror(result.error);
    }
};

TEST_F(AtomicFileInPlace, AFullDiskLeavesTheOldFileWhole) {
    const Bytes before(8192, 'o');
    const Bytes after(16384, 'n');
    const std::string report = onOwnFileSystem("tmpfs", "size=64k,mode=0755", [&] {
        const fs::path game = plantGame(before);
        // What the disk has left goes to a file of the player's, in a folder of the player's.
        const fs::path spare = file("disk/spare");
        fs::create_directory(spare);
        ::chown(spare.c_str(), kPlayer, kPlayer);
        {
            std::ofstream filler(spare / "filler", std::ios::binary);
            const std::string block(4096, 'f');
            while (filler.write(block.data(), static_cast<std::streamsize>(block.size())))
                filler.flush();
        }
        if (!becomePlayer())
            return std::string("could not become the player");
        const WriteResult full = WriteFileAtomically(game.string(), after.data(), after.size());
        std::string text = "full disk: " + said(full) + "\n";
        text += read(game) == before ? "old file kept\n" : "old file spoilt\n";
        fs::remove(spare / "filler");
        text +=
            "with room: " + said(WriteFileAtomically(game.string(), after.data(), after.size())) +
            "\n";
        text += read(game) == after ? "new file written\n" : "new file wrong\n";
        text += "folder holds: ";
        for (const std::string& name : contents(game.parent_path()))
            text += name + " ";
        return text;
    });
    if (!m_whyNot.empty())
        GTEST_SKIP() << m_whyNot;
    EXPECT_EQ(report, "full disk: refused: " + std::string(std::strerror(ENOSPC)) +
                          "\nold file kept\nwith room: written\nnew file written\n"
                          "folder holds: game ");
}

// A file system that cannot reserve space beforehand (ramfs) gets the room made with zeros.
TEST_F(AtomicFileInPlace, AFileSystemThatReservesNoSpaceStillGetsTheFile) {
    const Bytes before(100, 'o');
    Bytes after(100000);
    for (std::size_t i = 0; i < after.size(); ++i)
        after[i] = static_cast<std::uint8_t>(i * 7 + 1);
    const std::string report = onOwnFileSystem("ramfs", "mode=0755", [&] {
        const fs::path game = plantGame(before);
        if (!becomePlayer())
            return std::string("could not become the player");
        const int probe = ::open(game.c_str(), O_WRONLY);
        const bool reserves = ::fallocate(probe, 0, 0, 200) == 0 || errno != EOPNOTSUPP;
        ::close(probe);
        std::string text = reserves ? "reserves space\n" : "reserves no space\n";
        text += said(WriteFileAtomically(game.string(), after.data(), after.size())) + "\n";
        text += read(game) == after ? "new file written" : "new file wrong";
        return text;
    });
    if (!m_whyNot.empty())
        GTEST_SKIP() << m_whyNot;
    EXPECT_EQ(report, "reserves no space\nwritten\nnew file written");
}

} // namespace
} // namespace orvane
