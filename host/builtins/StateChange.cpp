#include "host/builtins/StateChange.h"

#include "host/scene/Scene.h"

namespace vex::host::builtins {

void StateChange::apply(std::function<void()> redo, std::function<void()> undo) {
    Scene::instance().replay(std::make_shared<StateChange>(std::move(redo), std::move(undo)), false);
}

} // namespace vex::host::builtins
