// Random sequences of the tree operations a user makes (create, clone, rename, move, delete, undo,
// redo) against a model of the tree: after every step the instance tree, the host scene and the saved
// description must all agree with the model. The seed is fixed (TORVA_TREE_SEED chooses another) and
// printed with any failure, so a failing sequence can be run again.
#include "core/CoreStartup.h"
#include "core/Instance.h"
#include "core/InstanceReference.h"
#include "system/adaptors/memory/MemoryAdaptor.h"
#include "system/adaptors/memory/MemoryNode.h"
#include "tests/core/SledTool.h"
#include "tests/core/ToolTestSupport.h"
#include "util/NumberText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace vex::orb::core::test {
namespace {

using adaptor::memory::MemoryAdaptor;

// The model: each item is an instance name with its children, in order.
struct Item {
    std::string name;
    std::vector<Item> children;
    bool operator==(const Item&) const = default;
};
using Forest = std::vector<Item>;

void Names(const Forest& forest, std::vector<std::string>& out) {
    for (const Item& item : forest) {
        out.push_back(item.name);
        Names(item.children, out);
    }
}

std::vector<std::string> AllNames(const Forest& forest) {
    std::vector<std::string> names;
    Names(forest, names);
    return names;
}

bool Taken(const Forest& forest, const std::string& name) {
    const auto names = AllNames(forest);
    return std::find(names.begin(), names.end(), name) != names.end();
}

// The name the core gives a new instance that wants `wanted`: it, when free, else the first free
// base_NN, the base being `wanted` without a "_NN" ending (two digits or more); a fresh instance
// wants none and gets the tool's base.
std::string UniqueName(const Forest& forest, const std::string& wanted) {
    if (!wanted.empty() && !Taken(forest, wanted)) return wanted;
    std::string base = wanted.empty() ? "Sled" : wanted;
    const std::size_t cut = base.rfind('_');
    if (cut != std::string::npos && base.size() - cut >= 3 &&
        std::all_of(base.begin() + static_cast<std::ptrdiff_t>(cut) + 1, base.end(),
                    [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }))
        base.resize(cut);
    for (int n = 1;; ++n) {
        const std::string name = base + (n < 10 ? "_0" : "_") + std::to_string(n);
        if (!Taken(forest, name)) return name;
    }
}

// The forest and the position of the item named `name` in it: its sibling list and index.
struct Place {
    Forest* siblings = nullptr;
    std::size_t index = 0;
};
bool Locate(Forest& forest, const std::string& name, Place& place) {
    for (std::size_t i = 0; i < forest.size(); ++i) {
        if (forest[i].name == name) {
            place = {&forest, i};
            return true;
        }
        if (Locate(forest[i].children, name, place)) return true;
    }
    return false;
}

// A copy of `item` named as the core names copies: depth first, each wanting its original's name
// among the names of `world`, which the copy's names join.
Item CopyOf(const Item& item, Forest& world) {
    Item copy{UniqueName(world, item.name), {}};
    world.push_back({copy.name, {}});
    for (const Item& child : item.children) copy.children.push_back(CopyOf(child, world));
    return copy;
}

Forest Describe(const util::xml::Element& parent) {
    Forest forest;
    for (const util::xml::Element& child : parent.GetChildren())
        if (child.IsTag() && child.GetName() == "VXB_Plugin")
            forest.push_back({child.GetChildText("name"), Describe(child)});
    return forest;
}

Forest Tree(const InstanceReference& parent) {
    Forest forest;
    for (std::size_t i = 0; i < parent.GetChildCount(); ++i) {
        const InstanceReference* child = parent.GetChild(i);
        forest.push_back(
            {child->GetInstance() != nullptr ? child->GetInstance()->GetName() : "(empty)", Tree(*child)});
    }
    return forest;
}

std::string Show(const Forest& forest) {
    std::string text;
    for (const Item& item : forest) {
        text += item.name;
        if (!item.children.empty()) text += "(" + Show(item.children) + ")";
        text += " ";
    }
    return text;
}

class TreeOperationsPropertyTest : public RegistryTest {
protected:
    void SetUp() override {
        RegistryTest::SetUp();
        MakeLibrary("sled", {new SledDescriptor});
        host_ = std::make_unique<MemoryAdaptor>(25.0);
        core_ = FindCore();
        ASSERT_NE(core_, nullptr);
    }
    void TearDown() override {
        host_.reset();
        RegistryTest::TearDown();
    }

    // Whether tree, host scene and description agree with `model`; the first disagreement otherwise.
    std::string Disagreement(const Forest& model) {
        const Forest tree = Tree(*core_->GetRoot());
        if (tree != model) return "tree " + Show(tree) + "\nmodel " + Show(model);
        util::xml::Element description;
        core_->WriteDescription(core_->GetRoot(), description, 0);
        if (const Forest described = Describe(description); described != model)
            return "description " + Show(described) + "\nmodel " + Show(model);
        // Each instance has its body in the host, alive, and no other body is alive there.
        std::size_t bodies = 0;
        auto& scene = host_->GetScene();
        for (const auto id : scene.GetObjects())
            if (scene.IsAlive(id) && scene.Find(id)->name.find("Body") != std::string::npos) ++bodies;
        const std::vector<std::string> names = AllNames(model);
        if (bodies != names.size())
            return std::to_string(bodies) + " bodies alive in the host for " + std::to_string(names.size()) +
                   " instances";
        for (const std::string& name : names) {
            Instance* instance = core_->FindInstance(name.c_str());
            const auto* body = instance != nullptr
                                   ? dynamic_cast<adaptor::memory::MemoryNode*>(instance->findNode("Body"))
                                   : nullptr;
            if (body == nullptr || !scene.IsAlive(body->GetObject()))
                return name + " has no body in the host";
        }
        return {};
    }

    std::unique_ptr<MemoryAdaptor> host_;
    CoreImplementation* core_ = nullptr;
};

TEST_F(TreeOperationsPropertyTest, AThousandRandomOperationsKeepTreeSceneAndDescriptionInAgreement) {
    const char* chosen = std::getenv("TORVA_TREE_SEED");
    const unsigned seed =
        chosen != nullptr ? util::ParseNumber<unsigned>(chosen).value_or(20261209u) : 20261209u;
    SCOPED_TRACE("seed " + std::to_string(seed) + " (set TORVA_TREE_SEED to run another)");
    std::mt19937 random(seed);
    const auto pick = [&](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    };
    const char* const kRenames[] = {"Front", "Sled_03", "Rig", "Sled_01", "Front_01", "Back"};

    Forest model;
    std::vector<Forest> undoStates, redoStates;
    // An undo or a redo in the model: the state on top of `from` comes back, the current one goes to `to`.
    const auto travel = [&model](std::vector<Forest>& from, std::vector<Forest>& to, Forest& next) {
        if (from.empty()) return;
        to.push_back(model);
        next = std::move(from.back());
        from.pop_back();
    };
    int counts[7] = {};
    std::vector<std::string> history; // the operations so far, for the failure message
    const auto recent = [&history] {
        std::string text;
        for (std::size_t i = history.size() > 12 ? history.size() - 12 : 0; i < history.size(); ++i)
            text += "\n  " + std::to_string(i) + ": " + history[i];
        return text;
    };
    for (int step = 0; step < 1000; ++step) {
        const std::vector<std::string> names = AllNames(model);
        // Creations are likelier while the tree is small, so it grows and shrinks again.
        const int operation = names.empty() ? 0 : static_cast<int>(pick(names.size() < 6 ? 8 : 7)) % 7;
        const std::string target = names.empty() ? "" : names[pick(names.size())];
        std::string what;
        Forest next = model;
        bool changed = false;
        switch (operation) {
        case 0: {
            what = "create";
            const std::string name = core_->CreateTool("Sled");
            next.push_back({UniqueName(model, ""), {}});
            changed = true;
            EXPECT_EQ(name, next.back().name) << "step " << step << recent();
            break;
        }
        case 1: {
            what = "clone " + target;
            Place place;
            Locate(next, target, place);
            Forest world = next;
            const Item copy = CopyOf((*place.siblings)[place.index], world);
            place.siblings->insert(place.siblings->begin() + static_cast<std::ptrdiff_t>(place.index) + 1,
                                   copy);
            EXPECT_EQ(core_->CloneInstance(target), copy.name) << "step " << step << recent();
            changed = true;
            break;
        }
        case 2: {
            std::string name = kRenames[pick(std::size(kRenames))];
            if (name == target) name += "_x"; // a rename to its own name changes nothing
            what = "rename " + target + " to " + name;
            changed = !Taken(model, name);
            EXPECT_EQ(core_->RenameItem(core_->FindItem(target), name), changed)
                << "step " << step << recent() << " " << what;
            if (changed) {
                Place place;
                Locate(next, target, place);
                (*place.siblings)[place.index].name = name;
            }
            break;
        }
        case 3: {
            // Under another instance, or back to the top level.
            const std::string parent = pick(4) == 0 ? "" : names[pick(names.size())];
            what = "move " + target + " under " + (parent.empty() ? "the root" : parent);
            Place place;
            Locate(next, target, place);
            Item moved = (*place.siblings)[place.index];
            const std::vector<std::string> inside = AllNames({moved});
            const bool intoItself = std::find(inside.begin(), inside.end(), parent) != inside.end();
            Place parentPlace;
            Forest* into = parent.empty() ? &next
                                          : (Locate(next, parent, parentPlace)
                                                 ? &(*parentPlace.siblings)[parentPlace.index].children
                                                 : nullptr);
            const bool stays = into == place.siblings && place.index + 1 == place.siblings->size();
            changed = !intoItself && !stays;
            if (changed) {
                place.siblings->erase(place.siblings->begin() + static_cast<std::ptrdiff_t>(place.index));
                // The parent's children may have moved in memory with the erase: find them again.
                Forest* again = parent.empty() ? &next
                                               : (Locate(next, parent, parentPlace)
                                                      ? &(*parentPlace.siblings)[parentPlace.index].children
                                                      : nullptr);
                again->push_back(std::move(moved));
            }
            InstanceReference* parentItem = parent.empty() ? core_->GetRoot() : core_->FindItem(parent);
            EXPECT_EQ(core_->MoveItem(core_->FindItem(target), parentItem), changed)
                << "step " << step << recent() << " " << what;
            break;
        }
        case 4: {
            what = "delete " + target;
            Place place;
            Locate(next, target, place);
            place.siblings->erase(place.siblings->begin() + static_cast<std::ptrdiff_t>(place.index));
            core_->DeleteInstance(target);
            changed = true;
            break;
        }
        case 5:
            what = "undo";
            host_->undo();
            travel(undoStates, redoStates, next);
            break;
        default:
            what = "redo";
            host_->redo();
            travel(redoStates, undoStates, next);
            break;
        }
        ++counts[operation];
        history.push_back(what + (changed ? "" : " (refused)"));
        if (changed) {
            undoStates.push_back(model);
            redoStates.clear();
        }
        model = std::move(next);
        // One undo step per change, and the host's queue as deep as the model's.
        ASSERT_EQ(host_->GetUndoLabels().size(), undoStates.size())
            << "after step " << step << ": " << what << recent();
        ASSERT_EQ(host_->GetRedoCount(), redoStates.size())
            << "after step " << step << ": " << what << recent();
        const std::string disagreement = Disagreement(model);
        ASSERT_EQ(disagreement, "") << "after step " << step << ": " << what << recent();
    }
    // Every kind of operation ran often enough to mean something.
    for (int operation = 0; operation < 7; ++operation)
        EXPECT_GT(counts[operation], 50) << "operation " << operation;
}

} // namespace
} // namespace vex::orb::core::test
