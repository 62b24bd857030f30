#include "worksheet/Worksheet.h"

#include "engine/Cancel.h"

namespace numora {

// Hands each line to the worker and waits there; the driver stays synchronous.
class Worksheet::WorkerEvaluator final : public LineEvaluator {
public:
    explicit WorkerEvaluator(Worksheet& sheet) : sheet_(sheet) {}

    int Evaluate(std::u16string& line, std::int32_t& position) override {
        CalcEngine& engine = sheet_.engine_;
        ClearCancel(engine.Cancel());
        int status = 0;
        sheet_.calculating_ = true;
        sheet_.worker_.Start([&] { status = engine.Evaluate(line, position); });
        if (sheet_.wait_ != nullptr) {
            sheet_.wait_->WaitForLine(sheet_.worker_);
        } else {
            sheet_.worker_.Wait();
        }
        sheet_.calculating_ = false;
        ClearCancel(engine.Cancel());
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

}  // namespace numora
