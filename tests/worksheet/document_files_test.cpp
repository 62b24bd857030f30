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

const std::u16string kLoadFailed = u"ファイルの読み込みに失敗しました。|ファイル読み込み";
const std::u16string kSaveFailed = u"ファイルの書き込みに失敗しました。|ファイル保存";

class DocumentFiles : public ::testing::Test {
protected:
    void SetUp() override {
        static int count = 0;
        dir_ = fs::temp_directory_path() /
               ("numora-doc-" + std::to_string(::getpid()) + "-" + std::to_string(++count));
        fs::create_directories(dir_);
    }
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
            shown_.push_back(std::u16string(m.text) + u"|" + std::u16string(m.title));
        };
    }

    fs::path dir_;
    std::vector<std::u16string> shown_;
};

TEST_F(DocumentFiles, SaveWritesUtf8WithCrLfAndLoadReadsItBack) {
    const std::pair<std::u16string, std::string> cases[] = {
        {u"", ""},
        {u"1+2\n>3", "1+2\r\n>3"},
        {u"\n\n", "\r\n\r\n"},
        {u"税=1 // 注\n>1\n", "\xE7\xA8\x8E=1 // \xE6\xB3\xA8\r\n>1\r\n"},
        {u"\U0001F600=漢", "\xF0\x9F\x98\x80=\xE6\xBC\xA2"},
    };
    for (const auto& [text, bytes] : cases) {
        ASSERT_TRUE(SaveDocument(dir_ / "s.txt", text, Recorder()));
        EXPECT_EQ(Read(dir_ / "s.txt"), bytes);
        std::u16string loaded = u"old";
        ASSERT_TRUE(LoadDocument(dir_ / "s.txt", loaded, Recorder()));
        EXPECT_EQ(loaded, text);
    }
    EXPECT_TRUE(shown_.empty());
    EXPECT_EQ(EncodeWorksheet(u"a\rb\r\nc"), "a\r\nb\r\nc");
}

TEST(WorksheetDecoding, LineEndsAndByteOrderMark) {
    const std::pair<std::string, std::u16string> cases[] = {
        {"a\r\nb\rc\nd", u"a\nb\nc\nd"},
        {"a\r\r\nb\n\rc\r", u"a\n\nb\n\nc\n"},
        {"\xEF\xBB\xBF"
         "1+2",
         u"1+2"},
        {std::string("a\0b", 3), std::u16string(u"a\0b", 3)},
    };
    for (const auto& [bytes, text] : cases) {
        std::u16string decoded;
        EXPECT_EQ(DecodeWorksheet(bytes, decoded), DocumentStatus::Ok);
        EXPECT_EQ(decoded, text) << bytes;
    }
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
    for (std::size_t chunk : {std::size_t{1}, std::size_t{2}, std::size_t{3}, std::size_t{5},
                              std::size_t{7}, kDefaultReadChunkBytes}) {
        std::u16string text;
        ASSERT_EQ(ReadWorksheetFile(path, text, chunk), DocumentStatus::Ok) << chunk;
        EXPECT_TRUE(text == expected) << chunk;
    }
}

TEST_F(DocumentFiles, FailedLoadReportsAndLeavesTheTextUnchanged) {
    fs::create_directories(dir_ / "folder");
    const std::pair<fs::path, DocumentStatus> cases[] = {
        {dir_ / "missing.txt", DocumentStatus::OpenFailed},
        {dir_ / "folder", DocumentStatus::ReadFailed},
        {Write("latin1.txt", "caf\xE9\r\n"), DocumentStatus::NotUtf8},
        {Write("cut.txt", "1+2\xE8\xA8"), DocumentStatus::NotUtf8},
        {Write("cont.txt", "\xE8(\x88"), DocumentStatus::NotUtf8},
    };
    for (const auto& [path, status] : cases) {
        for (std::size_t chunk : {std::size_t{1}, kDefaultReadChunkBytes}) {
            std::u16string text = u"before";
            EXPECT_EQ(ReadWorksheetFile(path, text, chunk), status) << path;
            shown_.clear();
            EXPECT_FALSE(LoadDocument(path, text, Recorder(), chunk));
            EXPECT_EQ(text, u"before") << path;
            EXPECT_EQ(shown_, std::vector<std::u16string>{kLoadFailed});
        }
    }
}

TEST_F(DocumentFiles, FailedSaveReportsAndKeepsWhatWasThere) {
    const fs::path plainFile = Write("plain", "x");
    fs::create_directories(dir_ / "folder");
    Write("folder/keep.txt", "kept");
    // A parent that is a regular file stops the write whoever runs the test.
    EXPECT_FALSE(SaveDocument(plainFile / "s.txt", u"1", Recorder()));
    EXPECT_FALSE(SaveDocument(dir_ / "folder", u"1", Recorder()));
    EXPECT_EQ(Read(dir_ / "folder/keep.txt"), "kept");
    EXPECT_EQ(shown_, (std::vector<std::u16string>{kSaveFailed, kSaveFailed}));

#ifndef _WIN32
    // A write failing half-way (the file size limit also stops root) keeps the old file.
    const fs::path path = Write("s.txt", "old");
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 16;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved = SaveDocument(path, std::u16string(100, u'7'), Recorder());
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, handler);
    EXPECT_FALSE(saved);
    EXPECT_EQ(Read(path), "old");
    EXPECT_EQ(shown_.size(), 3u);
#endif
}

}  // namespace
}  // namespace numora
