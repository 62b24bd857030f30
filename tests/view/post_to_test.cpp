// Work handed to the window's thread from a worker: in order, on that thread, with what it
// carries intact, and never for a receiver that is gone. `make tsan` runs these too.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QObject>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/qt_app_support.h"
#include "ui/PostTo.h"

namespace numora::test {
namespace {

// The window's thread stays awake with events of its own while the worker posts, so that
// several posts share one wake-up, as they do when a long recalculation reports progress.
TEST(PostToTest, WorkFromAWorkerRunsInOrderOnTheReceiversThreadWithWhatItCarries) {
    App();
    QObject receiver;
    constexpr int kPosts = 20'000;
    const std::thread::id windowThread = std::this_thread::get_id();
    std::vector<std::string> got;
    int elsewhere = 0;
    std::thread worker([&] {
        for (int i = 0; i < kPosts; ++i)
            PostTo(&receiver, [&, text = std::to_string(i)] {
                if (std::this_thread::get_id() != windowThread) ++elsewhere;
                got.push_back(text);
            });
    });
    const QDeadlineTimer deadline(60'000);
    while (static_cast<int>(got.size()) < kPosts && !deadline.hasExpired()) {
        PostTo(&receiver, [] {});
        QCoreApplication::processEvents();
    }
    worker.join();
    QCoreApplication::processEvents();

    ASSERT_EQ(got.size(), std::size_t{kPosts});
    EXPECT_EQ(elsewhere, 0);
    for (int i = 0; i < kPosts; ++i) ASSERT_EQ(got[i], std::to_string(i));
}

TEST(PostToTest, PostedWorkNeverRunsAtOnceNorAfterItsReceiverIsGone) {
    App();
    auto receiver = std::make_unique<QObject>();
    bool ranHere = false;
    PostTo(receiver.get(), [&ranHere] { ranHere = true; });
    EXPECT_FALSE(ranHere);
    QCoreApplication::processEvents();
    EXPECT_TRUE(ranHere);

    bool ranLate = false;
    std::thread([&] { PostTo(receiver.get(), [&ranLate] { ranLate = true; }); }).join();
    receiver.reset();
    QCoreApplication::processEvents();
    EXPECT_FALSE(ranLate);
}

}  // namespace
}  // namespace numora::test
