#include "core/UndoGroupStack.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vex::orb::core {
namespace {

/// Writes down every call the stack makes of its host.
class FakeHost : public UndoGroupStack::Host {
public:
    bool IsUndoAvailable() override { return available; }
    void BeginHostGroup(const std::string& label) override { calls.push_back("begin " + label); }
    void AddHostUnit(CUndo* unit, const std::string& label) override {
        calls.push_back("add " + label);
        unit->release();
    }
    void CommitHostGroup(const std::string& label) override { calls.push_back("commit " + label); }
    void DiscardHostGroup() override { calls.push_back("discard"); }

    bool available = true;
    std::vector<std::string> calls;
};

class NoopUndo : public CUndo {
public:
    explicit NoopUndo(int& released) : released_(released) {}
    void undo() override {}
    void redo() override {}
    void release() override {
        ++released_;
        delete this;
    }

private:
    int& released_;
};

using Calls = std::vector<std::string>;

TEST(UndoGroupStack, OnlyTheOutermostGroupReachesTheHost) {
    FakeHost host;
    UndoGroupStack stack(host);
    int released = 0;
    stack.Begin("outer");
    stack.Begin("inner");
    EXPECT_EQ(stack.Depth(), 2u);
    EXPECT_FALSE(stack.Add(new NoopUndo(released)));
    stack.End();
    EXPECT_TRUE(stack.IsRecording());
    stack.End();
    EXPECT_FALSE(stack.IsRecording());
    EXPECT_EQ(host.calls, (Calls{"begin outer", "add inner", "commit outer"}));
}

TEST(UndoGroupStack, CancelAnywhereDiscardsTheWholeGroupOnce) {
    FakeHost host;
    UndoGroupStack stack(host);
    stack.Begin("outer");
    stack.Begin("inner");
    EXPECT_TRUE(stack.Cancel());
    EXPECT_EQ(host.calls, Calls{"begin outer"}) << "nothing happens before the outermost closes";
    stack.End();
    stack.Begin("next");
    stack.End();
    EXPECT_EQ(host.calls, (Calls{"begin outer", "discard", "begin next", "commit next"}));
}

TEST(UndoGroupStack, WithoutHostUndoUnitsAreReleased) {
    FakeHost host;
    host.available = false;
    UndoGroupStack stack(host);
    int released = 0;
    EXPECT_TRUE(stack.Add(new NoopUndo(released))) << "no group open";
    stack.Begin("off");
    host.available = true; // asked once, when the outermost group opens
    EXPECT_FALSE(stack.IsRecording());
    EXPECT_TRUE(stack.Add(new NoopUndo(released)));
    stack.Cancel();
    EXPECT_EQ(released, 2);
    EXPECT_TRUE(host.calls.empty());

    // A cancel while nothing is open marks nothing.
    EXPECT_TRUE(stack.End());
    stack.Cancel();
    stack.Begin("later");
    stack.End();
    EXPECT_EQ(host.calls, (Calls{"begin later", "commit later"}));
}

} // namespace
} // namespace vex::orb::core
