#pragma once
// Which running copy of the program a window is, so that a copy started while another runs opens
// offset from it, as desktop windows cascade. Each copy holds the first free one of a few lock
// files in the settings folder while it runs; a crashed copy's file is taken over.
#include <QLockFile>
#include <QString>
#include <memory>

namespace numora {

class RunningCopy {
public:
    static constexpr int kMostCounted = 16;

    explicit RunningCopy(const QString& folder);

    // 0 for a copy that starts while none runs (or none holds the first place): the windows of
    // copies 1, 2, ... are offset once, twice, ... from the saved position.
    int Number() const { return number_; }

private:
    std::unique_ptr<QLockFile> lock_;
    int number_ = 0;
};

}  // namespace numora
