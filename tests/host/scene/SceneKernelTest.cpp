#include "host/scene/MatrixMath.h"
#include "host/scene/MessageHub.h"
#include "host/scene/NodeTypeRegistry.h"
#include "host/scene/Scene.h"

#include <gtest/gtest.h>
#include <maya/MEulerRotation.h>
#include <maya/MTransformationMatrix.h>

namespace {

using namespace vex::host;

class SceneKernelTest : public ::testing::Test {
protected:
    SceneKernelTest() { scene_.Reset(); }

    NodePtr Add(const char* type, const char* name, const NodePtr& parent = nullptr) {
        auto node = scene_.MakeNode(type, name);
        EXPECT_TRUE(scene_.InsertNode(node, parent)) << type;
        return node;
    }

    Scene& scene_ = Scene::Instance();
};

TEST_F(SceneKernelTest, LocalMatricesAgreeWithTheTransformationMatrixForEveryRotateOrder) {
    const Double3 t{1, -2, 3}, r{0.3, -1.1, 2.0}, s{2, 0.5, 1.5};
    for (int order = 0; order < 6; ++order) {
        MTransformationMatrix reference;
        reference.setTranslation(MVector(t[0], t[1], t[2]), MSpace::kTransform);
        reference.setRotation(r.data(), static_cast<MTransformationMatrix::RotationOrder>(order + 1));
        reference.setScale(s.data(), MSpace::kTransform);
        const MMatrix expected = reference.asMatrix();
        const Matrix actual = ComposeTransform(t, r, s, order);
        for (int i = 0; i < 16; ++i)
            EXPECT_NEAR(actual[i], expected(i / 4, i % 4), 1e-12) << "order " << order;
    }
    const Matrix m = ComposeTransform(t, r, s, 4);
    const Matrix product = Multiply(m, Inverse(m));
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(product[i], IdentityMatrix()[i], 1e-12);
}

TEST_F(SceneKernelTest, NestedJournalsReportOutwardsAndUndoInsideOneIsRecorded) {
    const std::string before = scene_.Dump();
    scene_.BeginJournal();
    auto a = Add("transform", "a");
    scene_.BeginJournal();
    auto b = Add("transform", "b", a);
    auto inner = scene_.EndJournal();
    scene_.setValue(b, b->FindAttribute("tx"), 2.0);
    // Taking the inner edit back while the outer journal is open is part of the outer record too.
    inner->undo(scene_);
    EXPECT_FALSE(b->IsAlive());
    auto outer = scene_.EndJournal();
    EXPECT_EQ(inner->size(), 1u);
    EXPECT_EQ(outer->size(), 4u);
    const std::string after = scene_.Dump();
    outer->undo(scene_);
    EXPECT_EQ(scene_.Dump(), before);
    outer->redo(scene_);
    EXPECT_EQ(scene_.Dump(), after);
}

TEST_F(SceneKernelTest, ARecordTakenBackTwiceLeavesOneConsistentScene) {
    // Two owners may hold the same changes (a command's record inside a modifier's); taking them back
    // or making them again twice must not duplicate nodes, links, attributes or members.
    auto set = Add("objectSet", "set");
    const std::string before = scene_.Dump();
    scene_.BeginJournal();
    auto a = Add("transform", "a");
    auto b = Add("transform", "b", a);
    scene_.connect(a, a->FindAttribute("tx"), b, b->FindAttribute("ty"));
    scene_.AddAttribute(
        b, std::make_shared<AttributeDefinition>("note", "nt", AttributeKind::kString, std::string()));
    scene_.AddMember(set, b);
    scene_.ReparentNode(b, nullptr);
    auto journal = scene_.EndJournal();
    const std::string after = scene_.Dump();
    journal->redo(scene_);
    EXPECT_EQ(scene_.Dump(), after);
    journal->undo(scene_);
    journal->undo(scene_);
    EXPECT_EQ(scene_.Dump(), before);
    journal->redo(scene_);
    journal->redo(scene_);
    EXPECT_EQ(scene_.Dump(), after);
}

TEST_F(SceneKernelTest, ConnectionCyclesReadDefaultsInsteadOfRecursing) {
    auto a = Add("transform", "a");
    auto b = Add("transform", "b");
    ASSERT_TRUE(scene_.connect(a, a->FindAttribute("tx"), b, b->FindAttribute("tx")));
    ASSERT_TRUE(scene_.connect(b, b->FindAttribute("tx"), a, a->FindAttribute("tx")));
    EXPECT_DOUBLE_EQ(ToDouble(scene_.evaluate(*a, *a->FindAttribute("tx"))), 0.0);
}

TEST_F(SceneKernelTest, TypesInheritAttributesComputeAndTypeConstants) {
    auto& registry = NodeTypeRegistry::Instance();
    EXPECT_TRUE(registry.Find("mesh")->HasFn(MFn::kSurface));
    EXPECT_TRUE(registry.Find("mesh")->HasFn(MFn::kGeometric));
    EXPECT_TRUE(registry.Find("mesh")->FindAttribute("castsShadows"));
    EXPECT_EQ(registry.Find("mesh")->GeometryAttribute(), "outMesh");
    EXPECT_EQ(registry.Find("nurbsCurve")->GeometryAttribute(), "local");
    EXPECT_FALSE(registry.Find("nurbsCurve")->FindAttribute("castsShadows"));
    EXPECT_TRUE(registry.Find("shadingEngine")->HasFn(MFn::kSet));
    EXPECT_EQ(registry.Find(registry.Find("transform")->TypeId())->name(), "transform");
    EXPECT_FALSE(scene_.MakeNode("dagNode")); // abstract
    EXPECT_FALSE(scene_.MakeNode("unknownType"));

    // A plug-in style type derived from a built-in one gets its attributes and its computations.
    auto derived =
        std::make_shared<NodeType>("testLocator", 0x7f1001, MFn::kTransform, registry.Find("transform"));
    EXPECT_TRUE(derived->AddAttribute(
        std::make_shared<AttributeDefinition>("extra", "ex", AttributeKind::kDouble, 1.0)));
    EXPECT_FALSE(
        derived->AddAttribute(std::make_shared<AttributeDefinition>("other", "tx", AttributeKind::kDouble)));
    ASSERT_TRUE(registry.Add(derived));
    EXPECT_FALSE(registry.Add(derived));
    auto parent = Add("transform", "parent");
    auto node = Add("testLocator", "loc", parent);
    scene_.setValue(parent, parent->FindAttribute("ty"), 5.0);
    auto world = std::get<Matrix>(scene_.evaluate(*node, *node->FindAttribute("wm")));
    EXPECT_DOUBLE_EQ(world[13], 5.0);
    EXPECT_TRUE(registry.remove("testLocator"));
    EXPECT_EQ(node->type().name(), "testLocator"); // existing nodes keep their type
}

TEST_F(SceneKernelTest, RefusedEditsChangeNothing) {
    auto transform = Add("transform", "t");
    auto camera = Add("camera", "c", transform);
    auto material = Add("lambert", "m");
    const std::string before = scene_.Dump();
    EXPECT_FALSE(scene_.InsertNode(transform));                             // already in the scene
    EXPECT_FALSE(scene_.InsertNode(scene_.MakeNode("transform"), camera));  // a shape is no parent
    EXPECT_FALSE(scene_.InsertNode(scene_.MakeNode("lambert"), transform)); // DG nodes have no parent
    EXPECT_FALSE(scene_.setValue(camera, camera->FindAttribute("fl"), std::string("x")));
    EXPECT_FALSE(scene_.setValue(camera, transform->FindAttribute("tx"), 1.0)); // not its attribute
    EXPECT_FALSE(scene_.setValue(material, material->FindAttribute("outColor"), Double3{1, 1, 1}));
    EXPECT_FALSE(scene_.AddMember(transform, camera));
    EXPECT_FALSE(scene_.removeAttribute(transform, transform->FindAttribute("tx")));
    EXPECT_EQ(scene_.renameNode(transform, "1abc"), "");
    EXPECT_EQ(scene_.renameNode(transform, "a|b"), "");
    EXPECT_FALSE(scene_.deleteNode(scene_.World()));
    EXPECT_EQ(scene_.Dump(), before);
}

TEST_F(SceneKernelTest, DeletionTakesSetMembershipAndSelectionAlongAndUndoGivesMembershipBack) {
    auto group = Add("shadingEngine", "sg");
    auto transform = Add("transform", "t");
    auto shape = Add("mesh", "m", transform);
    ASSERT_TRUE(scene_.AddMember(group, shape));
    EXPECT_TRUE(scene_.AddMember(group, shape)); // once only
    EXPECT_EQ(group->Members().size(), 1u);
    scene_.SetSelection({transform, shape});

    scene_.BeginJournal();
    ASSERT_TRUE(scene_.deleteNode(transform));
    auto journal = scene_.EndJournal();
    EXPECT_TRUE(group->Members().empty());
    EXPECT_TRUE(scene_.Selection().empty());
    EXPECT_EQ(scene_.findNode("m"), nullptr);

    journal->undo(scene_);
    EXPECT_EQ(group->Members().size(), 1u);
    EXPECT_EQ(scene_.findNode("|t|m"), shape);
    EXPECT_EQ(scene_.findNode("t|m"), shape);
    EXPECT_EQ(scene_.findNode("|m"), nullptr);
}

TEST_F(SceneKernelTest, ANewSceneSendsNoMessagesForItsDefaultNodes) {
    int added = 0;
    auto id = MessageHub::get().addNodeAddedCallback(
        "dependNode", [](MObject&, void* count) { ++*static_cast<int*>(count); }, &added);
    scene_.Reset();
    EXPECT_EQ(added, 0);
    Add("transform", "t");
    EXPECT_EQ(added, 1);
    MessageHub::get().remove(id);
    EXPECT_EQ(scene_.nodes().size(), 11u); // four cameras with their shapes, lambert1, initialShadingGroup, t
}

} // namespace
