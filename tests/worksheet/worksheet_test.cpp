// The worksheet model without a window: lines run on its worker with the values it was handed,
// and whoever waits for a line can stop it.
#include "worksheet/Worksheet.h"

#include <gtest/gtest.h>

#include <string>

#include "base/Text.h"
#include "engine/UserFunctions.h"
#include "worksheet/MemoryTextBuffer.h"

namespace numora {
namespace {

// At the end of the text, as a new line.
void TypeAndEnter(MemoryTextBuffer& text, Worksheet& sheet, std::u16string_view line) {
    text.SetSelection(-1, -1);
    text.ReplaceSelection(line);
    sheet.Driver().PressEnter(false, false);
}

TEST(Worksheet, CalculatesOnItsWorkerWithTheDigitsOptionsAndFunctionsHandedIn) {
    UserFunctionCatalogue functions;
    functions.Append({u"twice", {u"x"}, u"2*x", u""});
    MemoryTextBuffer text;
    Worksheet sheet(text, functions);
    sheet.SetDigits(5);
    sheet.SetOptions({.UnaryMinusBindsBase = true});
    TypeAndEnter(text, sheet, u"-2^2");
    TypeAndEnter(text, sheet, u"twice(@)/3");
    EXPECT_EQ(text.Text(), u"-2^2\n>4\ntwice(@)/3\n>2.6667\n");
    EXPECT_FALSE(sheet.Calculating());
}

// Stops the line it waits for, as Esc does in the window.
class CancellingWait final : public LineWait {
public:
    explicit CancellingWait(Worksheet& sheet) : sheet_(sheet) {}
    void WaitForLine(LineWorker& worker) override {
        sawCalculating = sheet_.Calculating();
        sheet_.Cancel();
        worker.Wait();
    }
    bool sawCalculating = false;

private:
    Worksheet& sheet_;
};

TEST(Worksheet, TheWaitCanStopARunawayLineAndTheNextLineRuns) {
    // f40 makes 2^40 calls: it only ends through the cancel.
    UserFunctionCatalogue functions;
    functions.Append({u"f0", {u"x"}, u"x+1", u""});
    for (int i = 1; i <= 40; ++i) {
        const std::u16string inner = u"f" + Utf8ToUtf16(std::to_string(i - 1)) + u"(x)";
        functions.Append(
            {u"f" + Utf8ToUtf16(std::to_string(i)), {u"x"}, inner + u"+" + inner, u""});
    }
    MemoryTextBuffer text;
    Worksheet sheet(text, functions);
    CancellingWait wait(sheet);
    sheet.SetLineWait(&wait);
    TypeAndEnter(text, sheet, u"f40(1)");
    EXPECT_TRUE(wait.sawCalculating);
    sheet.SetLineWait(nullptr);
    TypeAndEnter(text, sheet, u"f2(1)");
    EXPECT_EQ(text.Text(), u"f40(1)\n>Error : Calculation Canceled\nf2(1)\n>8\n");
}

}  // namespace
}  // namespace numora
