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
    SceneKernelTest() { scene.reset(); }

    NodePtr add(const char* type, const char* name, const NodePtr& parent = nullptr) {
        auto node = scene.makeNode(type, name);
        EXPECT_TRUE(scene.insertNode(node, parent)) << type;
        return node;
    }

    Scene& scene = Scene::instance();
};

TEST_F(SceneKernelTest, LocalMatricesAgreeWithTheTransformationMatrixForEveryRotateOrder) {
    const Double3 t{1, -2, 3}, r{0.3, -1.1, 2.0}, s{2, 0.5, 1.5};
    for (int order = 0; order < 6; ++order) {
        MTransformationMatrix reference;
        reference.setTranslation(MVector(t[0], t[1], t[2]), MSpace::kTransform);
        reference.setRotation(r.data(), static_cast<MTransformationMatrix::RotationOrder>(order + 1));
        reference.setScale(s.data(), MSpace::kTransform);
        const MMatrix expected = reference.asMatrix();
        const Matrix actual = composeTransform(t, r, s, order);
        for (int i = 0; i < 16; ++i)
            EXPECT_NEAR(actual[i], expected(i / 4, i % 4), 1e-12) << "order " << order;
    }
    const Matrix m = composeTransform(t, r, s, 4);
    const Matrix product = multiply(m, inverse(m));
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(product[i], identityMatrix()[i], 1e-12);
}

TEST_F(SceneKernelTest, NestedJournalsReportOutwardsAndUndoInsideOneIsRecorded) {
    const std::string before = scene.dump();
    scene.beginJournal();
    auto a = add("transform", "a");
    scene.beginJournal();
    auto b = add("transform", "b", a);
    auto inner = scene.endJournal();
    scene.setValue(b, b->findAttribute("tx"), 2.0);
    // Taking the inner edit back while the outer journal is open is part of the outer record too.
    inner->undo(scene);
    EXPECT_FALSE(b->isAlive());
    auto outer = scene.endJournal();
    EXPECT_EQ(inner->size(), 1u);
    EXPECT_EQ(outer->size(), 4u);
    const std::string after = scene.dump();
    outer->undo(scene);
    EXPECT_EQ(scene.dump(), before);
    outer->redo(scene);
    EXPECT_EQ(scene.dump(), after);
}

TEST_F(SceneKernelTest, ARecordTakenBackTwiceLeavesOneConsistentScene) {
    // Two owners may hold the same changes (a command's record inside a modifier's); taking them back
    // or making them again twice must not duplicate nodes, links, attributes or members.
    auto set = add("objectSet", "set");
    const std::string before = scene.dump();
    scene.beginJournal();
    auto a = add("transform", "a");
    auto b = add("transform", "b", a);
    scene.connect(a, a->findAttribute("tx"), b, b->findAttribute("ty"));
    scene.addAttribute(
        b, std::make_shared<AttributeDefinition>("note", "nt", AttributeKind::String, std::string()));
    scene.addMember(set, b);
    scene.reparentNode(b, nullptr);
    auto journal = scene.endJournal();
    const std::string after = scene.dump();
    journal->redo(scene);
    EXPECT_EQ(scene.dump(), after);
    journal->undo(scene);
    journal->undo(scene);
    EXPECT_EQ(scene.dump(), before);
    journal->redo(scene);
    journal->redo(scene);
    EXPECT_EQ(scene.dump(), after);
}

TEST_F(SceneKernelTest, ConnectionCyclesReadDefaultsInsteadOfRecursing) {
    auto a = add("transform", "a");
    auto b = add("transform", "b");
    ASSERT_TRUE(scene.connect(a, a->findAttribute("tx"), b, b->findAttribute("tx")));
    ASSERT_TRUE(scene.connect(b, b->findAttribute("tx"), a, a->findAttribute("tx")));
    EXPECT_DOUBLE_EQ(toDouble(scene.evaluate(*a, *a->findAttribute("tx"))), 0.0);
}

TEST_F(SceneKernelTest, TypesInheritAttributesComputeAndTypeConstants) {
    auto& registry = NodeTypeRegistry::instance();
    EXPECT_TRUE(registry.find("mesh")->hasFn(MFn::kSurface));
    EXPECT_TRUE(registry.find("mesh")->hasFn(MFn::kGeometric));
    EXPECT_TRUE(registry.find("mesh")->findAttribute("castsShadows"));
    EXPECT_EQ(registry.find("mesh")->geometryAttribute(), "outMesh");
    EXPECT_EQ(registry.find("nurbsCurve")->geometryAttribute(), "local");
    EXPECT_FALSE(registry.find("nurbsCurve")->findAttribute("castsShadows"));
    EXPECT_TRUE(registry.find("shadingEngine")->hasFn(MFn::kSet));
    EXPECT_EQ(registry.find(registry.find("transform")->typeId())->name(), "transform");
    EXPECT_FALSE(scene.makeNode("dagNode")); // abstract
    EXPECT_FALSE(scene.makeNode("unknownType"));

    // A plug-in style type derived from a built-in one gets its attributes and its computations.
    auto derived =
        std::make_shared<NodeType>("testLocator", 0x7f1001, MFn::kTransform, registry.find("transform"));
    EXPECT_TRUE(derived->addAttribute(
        std::make_shared<AttributeDefinition>("extra", "ex", AttributeKind::Double, 1.0)));
    EXPECT_FALSE(
        derived->addAttribute(std::make_shared<AttributeDefinition>("other", "tx", AttributeKind::Double)));
    ASSERT_TRUE(registry.add(derived));
    EXPECT_FALSE(registry.add(derived));
    auto parent = add("transform", "parent");
    auto node = add("testLocator", "loc", parent);
    scene.setValue(parent, parent->findAttribute("ty"), 5.0);
    auto world = std::get<Matrix>(scene.evaluate(*node, *node->findAttribute("wm")));
    EXPECT_DOUBLE_EQ(world[13], 5.0);
    EXPECT_TRUE(registry.remove("testLocator"));
    EXPECT_EQ(node->type().name(), "testLocator"); // existing nodes keep their type
}

TEST_F(SceneKernelTest, RefusedEditsChangeNothing) {
    auto transform = add("transform", "t");
    auto camera = add("camera", "c", transform);
    auto material = add("lambert", "m");
    const std::string before = scene.dump();
    EXPECT_FALSE(scene.insertNode(transform));                            // already in the scene
    EXPECT_FALSE(scene.insertNode(scene.makeNode("transform"), camera));  // a shape is no parent
    EXPECT_FALSE(scene.insertNode(scene.makeNode("lambert"), transform)); // DG nodes have no parent
    EXPECT_FALSE(scene.setValue(camera, camera->findAttribute("fl"), std::string("x")));
    EXPECT_FALSE(scene.setValue(camera, transform->findAttribute("tx"), 1.0)); // not its attribute
    EXPECT_FALSE(scene.setValue(material, material->findAttribute("outColor"), Double3{1, 1, 1}));
    EXPECT_FALSE(scene.addMember(transform, camera));
    EXPECT_FALSE(scene.removeAttribute(transform, transform->findAttribute("tx")));
    EXPECT_EQ(scene.renameNode(transform, "1abc"), "");
    EXPECT_EQ(scene.renameNode(transform, "a|b"), "");
    EXPECT_FALSE(scene.deleteNode(scene.world()));
    EXPECT_EQ(scene.dump(), before);
}

TEST_F(SceneKernelTest, DeletionTakesSetMembershipAndSelectionAlongAndUndoGivesMembershipBack) {
    auto group = add("shadingEngine", "sg");
    auto transform = add("transform", "t");
    auto shape = add("mesh", "m", transform);
    ASSERT_TRUE(scene.addMember(group, shape));
    EXPECT_TRUE(scene.addMember(group, shape)); // once only
    EXPECT_EQ(group->members().size(), 1u);
    scene.setSelection({transform, shape});

    scene.beginJournal();
    ASSERT_TRUE(scene.deleteNode(transform));
    auto journal = scene.endJournal();
    EXPECT_TRUE(group->members().empty());
    EXPECT_TRUE(scene.selection().empty());
    EXPECT_EQ(scene.findNode("m"), nullptr);

    journal->undo(scene);
    EXPECT_EQ(group->members().size(), 1u);
    EXPECT_EQ(scene.findNode("|t|m"), shape);
    EXPECT_EQ(scene.findNode("t|m"), shape);
    EXPECT_EQ(scene.findNode("|m"), nullptr);
}

TEST_F(SceneKernelTest, ANewSceneSendsNoMessagesForItsDefaultNodes) {
    int added = 0;
    auto id = MessageHub::get().addNodeAddedCallback(
        "dependNode", [](MObject&, void* count) { ++*static_cast<int*>(count); }, &added);
    scene.reset();
    EXPECT_EQ(added, 0);
    add("transform", "t");
    EXPECT_EQ(added, 1);
    MessageHub::get().remove(id);
    EXPECT_EQ(scene.nodes().size(), 11u); // four cameras with their shapes, lambert1, initialShadingGroup, t
}

} // namespace
