// Kept apart so that programs recalculating through another evaluator do not link the engine.
#include "worksheet/CalcEngineEvaluator.h"
#include "worksheet/Recalculate.h"

namespace numora {

RecalcOutcome RecalculateWorksheet(std::u16string text, CalcEngine& engine,
                                   const RecalcOptions& options) {
    CalcEngineEvaluator evaluator(engine);
    return RecalculateWorksheet(std::move(text), evaluator, options);
}

}  // namespace numora
