// Printing the worksheet to PDF files, read back with the poppler tools.
#include <gtest/gtest.h>

#include <QFile>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextDocument>
#include <map>

#include "settings/Settings.h"
#include "shell/print/CPrint.h"
#include "shell/print/PdfText.h"
#include "shell/print/PrintLayout.h"
#include "tests/support/qt_app_support.h"
#include "tests/support/scripted_prompter.h"
#include "ui/ColorRef.h"
#include "worksheet/view/WorksheetEditor.h"
#include "worksheet/view/WorksheetHighlighter.h"

namespace numora {
namespace {

TEST(PrintMargins, RaisedToTheUnprintableBorder) {
    const struct {
        IntRect margins;
        QMarginsF border;
        IntRect expected;
    } rows[] = {
        {{1000, 1000, 1000, 1000}, {0, 0, 0, 0}, {1000, 1000, 1000, 1000}},
        {{500, 500, 500, 500}, {6, 0, 6.004, 12.3456}, {600, 500, 600, 1235}},
        {{0, 2000, 0, 0}, {4.2, 4.2, 4.2, 4.2}, {420, 2000, 420, 420}},
    };
    for (const auto& row : rows) EXPECT_EQ(RaiseMargins(row.margins, row.border), row.expected);
}

// The PDF is read back with poppler's tools, programs of the system the tests run on. Windows
// has none unless installed (and under Wine the Linux ones cannot take a Windows file name).
constexpr const char* kNoPdfTools = "poppler's pdftotext, pdfinfo and pdftoppm are not here";
bool HavePdfTools() {
#ifdef _WIN32
    for (const char* tool : {"pdftotext", "pdfinfo", "pdftoppm"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) return false;
    }
#endif
    return true;  // elsewhere make deps installs them: a missing one fails the tests
}

QString RunTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// What a reader of the PDF gets: its text, without the blank lines and page breaks the
// layout adds.
QStringList TextLines(const QString& pdf) {
    QStringList lines = RunTool("pdftotext", {pdf, "-"}).split('\n');
    lines.removeIf([](const QString& line) { return line.trimmed().isEmpty(); });
    return lines;
}

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every object the cross-reference table lists starts where the table says, for the readers
// that trust it (pdftotext mends a broken table without a word).
void ExpectObjectsWhereListed(const QByteArray& pdf) {
    const qsizetype startxref = pdf.lastIndexOf("startxref");
    ASSERT_GE(startxref, 0);
    const qsizetype xref = pdf.mid(startxref + 9).simplified().split(' ')[0].toLongLong();
    ASSERT_EQ(pdf.mid(xref, 4), "xref");
    const QList<QByteArray> words =
        pdf.mid(xref + 4, pdf.indexOf("trailer", xref) - xref - 4).simplified().split(' ');
    int listed = 0;
    for (qsizetype i = 0; i + 1 < words.size();) {
        const int first = words[i].toInt(), count = words[i + 1].toInt();
        i += 2;
        for (int k = 0; k < count && i + 2 < words.size(); ++k, i += 3) {
            if (words[i + 2] != "n") continue;
            ++listed;
            EXPECT_TRUE(QByteArrayView(pdf)
                            .sliced(words[i].toLongLong())
                            .startsWith(QByteArray::number(first + k) + " 0 obj"))
                << "object " << first + k;
        }
    }
    EXPECT_GT(listed, 5);
}

class PrintPdfTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::App(); }

    // Prints `document` to a PDF file and returns its path.
    QString PrintToPdf(const QTextDocument& document, bool expectSuccess = true,
                       PaperColors paper = {}) {
        const QString path = dir.filePath("out.pdf");
        prompter.printToFile = path;
        prompter.printAnswers.push_back(true);
        CPrint print(margins);
        print.SetPaperColors(std::move(paper));
        EXPECT_EQ(print.Print(nullptr, document, "sheet"), expectSuccess);
        return path;
    }
    int Pages(const QString& pdf) {
        const auto match = QRegularExpression("Pages:\\s+(\\d+)").match(RunTool("pdfinfo", {pdf}));
        return match.hasMatch() ? match.captured(1).toInt() : -1;
    }

    QTemporaryDir dir;
    test::ScriptedPrompter prompter;
    IntRect margins{2000, 3000, 1500, 2500};
};

QString Lines(int count) {
    QStringList lines;
    for (int i = 1; i <= count; ++i) lines << QStringLiteral("line%1=%1*2").arg(i);
    return lines.join('\n');
}

TEST_F(PrintPdfTest, LongWorksheetKeepsEveryLineWithinTheMargins) {
    if (!HavePdfTools()) GTEST_SKIP() << kNoPdfTools;
    QTextDocument document(Lines(300));
    const QString pdf = PrintToPdf(document);
    const int pages = Pages(pdf);
    EXPECT_GT(pages, 2);
    EXPECT_EQ(prompter.offeredPages, pages) << "the dialog offers the real page count";

    const QString text = RunTool("pdftotext", {pdf, "-"});
    for (int i : {1, 150, 300}) EXPECT_TRUE(text.contains(QStringLiteral("line%1=").arg(i))) << i;

    // Every word's box, in points, lies inside the page less the margins.
    const QString boxes = RunTool("pdftotext", {"-bbox", pdf, "-"});
    const QRegularExpression page("<page width=\"([\\d.]+)\" height=\"([\\d.]+)\"");
    const auto size = page.match(boxes);
    ASSERT_TRUE(size.hasMatch());
    const double width = size.captured(1).toDouble(), height = size.captured(2).toDouble();
    const double point = 72.0 / 2540.0;  // per hundredth of a millimetre
    const QRegularExpression word(
        "xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\"");
    int words = 0;
    for (auto it = word.globalMatch(boxes); it.hasNext(); ++words) {
        const auto box = it.next();
        EXPECT_GE(box.captured(1).toDouble(), margins.left * point - 1);
        EXPECT_GE(box.captured(2).toDouble(), margins.top * point - 1);
        EXPECT_LE(box.captured(3).toDouble(), width - margins.right * point + 1);
        EXPECT_LE(box.captured(4).toDouble(), height - margins.bottom * point + 1);
    }
    EXPECT_EQ(words, 300) << "each line printed once";
    ExpectObjectsWhereListed(Bytes(pdf));
}

// A line wrapped across a page break prints each of its visual lines on one page only: the
// text of the PDF, which search and copy read, holds it once.
TEST_F(PrintPdfTest, LineWrappedAcrossPagesPrintsOnce) {
    if (!HavePdfTools()) GTEST_SKIP() << kNoPdfTools;
    QStringList words;
    for (int i = 1; i <= 3000; ++i) words << QStringLiteral("w%1").arg(i);
    for (const int before : {0, 7, 40}) {
        QTextDocument document(Lines(before) + (before > 0 ? "\n" : "") + words.join(" + ") +
                               "\nlast=1");
        const QString pdf = PrintToPdf(document);
        ASSERT_GT(Pages(pdf), 2) << before;
        std::map<int, int> seen;
        const QString text = RunTool("pdftotext", {pdf, "-"});
        for (auto it = QRegularExpression("\\bw(\\d+)\\b").globalMatch(text); it.hasNext();) {
            ++seen[it.next().captured(1).toInt()];
        }
        EXPECT_EQ(seen.size(), 3000u) << before;
        int repeated = 0;
        for (const auto& [word, count] : seen) repeated += count != 1;
        EXPECT_EQ(repeated, 0) << before << " lines before";
        EXPECT_EQ(text.count("last=1"), 1) << before;
    }
}

TEST_F(PrintPdfTest, EmptyWorksheetRangeAndFailure) {
    if (!HavePdfTools()) GTEST_SKIP() << kNoPdfTools;
    QTextDocument empty;
    EXPECT_EQ(Pages(PrintToPdf(empty)), 1);

    QTextDocument document(Lines(300));
    prompter.fromPage = prompter.toPage = 2;
    const QString second = RunTool("pdftotext", {PrintToPdf(document), "-"});
    EXPECT_EQ(Pages(dir.filePath("out.pdf")), 1);
    EXPECT_FALSE(second.contains("line1="));
    EXPECT_TRUE(second.contains("line100="));
    EXPECT_FALSE(second.contains("line200="));

    // A cancelled dialog says nothing; a file that cannot be written is reported.
    CPrint print(margins);
    EXPECT_FALSE(print.Print(nullptr, document, {}));
    EXPECT_TRUE(prompter.messages.empty());
    prompter.printToFile = dir.filePath("missing/out.pdf");
    prompter.printAnswers.push_back(true);
    EXPECT_FALSE(print.Print(nullptr, document, {}));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].title, "印刷エラー");
    EXPECT_EQ(prompter.messages[0].text, "印刷に失敗しました");
}

TEST_F(PrintPdfTest, FontSizedInPixelsPrintsAtItsSizeOnTheScreen) {
    if (!HavePdfTools()) GTEST_SKIP() << kNoPdfTools;
    // A font chosen in the options is kept in pixels of the screen, as the worksheet shows it.
    const qreal dpi = ScreenDpi(nullptr);
    for (const int points : {9, 14}) {
        QFont font = QTextDocument().defaultFont();
        font.setPixelSize(qRound(points * dpi / 72));
        QTextDocument document(Lines(10));
        document.setDefaultFont(font);

        const QString boxes = RunTool("pdftotext", {"-bbox", PrintToPdf(document), "-"});
        const QRegularExpression word("yMin=\"([\\d.]+)\"");
        std::vector<double> tops;
        for (auto it = word.globalMatch(boxes); it.hasNext();) {
            tops.push_back(it.next().captured(1).toDouble());
        }
        ASSERT_EQ(tops.size(), 10u) << points;
        const double lineHeight = (tops.back() - tops.front()) / 9;
        const double expected = points * QFontMetricsF(font).lineSpacing() / font.pixelSize();
        EXPECT_NEAR(lineHeight, expected, expected * 0.1) << points << " pt";
    }
}

// The colours are display formats of the editor's lines: a worksheet too long to be coloured at
// once and never shown gets them for the print.
// Pure red and pure blue ink on the page, as the default error and result colours print.
void ExpectRedAndBlueInk(const QImage& image) {
    int reds = 0, blues = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            reds += c.red() > 200 && c.green() < 80 && c.blue() < 80;
            blues += c.blue() > 200 && c.red() < 80 && c.green() < 80;
        }
    }
    EXPECT_GT(reds, 10);
    EXPECT_GT(blues, 10);
}

TEST_F(PrintPdfTest, LinesKeepTheirColours) {
    if (!HavePdfTools()) GTEST_SKIP() << kNoPdfTools;
    WorksheetEditor view;
    namespace defaults = SettingsDefaults;
    view.ApplyColors(defaults::DefaultColor, defaults::ResultColor, defaults::ErrorColor,
                     defaults::CommentColor);
    QFont font = view.font();
    font.setPointSize(28);
    view.setFont(font);
    view.LoadText("1/0\n>Error : Division by zero\n>12345" + QString(40, u'\n'));
    view.Highlighter().ColorEveryLine();

    const QString pdf = PrintToPdf(*view.document());
    RunTool("pdftoppm", {"-r", "40", "-png", "-singlefile", pdf, dir.filePath("page")});
    const QImage image(dir.filePath("page.png"));
    ASSERT_FALSE(image.isNull());
    ExpectRedAndBlueInk(image);
}

// On a dark desktop the worksheet shows light colours; white paper gets the stored ones.
TEST_F(PrintPdfTest, ADarkScreensColoursPrintInTheLightOnes) {
    if (!HavePdfTools()) GTEST_SKIP() << kNoPdfTools;
    WorksheetEditor view;
    const QColor lightRed(0xFF, 0x7A, 0x7A), lightBlue(0x6E, 0xB4, 0xFF);
    view.ApplyColors(0xE6E6E6, ToColorRef(lightBlue), ToColorRef(lightRed), 0x70D070);
    QFont font = view.font();
    font.setPointSize(28);
    view.setFont(font);
    view.LoadText("1/0\n>Error : Division by zero\n>12345" + QString(40, u'\n'));
    view.Highlighter().ColorEveryLine();

    const QString path = PrintToPdf(
        *view.document(), true, {{lightRed, QColor(255, 0, 0)}, {lightBlue, QColor(0, 0, 255)}});
    RunTool("pdftoppm", {"-r", "40", "-png", "-singlefile", path, dir.filePath("page")});
    const QImage image(dir.filePath("page.png"));
    ASSERT_FALSE(image.isNull());
    // The screen's colours would count as neither.
    ExpectRedAndBlueInk(image);
}

// Searching, copying and reading the PDF aloud find the worksheet's text, line for line: the
// digits of expressions and of results with letters in them, words a font joins into one glyph
// ("ff", "ffi"), Japanese comments with kanji that look like their radicals (金, 一, 日, 用);
// in the Japanese fonts, a Western one whose kana come from another font, and on a dark screen
// whose colours print as the light ones.
TEST_F(PrintPdfTest, PdfTextIsTheWorksheetText) {
    if (!HavePdfTools()) GTEST_SKIP() << kNoPdfTools;
    const QString sheet = QStringLiteral(
        "price = 1200\n>1200\ntax = price*0.1\n>120\ndiff = price - tax // 差額\n>1080\n"
        "rate = 1.5e+3*7 // office 料金\n>1.05e+4\n1/0\n>Error : Division by zero\n"
        "// 一日分の費用、消費税10%\nfinal = 987654321");
    const QColor lightRed(0xFF, 0x7A, 0x7A), lightBlue(0x6E, 0xB4, 0xFF);
    const struct {
        const char* family;
        bool dark;
    } rows[] = {
        {"Noto Sans CJK JP", false},      {"Noto Sans CJK JP", true}, {"Noto Serif CJK JP", false},
        {"Noto Sans Mono CJK JP", false}, {"DejaVu Sans", false},     {"DejaVu Serif", true},
    };
    for (const auto& row : rows) {
        ASSERT_TRUE(QFontDatabase::hasFamily(row.family)) << row.family;
        WorksheetEditor view;
        namespace defaults = SettingsDefaults;
        PaperColors paper;
        if (row.dark) {
            view.ApplyColors(0xE6E6E6, ToColorRef(lightBlue), ToColorRef(lightRed), 0x70D070);
            paper = {{lightRed, QColor(255, 0, 0)}, {lightBlue, QColor(0, 0, 255)}};
        } else {
            view.ApplyColors(defaults::DefaultColor, defaults::ResultColor, defaults::ErrorColor,
                             defaults::CommentColor);
        }
        // Sized in pixels, as the options keep the worksheet's font.
        QFont font(row.family);
        font.setPixelSize(16);
        view.setFont(font);
        view.LoadText(sheet);
        view.Highlighter().ColorEveryLine();

        const QString pdf = PrintToPdf(*view.document(), true, paper);
        const QStringList printed = TextLines(pdf);
        EXPECT_TRUE(printed == sheet.split('\n'))
            << row.family << (row.dark ? " dark" : "") << " reads\n"
            << printed.join('\n').toStdString();
        ExpectObjectsWhereListed(Bytes(pdf));
    }
}

// Naming the text again changes nothing; a file not laid out as the printer writes it is left
// as it is rather than damaged.
TEST_F(PrintPdfTest, PdfNotAsPrintedIsLeftAlone) {
    QTextDocument document(QStringLiteral("料金 = 1200"));
    const QByteArray bytes = Bytes(PrintToPdf(document));
    const std::string pdf = bytes.toStdString();
    const CharacterOf same = [](char32_t c) { return c; };
    EXPECT_EQ(RenamePdfCharacters(pdf, same), pdf);

    const auto changed = [&pdf](std::string_view from, std::string_view to) {
        std::string copy = pdf;
        const std::size_t at = copy.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return at == std::string::npos ? copy : copy.replace(at, from.size(), to);
    };
    const std::size_t cmap = pdf.find("/CIDInit");
    const std::size_t length = pdf.rfind("/Length ", cmap) + 8;
    const std::string stated = pdf.substr(length, pdf.find(' ', length) - length);
    const std::string damaged[] = {
        pdf.substr(0, pdf.rfind("startxref")),
        changed("/Length " + stated + " >>",
                "/Length " + std::to_string(std::stoi(stated) - 1) + " >>"),
        changed("beginbfchar\n<", "beginbfchar\n<X"),
        changed("endbfchar", "end"),
        changed("startxref\n", "startxref\n1"),
    };
    for (const std::string& file : damaged)
        EXPECT_EQ(RenamePdfCharacters(file, same), std::nullopt);
}

}  // namespace
}  // namespace numora
