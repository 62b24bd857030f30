#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#endif

#include "base/Text.h"
#include "tests/base/file_test_support.h"
#include "worksheet/Document.h"
#include "worksheet/TextBuffer.h"

namespace numora {
namespace {

namespace fs = std::filesystem;

const std::u16string kLoadFailed = u"ファイルの読み込みに失敗しました。|ファイル読み込み";
const std::u16string kSaveFailed = u"ファイルの書き込みに失敗しました。|ファイル保存";

class DocumentFiles : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(dir_); }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path Write(const std::string& name, const std::string& bytes) {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
        return dir_ / name;
    }
    static std::string Read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    DocumentReporter Recorder() {
        return [this](const DocumentMessage& m) {
            shown_.push_back(Utf8ToUtf16(std::string(m.text) + "|" + m.title));
            if (m.reason) {
                shown_.back() += u"|" + std::u16string(m.name) + u"|" + Utf8ToUtf16(m.reason);
            }
        };
    }

    const fs::path dir_ =
        fs::temp_directory_path() / ("numora-doc-" + std::to_string(std::random_device{}()));
    std::vector<std::u16string> shown_;
};

// Any line end and an optional BOM load; saving writes UTF-8 with CR LF and no BOM.
TEST_F(DocumentFiles, LoadAndSave) {
    const struct {
        std::string bytes;
        std::u16string text;
        bool savedAsIs;
    } cases[] = {
        {"", u"", true},
        {"1+2\r\n>3", u"1+2\n>3", true},
        {"\r\n\r\n", u"\n\n", true},
        {"税=1 // 注\r\n>1\r\n", u"税=1 // 注\n>1\n", true},
        {"\xF0\x9F\x98\x80=漢", u"\U0001F600=漢", true},
        {std::string("a\0b", 3), std::u16string(u"a\0b", 3), true},
        {"a\r\nb\rc\nd", u"a\nb\nc\nd", false},
        {"a\r\r\nb\n\rc\r", u"a\n\nb\n\nc\n", false},
        {"\uFEFF1+2", u"1+2", false},
    };
    for (const auto& c : cases) {
        std::u16string loaded = u"old";
        ASSERT_TRUE(LoadDocument(Write("in.txt", c.bytes), loaded, Recorder())) << c.bytes;
        EXPECT_EQ(loaded, c.text) << c.bytes;
        if (!c.savedAsIs) continue;
        ASSERT_TRUE(SaveDocument(dir_ / "out.txt", c.text, Recorder()));
        EXPECT_EQ(Read(dir_ / "out.txt"), c.bytes);
    }
    EXPECT_TRUE(shown_.empty());
    EXPECT_EQ(EncodeWorksheet(u"a\rb\r\nc"), "a\r\nb\r\nc");
}

// Small chunks put a boundary inside every character and CR LF pair; with the default chunk
// size a surrogate pair straddles the first boundary.
TEST_F(DocumentFiles, ChunkBoundariesKeepCharactersAndLineEndsWhole) {
    std::string bytes = "\xEF\xBB\xBF" + std::string(kDefaultReadChunkBytes - 5, 'a');
    std::u16string expected(kDefaultReadChunkBytes - 5, u'a');
    for (int i = 0; i < 30; ++i) {
        bytes += "\xF0\x9F\x98\x80\xC3\xA9\xE8\xA8\x88\r\n>1\r";
        expected += u"\U0001F600é計\n>1\n";
    }
    const fs::path path = Write("big.txt", bytes);
    for (const std::size_t chunk :
         std::vector<std::size_t>{1, 2, 3, 5, 7, kDefaultReadChunkBytes}) {
        std::u16string text;
        ASSERT_EQ(ReadWorksheetFile(path, text, chunk), DocumentStatus::Ok) << chunk;
        EXPECT_TRUE(text == expected) << chunk;
    }
}

// The message names the file and says why, on a line of its own.
TEST_F(DocumentFiles, FailedLoadReportsWhyAndLeavesTheTextUnchanged) {
    fs::create_directories(dir_ / "folder");
    SetMaxTextLength(8);
    struct Case {
        fs::path path;
        DocumentStatus status;
        std::u16string detail;
    };
    std::vector<Case> cases = {
        {dir_ / "missing.txt", DocumentStatus::OpenFailed, u"missing.txt|ファイルが見つかりません"},
        {dir_ / "folder", DocumentStatus::OpenFailed, u"folder|フォルダーです"},
        {Write("long.txt", "12345\r\n789"), DocumentStatus::TooLarge,
         u"long.txt|ファイルが大きすぎます"},
        {Write("huge.txt", std::string(40, '1')), DocumentStatus::TooLarge,
         u"huge.txt|ファイルが大きすぎます"},
        {Write("latin1.txt", "caf\xE9\r\n"), DocumentStatus::NotUtf8,
         u"latin1.txt|UTF-8 のテキストではありません"},
        {Write("cut.txt", "1+2\xE8\xA8"), DocumentStatus::NotUtf8,
         u"cut.txt|UTF-8 のテキストではありません"},
        {Write("cont.txt", "\xE8(\x88"), DocumentStatus::NotUtf8,
         u"cont.txt|UTF-8 のテキストではありません"},
    };
#ifndef _WIN32
    ASSERT_EQ(::mkfifo((dir_ / "fifo").c_str(), 0644), 0);
    cases.push_back({dir_ / "fifo", DocumentStatus::OpenFailed, u"fifo|名前付きパイプです"});
    cases.push_back({"/dev/zero", DocumentStatus::OpenFailed, u"zero|デバイスです"});
#endif
    for (const Case& c : cases) {
        for (std::size_t chunk : {std::size_t{1}, kDefaultReadChunkBytes}) {
            std::u16string text = u"before";
            EXPECT_EQ(ReadWorksheetFile(c.path, text, chunk), c.status) << c.path;
            shown_.clear();
            EXPECT_FALSE(LoadDocument(c.path, text, Recorder(), chunk));
            EXPECT_EQ(text, u"before") << c.path;
            EXPECT_EQ(shown_, std::vector<std::u16string>{kLoadFailed + u"|" + c.detail});
        }
    }
    std::u16string text;
    EXPECT_EQ(DecodeWorksheet("12345\r\n789", text), DocumentStatus::TooLarge);
    // Every character takes a byte at least: the limit holds for the file's bytes.
    EXPECT_EQ(ReadWorksheetFile(Write("full.txt", "123456\r\n"), text), DocumentStatus::Ok);
    EXPECT_EQ(text, u"123456\n");
    SetMaxTextLength(-1);

    // Over the real limit and sparse: refused before a byte is read.
    Write("sparse.txt", "");
    fs::resize_file(dir_ / "sparse.txt", 3'000'000'000);
    FileError reason = FileError::None;
    EXPECT_EQ(ReadWorksheetFile(dir_ / "sparse.txt", text, kDefaultReadChunkBytes, &reason),
              DocumentStatus::TooLarge);
    EXPECT_EQ(reason, FileError::TooLarge);
}

#if !defined(_WIN32) && !defined(__SANITIZE_ADDRESS__)
// Memory runs out while the text is read: the load fails with the reason and the program goes
// on. In a child process whose address space is a little larger than what it already uses.
TEST_F(DocumentFiles, RunningOutOfMemoryIsALoadFailure) {
    const fs::path path = Write("zeros.txt", "");
    fs::resize_file(path, 256 << 20);  // NUL characters are text too
    const auto loadInLittleRoom = [&] {
        long pages = 0;
        std::ifstream("/proc/self/statm") >> pages;
        const auto room = static_cast<rlim_t>(pages * ::sysconf(_SC_PAGESIZE) + (64 << 20));
        const rlimit limit{room, room};
        ::setrlimit(RLIMIT_AS, &limit);
        std::u16string text = u"before";
        const bool loaded = LoadDocument(path, text, Recorder());
        return !loaded && text == u"before" &&
               shown_ ==
                   std::vector<std::u16string>{kLoadFailed + u"|zeros.txt|メモリが足りません"};
    };
    EXPECT_EXIT(std::_Exit(loadInLittleRoom() ? 0 : 1), ::testing::ExitedWithCode(0), "");
}
#endif

TEST_F(DocumentFiles, FailedSaveReportsAndKeepsWhatWasThere) {
    // A parent that is a regular file stops the write whoever runs the test.
    EXPECT_FALSE(SaveDocument(Write("plain", "x") / "s.txt", u"1", Recorder()));
    EXPECT_EQ(shown_, std::vector<std::u16string>{kSaveFailed});

    // A write failing half-way (the file size limit also stops root) keeps the old file, and
    // so does a failure at any step of the writer.
    const fs::path path = Write("s.txt", "old\r\n");
#ifdef _WIN32
    constexpr std::size_t kSizeLimitFailures = 0;  // Windows has no file size limit
#else
    constexpr std::size_t kSizeLimitFailures = 1;
    {
        test::FileSizeLimit limit(16);
        EXPECT_FALSE(SaveDocument(path, std::u16string(100, u'7'), Recorder()));
    }
#endif
    for (const test::WriteFault& fault : test::EveryWriteFault()) {
        test::InjectedWriteFault inject(fault);
        EXPECT_FALSE(SaveDocument(path, u"new\nlines", Recorder())) << fault.name;
        FileError reason = FileError::None;
        EXPECT_EQ(WriteWorksheetFile(path, u"new lines", &reason), DocumentStatus::WriteFailed);
        EXPECT_EQ(reason, fault.reason) << fault.name;
    }
    EXPECT_EQ(Read(path), "old\r\n");
    EXPECT_EQ(shown_, std::vector<std::u16string>(
                          1 + kSizeLimitFailures + test::EveryWriteFault().size(), kSaveFailed));
    EXPECT_EQ(test::EntryCount(dir_), 2u);  // "plain" and "s.txt"
}

}  // namespace
}  // namespace numora
