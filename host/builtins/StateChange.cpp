#include "host/builtins/StateChange.h"

#include "host/scene/Scene.h"

namespace vex::host::builtins {

void StateChange::Apply(std::function<void()> redo, std::function<void()> undo) {
    Scene::Instance().Replay(std::make_shared<StateChange>(std::move(redo), std::move(undo)), false);
}

} // namespace vex::host::builtins
