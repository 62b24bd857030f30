#include "engine/Cancel.h"

#include <chrono>
#include <thread>

#include "EngineTestSupport.h"

namespace numora::test {
namespace {

using CancelTest = EngineTest;

TEST_F(CancelTest, StopsAFannedOutCallAndLeavesTheStateAsItWas) {
    // f40 makes 2^40 calls: it only ends through the cancel.
    AddUserFunction("f0", {"x"}, "x+1");
    for (int i = 1; i <= 40; ++i) {
        const std::string inner = "f" + std::to_string(i - 1) + "(x)";
        AddUserFunction("f" + std::to_string(i), {"x"}, inner + "+" + inner);
    }
    ASSERT_EQ(Text("x = 5"), "5");

    ClearCancel(engine.Cancel());
    std::thread canceller([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        RequestCancel(engine.Cancel());
    });
    const Outcome out = Run("x = 2*f40(1)");
    canceller.join();
    EXPECT_EQ(out.Status, kCanceledStatus);
    EXPECT_EQ(out.Text, "Error : Calculation Canceled");
    EXPECT_TRUE(engine.GetActiveCalls().empty());

    ClearCancel(engine.Cancel());
    EXPECT_EQ(Text("@"), "5");
    EXPECT_EQ(Text("x"), "5");
    EXPECT_EQ(Text("f3(0)"), "8");
}

}  // namespace
}  // namespace numora::test
