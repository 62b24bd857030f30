#include "worksheet/Worksheet.h"

#include "engine/Cancel.h"

namespace numora {

// Hands each line to the worker and waits there; the driver stays synchronous.
class Worksheet::WorkerEvaluator final : public LineEvaluator {
public:
    explicit WorkerEvaluator(Worksheet& sheet) : sheet_(sheet) {}

    int Evaluate(std::u16string& line, std::int32_t& position) override {
        int status = 0;
        sheet_.Run([&] { status = sheet_.engine_.Evaluate(line, position); });
        return status;
    }
    const std::u16string& MessageText() const override { return sheet_.engine_.GetMessageText(); }

private:
    Worksheet& sheet_;
};

Worksheet::Worksheet(TextBuffer& text, const UserFunctionCatalogue& functions)
    : engine_(functions),
      evaluator_(std::make_unique<WorkerEvaluator>(*this)),
      driver_(text, *evaluator_) {}

Worksheet::~Worksheet() { Cancel(); }

void Worksheet::Run(const std::function<void()>& job) {
    ClearCancel(engine_.Cancel());
    calculating_ = true;
    worker_.Start(job);
    if (wait_ != nullptr) {
        wait_->WaitForLine(worker_);
    } else {
        worker_.Wait();
    }
    calculating_ = false;
    ++generation_;
    ClearCancel(engine_.Cancel());
}

}  // namespace numora
