// Typing, Enter and undo in the worksheet editor, checked by text, caret and colour.
#include <gtest/gtest.h>

#include "tests/view/view_support.h"

namespace numora::test {
namespace {

using EditingTest = ViewTest;

TEST_F(EditingTest, EnterWritesResultLinesColouredByKind) {
    Enter({"1+2*3", "x=5 // set x", "1/0"});
    EXPECT_EQ(view.Text().toStdString(),
              "1+2*3\n>7\nx=5 // set x\n>5\n1/0\n>Error : Division by zero\n");
    EXPECT_EQ(Colors().toStdString(),
              "DDDDD\nDR\nDDDDCCCCCCCC\nDR\nDDD\nD" + std::string(24, 'E') + "\n");
}

}  // namespace
}  // namespace numora::test
