// Which recovery copies a start finds, and in which order it offers them.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/base/file_test_support.h"
#include "worksheet/RecoveryCopy.h"

namespace numora {
namespace {

namespace fs = std::filesystem;

TEST(RecoveryCopies, OnlyCopiesAreFoundAndTheMostRecentlyWrittenComesFirst) {
    test::TempFolder temp;
    const fs::path dir = temp.path();
    const auto now = fs::file_time_type::clock::now();
    const struct {
        const char* name;
        int minutesAgo;
    } files[] = {
        {"Recovery-b.txt", 30},      {"Recovery-c.txt", 1},
        {"Recovery-a.txt", 30},       // as old as b: by name
        {"Recovery-d.lock", 0},       // a running copy's lock
        {".numora-abcdefgh.tmp", 0},  // a save that was cut off
        {"Recovery-.txt", 0},         // no id
        {"recovery-e.txt", 0},       {"Untitled.txt", 0},
    };
    for (const auto& file : files) {
        const std::string copy = EncodeRecoveryCopy("", {}, u"1+1\n>2");
        test::WriteBytes(dir / file.name, copy);
        fs::last_write_time(dir / file.name, now - std::chrono::minutes(file.minutesAgo));
    }
    fs::create_directory(dir / "Recovery-f.txt");

    std::vector<std::string> found;
    for (const fs::path& path : FindRecoveryCopies(dir)) found.push_back(path.filename().string());
    EXPECT_EQ(found,
              (std::vector<std::string>{"Recovery-c.txt", "Recovery-a.txt", "Recovery-b.txt"}));
    EXPECT_TRUE(FindRecoveryCopies(dir / "missing").empty());
}

TEST(RecoveryCopies, ACopyReadsBackAsWrittenAndOtherBytesAreNoCopy) {
    const FileStamp stamp{true, true, 12, 0x1234567890abcdefULL};
    const std::string bytes = EncodeRecoveryCopy("/home/user/計算.txt", stamp, u"a=1\n>1\n税");
    RecoveryCopy copy;
    ASSERT_TRUE(DecodeRecoveryCopy(bytes, copy));
    EXPECT_EQ(copy.documentPath, "/home/user/計算.txt");
    EXPECT_EQ(copy.stamp, stamp);
    EXPECT_EQ(copy.text, u"a=1\n>1\n税");

    // The first form has no stamp line.
    ASSERT_TRUE(DecodeRecoveryCopy("Numora recovery 1\r\n\r\nx\r\n", copy));
    EXPECT_EQ(copy.documentPath, "");
    EXPECT_FALSE(copy.stamp.known);
    EXPECT_EQ(copy.text, u"x\n");

    for (const std::string& other :
         {std::string(), std::string("a=1\r\n"), std::string("Numora recovery 2\r\n/a.txt"),
          std::string("Numora recovery 2\r\n\r\n\r\n\xff")}) {
        EXPECT_FALSE(DecodeRecoveryCopy(other, copy)) << other;
    }
}

}  // namespace
}  // namespace numora
