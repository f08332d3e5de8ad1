#include "interface/CREEventUndo.h"
#include "interface/CVariableModUndo.h"
#include "util/AVar_Latest.h"
#include "util/AVar_Linear.h"
#include "util/AVar_Nearest.h"
#include "util/QTransform.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using vex::orb::CInterface;
using vex::orb::CREEventUndo;
using vex::orb::CUndo;
using vex::orb::CVariableModUndo;
using namespace vex::util;

// Every animated variable type the tools and the core record undo for.
template class vex::orb::CVariableModUndo<AVar_Latest<bool>>;
template class vex::orb::CVariableModUndo<AVar_Latest<unsigned char>>;
template class vex::orb::CVariableModUndo<AVar_Latest<int>>;
template class vex::orb::CVariableModUndo<AVar_Linear<double>>;
template class vex::orb::CVariableModUndo<AVar_Nearest<bool>>;
template class vex::orb::CVariableModUndo<AVar_Nearest<Vector3<double>>>;
template class vex::orb::CVariableModUndo<AVar_Nearest<Quat<double>>>;
template class vex::orb::CVariableModUndo<AVar_Nearest<QTransform<double>>>;
template class vex::orb::CVariableModUndo<std::vector<AVar_Linear<double>>>;

TEST(CVariableModUndo, UndoRedoUndoOfRecordedChannels) {
    std::vector<AVar_Linear<double>> channels(1);
    channels[0].set(0.0, 1.0);
    CUndo* record = new CVariableModUndo<std::vector<AVar_Linear<double>>>(&channels);
    channels[0].set(0.0, 2.0);
    channels.emplace_back(5.0);
    const auto state = [&] { return std::pair(channels.size(), channels[0].get(0.0)); };

    record->undo();
    EXPECT_EQ(state(), std::pair(size_t{1}, 1.0));
    record->undo(); // already undone: nothing to swap
    EXPECT_EQ(state(), std::pair(size_t{1}, 1.0));
    record->redo();
    EXPECT_EQ(state(), std::pair(size_t{2}, 2.0));
    record->redo(); // nothing undone
    EXPECT_EQ(state(), std::pair(size_t{2}, 2.0));
    record->undo();
    EXPECT_EQ(state(), std::pair(size_t{1}, 1.0));
    record->release();
}

TEST(CVariableModUndo, UndoWithoutSwapKeepsTheCopy) {
    int v = 1;
    CVariableModUndo<int> record(&v);
    for (int changed : {2, 3}) {
        v = changed;
        record.undo(false);
        EXPECT_EQ(v, 1);
    }
}

TEST(CREEventUndo, SendsTheUndoAndRedoStrings) {
    struct EventRecorder : CInterface::Callback {
        std::vector<std::string> events;
        void onEvent(std::string name) override { events.push_back(name); }
    } tool;
    CREEventUndo record(&tool, "REALUNDOfSpeed", "REALREDOfSpeed");
    record.undo();
    record.redo();
    EXPECT_EQ(tool.events, (std::vector<std::string>{"REALUNDOfSpeed", "REALREDOfSpeed"}));

    CREEventUndo orphan(nullptr, "REALUNDOx", "REALREDOx");
    orphan.undo(); // no tool to tell
    orphan.redo();
}
