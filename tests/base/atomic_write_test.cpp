#include <gtest/gtest.h>

#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "base/FileIO.h"
#include "tests/base/file_test_support.h"

namespace numora {
namespace {

namespace fs = std::filesystem;

#ifdef _WIN32

TEST(AtomicWrite, ReplacesOnlyFilesItMayWrite) {
    test::TempFolder temp;
    const fs::path dir = temp.path();
    test::WriteBytes(dir / "doc", "old");
    test::WriteBytes(dir / "readonly", "old");
    fs::permissions(dir / "readonly", fs::perms::owner_write, fs::perm_options::remove);
    test::WriteBytes(dir / "locked", "old");
    fs::create_directory(dir / "folder");
    // Another program holding the file open without sharing it.
    const HANDLE lock = CreateFileW((dir / "locked").c_str(), GENERIC_READ, 0, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    const struct {
        fs::path path;
        FileError result;
    } cases[] = {
        {dir / "doc", FileError::None},          {dir / "new", FileError::None},
        {dir / "readonly", FileError::ReadOnly}, {dir / "locked", FileError::PermissionDenied},
        {dir / "folder", FileError::IsFolder},   {dir / "missing" / "doc", FileError::NoSuchFile},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WriteFileAtomically(c.path, "new bytes"), c.result) << c.path;
    }
    EXPECT_EQ(test::ReadBytes(dir / "doc"), "new bytes");
    EXPECT_EQ(test::ReadBytes(dir / "new"), "new bytes");
    EXPECT_EQ(test::ReadBytes(dir / "readonly"), "old");
    CloseHandle(lock);
    EXPECT_EQ(test::ReadBytes(dir / "locked"), "old");
    // Nothing left behind: doc, new, readonly, locked, folder.
    EXPECT_EQ(test::EntryCount(dir), 5u);
    fs::permissions(dir / "readonly", fs::perms::owner_write, fs::perm_options::add);
}

#else

struct stat StatOf(const fs::path& path) {
    struct stat st {};
    EXPECT_EQ(::lstat(path.c_str(), &st), 0) << path;
    return st;
}

TEST(AtomicWrite, ReplacesOnlyRegularWritableFiles) {
    test::TempFolder temp;
    const fs::path dir = temp.path();
    test::WriteBytes(dir / "doc", "old");
    test::WriteBytes(dir / "readonly", "old");
    ::chmod((dir / "readonly").c_str(), 0444);
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0644), 0);
    fs::create_directory(dir / "folder");
    fs::create_directory(dir / "sub");
    test::WriteBytes(dir / "sub" / "target", "old");
    fs::create_symlink("sub/target", dir / "link");
    fs::create_symlink("link", dir / "link2");

    const struct {
        fs::path path;
        FileError result;
        fs::path changed;  // the file that holds the new bytes afterwards
    } cases[] = {
        {dir / "doc", FileError::None, dir / "doc"},
        {dir / "new", FileError::None, dir / "new"},
        {dir / std::string(255, 'n'), FileError::None, dir / std::string(255, 'n')},
        {dir / "link2", FileError::None, dir / "sub" / "target"},
        {dir / "readonly", FileError::ReadOnly, {}},
        {dir / "fifo", FileError::IsPipe, {}},
        {dir / "folder", FileError::IsFolder, {}},
        {dir / "missing" / "doc", FileError::NoSuchFile, {}},
        {dir / std::string(256, 'n'), FileError::NameTooLong, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WriteFileAtomically(c.path, "new bytes"), c.result) << c.path;
        if (!c.changed.empty()) {
            EXPECT_EQ(test::ReadBytes(c.changed), "new bytes") << c.path;
        }
    }
    EXPECT_EQ(test::ReadBytes(dir / "readonly"), "old");
    EXPECT_TRUE(S_ISFIFO(StatOf(dir / "fifo").st_mode));
    EXPECT_TRUE(S_ISLNK(StatOf(dir / "link").st_mode));
    EXPECT_TRUE(S_ISLNK(StatOf(dir / "link2").st_mode));
    // Nothing left behind: doc, new, the long name, readonly, fifo, folder, sub, two links.
    EXPECT_EQ(test::EntryCount(dir), 9u);
    EXPECT_EQ(test::EntryCount(dir / "sub"), 1u);
}

// kill -9 in the middle of a write: no handler runs, yet the old file is all there is.
TEST(AtomicWrite, AKilledWriterLeavesNothingBehind) {
    test::TempFolder temp;
    const fs::path path = temp.path() / "doc";
    test::WriteBytes(path, "old");
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::close(ready[0]);
        SetWriteFaultHook(
            [&](WriteStep step, int index) {
                if (step == WriteStep::Write && index == 1) {
                    const char byte = 1;
                    if (::write(ready[1], &byte, 1) == 1) ::pause();  // half written: kill me
                }
                return 0;
            },
            4);
        WriteFileAtomically(path, "new contents");
        ::_exit(0);
    }
    ::close(ready[1]);
    char byte = 0;
    const ssize_t got = ::read(ready[0], &byte, 1);
    ::close(ready[0]);
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_EQ(got, 1);
    EXPECT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(test::EntryCount(temp.path()), 1u);
    EXPECT_EQ(test::ReadBytes(path), "old");
}

TEST(AtomicWrite, KeepsModeAndOwner) {
    test::TempFolder temp;
    const fs::path path = temp.path() / "doc";
    test::WriteBytes(path, "old");
    ::chmod(path.c_str(), 0640);
    // Only root can give a file away; then the owner must survive the rewrite.
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(path.c_str(), 4321, 4322), 0);
    }
    ASSERT_EQ(WriteFileAtomically(path, "new"), FileError::None);
    const struct stat st = StatOf(path);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    if (root) {
        EXPECT_EQ(st.st_uid, 4321u);
        EXPECT_EQ(st.st_gid, 4322u);
    }
}

#endif

// Both ways: a file without a name (Linux), and a hidden named one where that cannot be made.
TEST(AtomicWrite, AFailedStepKeepsTheOldFile) {
    test::TempFolder temp;
    const fs::path path = temp.path() / "doc";
    for (const bool named : {false, true}) {
        for (const test::WriteFault& fault : test::EveryWriteFault()) {
            test::WriteBytes(path, "old contents");
            {
                test::InjectedWriteFault inject(fault, named);
                EXPECT_EQ(WriteFileAtomically(path, "new contents, longer"), fault.reason)
                    << fault.name << named;
            }
            EXPECT_EQ(test::ReadBytes(path), "old contents") << fault.name << named;
            EXPECT_EQ(test::EntryCount(temp.path()), 1u) << fault.name << named;
        }
    }
    EXPECT_EQ(WriteFileAtomically(path, "new"), FileError::None);
}

// What numora-calc's signal handler does when Ctrl+C arrives in the middle of a write.
TEST(AtomicWrite, AnInterruptedWriteLeavesNoTemporaryFile) {
    test::TempFolder temp;
    const fs::path path = temp.path() / "doc";
    test::WriteBytes(path, "old");
    std::size_t entriesDuringWrite = 0;
    SetWriteFaultHook(
        [&](WriteStep step, int index) {
            if (step == WriteStep::OpenUnnamed) return EOPNOTSUPP;  // the named way
            if (step != WriteStep::Write || index != 1) return 0;
            entriesDuringWrite = test::EntryCount(temp.path());
            RemovePendingTemporaryFile();
            return 0;
        },
        4);
    EXPECT_NE(WriteFileAtomically(path, "new contents"), FileError::None);
    SetWriteFaultHook({});
    EXPECT_EQ(entriesDuringWrite, 2u);
    EXPECT_EQ(test::EntryCount(temp.path()), 1u);
    EXPECT_EQ(test::ReadBytes(path), "old");
    RemovePendingTemporaryFile();  // no write in progress: nothing to do
    EXPECT_EQ(test::ReadBytes(path), "old");
}

}  // namespace
}  // namespace numora
