#include "host/file/LineKeeper.h"

#include "host/builtins/SessionState.h"
#include "host/builtins/StateChange.h"
#include "host/scene/CommandEngine.h"

namespace vex::host::file {

std::string LineKeeper::TextOf(const command::CommandCall& call) const {
    if (auto text = source_.Find(call.line)) return *text;
    return CommandEngine::CallText(call);
}

void LineKeeper::Keep(const NodePtr& node, const command::CommandCall& call) const {
    std::string text = TextOf(call);
    if (node) {
        auto& lines = builtins::SessionState::get().KeptFor(*node).lines;
        builtins::StateChange::Apply([&lines, text] { lines.push_back(text); },
                                     [&lines] { lines.pop_back(); });
        return;
    }
    builtins::StateChange::Apply([text] { builtins::SessionState::get().KeptLines().push_back(text); },
                                 [] { builtins::SessionState::get().KeptLines().pop_back(); });
}

void LineKeeper::KeepHere(const command::CommandCall& call) const {
    switch (context_) {
    case Context::kNode:
        Keep(builtins::SessionState::get().CurrentNode(), call);
        return;
    case Context::kMissing:
        Keep(nullptr, call);
        return;
    case Context::kSkipped:
    case Context::kConfiguration:
        return;
    }
}

} // namespace vex::host::file
