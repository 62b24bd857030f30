#include "engine/EngineState.h"

#include "engine/RandomFunction.h"
#include "engine/Workspace.h"

namespace numora {

EngineState::EngineState(const UserFunctionCatalogue& functions) : Functions(&functions) {}

EngineState::~EngineState() = default;

}  // namespace numora
