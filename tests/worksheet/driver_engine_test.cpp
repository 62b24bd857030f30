// The driver over the real engine.
#include <gtest/gtest.h>

#include "engine/CalcEngine.h"
#include "tests/worksheet/driver_test_support.h"
#include "worksheet/CalcEngineEvaluator.h"
#include "worksheet/WorksheetDriver.h"

namespace numora {
namespace {

using testing::Marked;
using testing::MarkedBuffer;

struct EngineCase {
    const char* before;
    bool shift;
    const char* after;
};

TEST(DriverWithEngine, ResultLinesAndErrorCarets) {
    const EngineCase cases[] = {
        {"1+2*3|", false, "1+2*3\n>7\n|"},
        {"a = b = 2*3 // both|\n>1\nz", false, "a = b = 2*3 // both\n>6\n|z"},
        {"\uff41\uff1d\uff11|", false, "\uff41\uff1d\uff11\n>1\n|"},
        {"a+b = 1|", false, "a|+b = 1\n>Error : Illegal Variable Name Charactor\n"},
        {"x\n\u3000 f(x) = 1|\ny", false,
         "x\n\u3000 f(x|) = 1\n>Error : Illegal Variable Name Charactor\ny"},
        {" >a+b = 1|", true, " >a|+b = 1\n>Error : Illegal Variable Name Charactor\n"},
        {">12.5|", true, ">12.5\n>12.5\n|"},
        {">12.5|", false, ">12.5\n12.5|\n"},
    };
    for (const EngineCase& c : cases) {
        SCOPED_TRACE(c.before);
        MemoryTextBuffer buffer = MarkedBuffer(c.before);
        CalcEngine engine;
        CalcEngineEvaluator evaluator(engine);
        WorksheetDriver driver(buffer, evaluator);
        driver.PressEnter(c.shift, false);
        EXPECT_EQ(Marked(buffer), c.after);
    }
}

// Variables hold what the lines on which Enter was pressed assigned, in that order.
TEST(DriverWithEngine, VariablesFollowTheOrderOfEnter) {
    MemoryTextBuffer buffer(u"a=2\na=5\na*10");
    CalcEngine engine;
    CalcEngineEvaluator evaluator(engine);
    WorksheetDriver driver(buffer, evaluator);
    int calculated = 0;
    driver.SetCalculatedHandler([&] { ++calculated; });
    const auto enterOn = [&](std::int32_t paragraph) {
        const std::int32_t start = buffer.ParagraphStart(paragraph);
        buffer.SetSelection(start, start);
        driver.PressEnter(false, false);
    };
    enterOn(1);  // a=5
    enterOn(0);  // a=2
    enterOn(4);  // a*10, below a=5 and its result
    EXPECT_EQ(buffer.Text(), u"a=2\n>2\na=5\n>5\na*10\n>20\n");
    enterOn(4);
    EXPECT_EQ(buffer.Text(), u"a=2\n>2\na=5\n>5\na*10\n>20\n");
    EXPECT_EQ(calculated, 4);
}

}  // namespace
}  // namespace numora
