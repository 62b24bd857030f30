#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "worksheet/Document.h"

#ifndef _WIN32
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#endif

namespace numora {
namespace {

namespace fs = std::filesystem;

class DocumentFiles : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::temp_directory_path() /
               (std::string("numora-doc-") + info->name() + "-" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path Write(const std::string& name, const std::string& bytes) {
        const fs::path path = dir_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    static std::string Read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    // Collects what would be shown to the user.
    DocumentReporter Recorder() {
        return [this](const DocumentMessage& m) {
            shown_.push_back(std::u16string(m.text) + u"|" + std::u16string(m.title));
        };
    }

    fs::path dir_;
    std::vector<std::u16string> shown_;
};

const std::u16string kLoadFailed = u"ファイルの読み込みに失敗しました。|ファイル読み込み";
const std::u16string kSaveFailed = u"ファイルの書き込みに失敗しました。|ファイル保存";

TEST_F(DocumentFiles, SaveWritesCrLfUtf8AndLoadGivesTheTextBack) {
    struct Case {
        std::u16string text;
        std::string bytes;
    };
    const Case cases[] = {
        {u"", ""},
        {u"1+2\n>3", "1+2\r\n>3"},
        {u"1+2\n>3\n", "1+2\r\n>3\r\n"},  // an empty last paragraph keeps its line break
        {u"税込=100*1.1 // 消費税\n>110",
         "\xE7\xA8\x8E\xE8\xBE\xBC=100*1.1 // "
         "\xE6\xB6\x88\xE8\xB2\xBB\xE7\xA8\x8E\r\n>110"},
        {u"\n\n", "\r\n\r\n"},
        {u"\U0001F600=1", "\xF0\x9F\x98\x80=1"},
        {u"末尾は漢字", "\xE6\x9C\xAB\xE5\xB0\xBE\xE3\x81\xAF\xE6\xBC\xA2\xE5\xAD\x97"},
    };
    for (const Case& c : cases) {
        const fs::path path = dir_ / "sheet.txt";
        ASSERT_TRUE(SaveDocument(path, c.text, Recorder()));
        EXPECT_EQ(Read(path), c.bytes);
        std::u16string loaded = u"old";
        ASSERT_TRUE(LoadDocument(path, loaded, Recorder()));
        EXPECT_EQ(loaded, c.text);
    }
    EXPECT_TRUE(shown_.empty());
}

TEST(WorksheetCoding, LineEndsAndByteOrderMark) {
    struct Case {
        std::string bytes;
        std::u16string text;
    };
    const Case cases[] = {
        {"a\r\nb", u"a\nb"},
        {"a\rb", u"a\nb"},
        {"a\nb", u"a\nb"},
        {"a\r\r\nb\n\rc", u"a\n\nb\n\nc"},
        {"a\r", u"a\n"},
        {"\xEF\xBB\xBF"
         "1+2",
         u"1+2"},
        {"\xEF\xBB\xBF", u""},
        {"a\xEF\xBB\xBF", u"a\uFEFF"},  // only a leading mark is dropped
        {std::string("a\0b", 3), std::u16string(u"a\0b", 3)},
    };
    for (const Case& c : cases) {
        std::u16string text;
        EXPECT_EQ(DecodeWorksheet(c.bytes, text), DocumentStatus::Ok) << c.bytes;
        EXPECT_EQ(text, c.text) << c.bytes;
    }
    // Any line break held in memory is written as CR LF.
    EXPECT_EQ(EncodeWorksheet(u"a\rb\r\nc\nd"), "a\r\nb\r\nc\r\nd");
}

// Chunks of every small size put a boundary inside every character and every CR LF pair.
TEST_F(DocumentFiles, ChunkBoundariesKeepCharactersAndLineEndsWhole) {
    std::string bytes = "\xEF\xBB\xBF";
    std::u16string expected;
    for (int i = 0; i < 40; ++i) {
        bytes += "x=\xC3\xA9\xE8\xA8\x88\xF0\x9F\x98\x80\r\n>1\r";
        expected += u"x=é計\U0001F600\n>1\n";
    }
    const fs::path path = Write("chunks.txt", bytes);
    for (std::size_t chunk : {1, 2, 3, 4, 5, 6, 7, 8, 13, 64, 1000}) {
        std::u16string text;
        ASSERT_EQ(ReadWorksheetFile(path, text, chunk), DocumentStatus::Ok) << chunk;
        EXPECT_EQ(text, expected) << chunk;
    }
}

TEST_F(DocumentFiles, FileLargerThanTheDefaultChunk) {
    // A surrogate pair straddles the first chunk boundary and a Japanese character the second.
    std::string bytes(kDefaultReadChunkBytes - 2, 'a');
    bytes += "\xF0\x9F\x98\x80";
    bytes += std::string(kDefaultReadChunkBytes - 5, 'b');
    bytes += "\xE8\xA8\x88\r\n\xE7\xB5\x82";
    std::u16string expected(kDefaultReadChunkBytes - 2, u'a');
    expected += u"\U0001F600";
    expected += std::u16string(kDefaultReadChunkBytes - 5, u'b');
    expected += u"計\n終";

    std::u16string text;
    ASSERT_TRUE(LoadDocument(Write("big.txt", bytes), text, Recorder()));
    EXPECT_EQ(text.size(), expected.size());
    EXPECT_TRUE(text == expected);
    EXPECT_EQ(text.find(u'\uFFFD'), std::u16string::npos);
}

TEST_F(DocumentFiles, FailedLoadReportsAndLeavesTheTextUnchanged) {
    struct Case {
        const char* what;
        fs::path path;
        DocumentStatus status;
    };
    fs::create_directories(dir_ / "folder");
    const Case cases[] = {
        {"missing", dir_ / "missing.txt", DocumentStatus::OpenFailed},
        {"latin-1", Write("latin1.txt", "caf\xE9\r\n"), DocumentStatus::NotUtf8},
        {"stray byte", Write("ff.txt", "1+2\r\n\xFF"), DocumentStatus::NotUtf8},
        {"cut at the end", Write("cut.txt", "1+2\xE8\xA8"), DocumentStatus::NotUtf8},
        {"bad continuation", Write("cont.txt", "\xE8(\x88"), DocumentStatus::NotUtf8},
        {"encoded surrogate", Write("sur.txt", "\xED\xA0\x80"), DocumentStatus::NotUtf8},
        {"overlong", Write("long.txt", "\xC0\xAF"), DocumentStatus::NotUtf8},
        {"a folder", dir_ / "folder", DocumentStatus::ReadFailed},
    };
    for (const Case& c : cases) {
        for (std::size_t chunk : {std::size_t{1}, std::size_t{2}, kDefaultReadChunkBytes}) {
            std::u16string text = u"before";
            EXPECT_EQ(ReadWorksheetFile(c.path, text, chunk), c.status) << c.what << chunk;
            shown_.clear();
            EXPECT_FALSE(LoadDocument(c.path, text, Recorder(), chunk)) << c.what;
            EXPECT_EQ(text, u"before") << c.what;
            EXPECT_EQ(shown_, std::vector<std::u16string>{kLoadFailed}) << c.what;
        }
    }
}

TEST_F(DocumentFiles, FailedSaveReportsAndKeepsWhatWasThere) {
    const fs::path blocker = Write("plain-file", "x");
    const fs::path folder = dir_ / "folder";
    fs::create_directories(folder);
    Write("folder/keep.txt", "kept");

    // The parent is a regular file: nothing can be created, whoever runs the test.
    EXPECT_FALSE(SaveDocument(blocker / "sheet.txt", u"1+2", Recorder()));
    // The target is a folder: it must not be replaced.
    EXPECT_FALSE(SaveDocument(folder, u"1+2", Recorder()));
    EXPECT_EQ(Read(folder / "keep.txt"), "kept");
    EXPECT_EQ(Read(blocker), "x");
    EXPECT_EQ(shown_, (std::vector<std::u16string>{kSaveFailed, kSaveFailed}));
    EXPECT_EQ(fs::directory_iterator(folder)->path().filename(), "keep.txt");
}

#ifndef _WIN32
// A write that fails half-way (here: the file size limit, which also stops root) must not
// touch the old file and must not count as saved.
TEST_F(DocumentFiles, WriteErrorInTheMiddleKeepsTheOldFile) {
    const fs::path path = Write("sheet.txt", "old\r\n>1");
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 16;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);

    const bool saved = SaveDocument(path, std::u16string(100, u'7'), Recorder());

    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_FALSE(saved);
    EXPECT_EQ(shown_, std::vector<std::u16string>{kSaveFailed});
    EXPECT_EQ(Read(path), "old\r\n>1");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}
#endif

}  // namespace
}  // namespace numora
