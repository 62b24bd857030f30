// Reading a whole file: only regular files, never waiting, never more than the limit.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

#include "base/FileIO.h"
#include "base/FileStamp.h"
#include "tests/base/file_test_support.h"

namespace numora {
namespace {

namespace fs = std::filesystem;

TEST(FileRead, RefusesWhatIsNotARegularFileAndWhatIsTooLarge) {
    test::TempFolder temp;
    const fs::path dir = temp.path();
    test::WriteBytes(dir / "f", std::string(100000, 'a'));
    test::WriteBytes(dir / "ten", "0123456789");
    // Sparse: three gigabytes that take no room and would take a minute to read.
    test::WriteBytes(dir / "sparse", "");
    fs::resize_file(dir / "sparse", 3'000'000'000);
    struct Case {
        fs::path path;
        std::uint64_t limit;
        FileError result;
        std::size_t size;
    };
    std::vector<Case> cases = {
        {dir / "f", kMaxReadBytes, FileError::None, 100000},
        {dir / "ten", 10, FileError::None, 10},
        {dir / "ten", 9, FileError::TooLarge, 0},
        {dir / "sparse", kMaxReadBytes, FileError::TooLarge, 0},
        {dir / "missing", kMaxReadBytes, FileError::NoSuchFile, 0},
        {dir, kMaxReadBytes, FileError::IsFolder, 0},
    };
#ifndef _WIN32
    // A named pipe without a writer would block an ordinary open for good.
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0644), 0);
    const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string socketPath = (dir / "socket").string();
    ASSERT_LT(socketPath.size(), sizeof address.sun_path);
    socketPath.copy(address.sun_path, socketPath.size());
    ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    cases.push_back({dir / "fifo", kMaxReadBytes, FileError::IsPipe, 0});
    cases.push_back({"/dev/zero", kMaxReadBytes, FileError::IsDevice, 0});
    cases.push_back({dir / "socket", kMaxReadBytes, FileError::IsSocket, 0});
#endif
    for (const Case& c : cases) {
        std::string bytes = "x";
        EXPECT_EQ(ReadFileBytes(c.path, bytes, c.limit), c.result) << c.path << " " << c.limit;
        EXPECT_EQ(bytes.size(), c.size) << c.path;
    }
#ifndef _WIN32
    ::close(listener);
#endif
}

// A file that grows after it was opened is read up to the limit and one byte, no further.
TEST(FileRead, StopsOneBytePastTheLimitOfAGrowingFile) {
    test::TempFolder temp;
    const fs::path path = temp.path() / "growing";
    test::WriteBytes(path, "12345");
    FileReader reader(path, 8);
    ASSERT_EQ(reader.Error(), FileError::None);
    std::ofstream(path, std::ios::binary | std::ios::app) << std::string(1000, 'x');
    std::vector<char> buffer(4096);
    std::size_t total = 0;
    while (const std::size_t got = reader.Read(buffer.data(), buffer.size())) total += got;
    EXPECT_EQ(reader.Error(), FileError::TooLarge);
    EXPECT_LE(total, 9u);
}

// What a save compares: the bytes, whatever the file's time says.
TEST(FileStamp, TellsAChangeOnDiskFromTheSameBytes) {
    test::TempFolder temp;
    const fs::path path = temp.path() / "doc";
    EXPECT_FALSE(ChangedOnDisk(path, FileStamp{}));  // nothing known: nothing to compare
    FileStamp absent;
    ASSERT_TRUE(ReadStamp(path, absent));
    EXPECT_FALSE(ChangedOnDisk(path, absent));

    test::WriteBytes(path, "1+1\r\n");
    EXPECT_TRUE(ChangedOnDisk(path, absent));  // another copy created it meanwhile
    const FileStamp stamp = StampOf("1+1\r\n");
    EXPECT_FALSE(ChangedOnDisk(path, stamp));
    test::WriteBytes(path, "1+2\r\n");  // the same size, within the same second
    EXPECT_TRUE(ChangedOnDisk(path, stamp));
    test::WriteBytes(path, "1+1\r\n2\r\n");
    EXPECT_TRUE(ChangedOnDisk(path, stamp));
    test::WriteBytes(path, "1+1\r\n");  // rewritten as it was: nothing is lost
    EXPECT_FALSE(ChangedOnDisk(path, stamp));
    fs::remove(path);
    EXPECT_TRUE(ChangedOnDisk(path, stamp));
}

// Which file a save replaces: two absent files are not one file for being absent.
TEST(FileStamp, SameFileByPlaceNotByAbsence) {
    test::TempFolder temp;
    const fs::path dir = temp.path();
    fs::create_directory(dir / "sub");
    test::WriteBytes(dir / "a", "1");
    test::WriteBytes(dir / "b", "1");
    struct Case {
        fs::path first, second;
        bool same;
    };
    const Case cases[] = {
        {dir / "a", dir / "a", true},
        {dir / "a", dir / "sub" / ".." / "a", true},
        {dir / "a", dir / "b", false},           // the same bytes, another file
        {dir / "a", dir / "absent", false},      // one exists
        {dir / "absent", dir / "other", false},  // neither exists
        {dir / "absent", dir / "sub" / ".." / "absent", true},
        {dir / "a", fs::path(), false},
        {fs::path(), fs::path(), false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SameFile(c.first, c.second), c.same) << c.first << " " << c.second;
        EXPECT_EQ(SameFile(c.second, c.first), c.same) << c.second << " " << c.first;
    }
}

}  // namespace
}  // namespace numora
