#include "tests/host/api/SceneFixture.h"

#include <maya/MFnLambertShader.h>
#include <maya/MFnSet.h>
#include <maya/MGlobal.h>
#include <maya/MItDag.h>
#include <maya/MItDependencyNodes.h>
#include <maya/MPlugArray.h>
#include <maya/MStringArray.h>

namespace {

class SelectionTest : public SceneFixture {
protected:
    static std::vector<std::string> Active() {
        MSelectionList list;
        MGlobal::getActiveSelectionList(list);
        MStringArray names;
        list.getSelectionStrings(names);
        std::vector<std::string> result;
        for (const auto& name : names) result.push_back(name.str());
        return result;
    }

    MObject a_ = Make("transform", "a");
    MObject b_ = Make("transform", "b");
    MObject c_ = Make("camera", "cShape", b_);
};

TEST_F(SelectionTest, ReplaceAddRemoveAndRestore) {
    EXPECT_TRUE(Active().empty());
    EXPECT_TRUE(MGlobal::select(PathOf(a_), MObject::kNullObj, MGlobal::kReplaceList));
    EXPECT_TRUE(MGlobal::select(PathOf(c_), MObject::kNullObj, MGlobal::kAddToList));
    EXPECT_TRUE(MGlobal::select(a_, MGlobal::kAddToList)); // already there: stays where it is
    EXPECT_EQ(Active(), (std::vector<std::string>{"a", "cShape"}));

    MSelectionList saved;
    MGlobal::getActiveSelectionList(saved);
    EXPECT_TRUE(MGlobal::select(b_, MGlobal::kReplaceList));
    EXPECT_EQ(Active(), (std::vector<std::string>{"b"}));
    EXPECT_TRUE(MGlobal::select(a_, MGlobal::kAddToHeadOfList));
    EXPECT_EQ(Active(), (std::vector<std::string>{"a", "b"}));
    EXPECT_TRUE(MGlobal::select(b_, MGlobal::kXORWithList));
    EXPECT_EQ(Active(), (std::vector<std::string>{"a"}));
    EXPECT_TRUE(MGlobal::unselect(a_));
    EXPECT_TRUE(Active().empty());

    EXPECT_TRUE(MGlobal::setActiveSelectionList(saved));
    EXPECT_EQ(Active(), (std::vector<std::string>{"a", "cShape"}));
    MDagPath first;
    ASSERT_TRUE(saved.getDagPath(1, first));
    EXPECT_TRUE(first == PathOf(c_));
    EXPECT_FALSE(saved.getDagPath(2, first));

    // Deleted nodes leave the active selection; a deleted node cannot be selected.
    MDagModifier deletion;
    deletion.deleteNode(b_);
    ASSERT_TRUE(deletion.doIt());
    EXPECT_EQ(Active(), (std::vector<std::string>{"a"}));
    EXPECT_FALSE(MGlobal::select(c_, MGlobal::kAddToList));
    EXPECT_TRUE(MGlobal::clearSelectionList());
    EXPECT_TRUE(Active().empty());
}

TEST_F(SelectionTest, ListsByNameWildcardAndMerge) {
    MSelectionList list;
    EXPECT_TRUE(list.add("a"));
    EXPECT_TRUE(list.add("|b|cShape"));
    EXPECT_FALSE(list.add("nothing"));
    EXPECT_EQ(list.length(), 2u);
    EXPECT_TRUE(list.hasItem(PathOf(c_)));
    EXPECT_FALSE(list.hasItem(b_));

    MSelectionList cameras;
    EXPECT_TRUE(MGlobal::getSelectionListByName("*Shape", cameras));
    // persp, top, front and side come with every new scene.
    EXPECT_EQ(cameras.length(), 5u);

    MSelectionList other;
    other.add(a_);
    other.add(b_);
    list.merge(other, MSelectionList::kXORWithList);
    MStringArray names;
    list.getSelectionStrings(names);
    ASSERT_EQ(names.length(), 2u);
    EXPECT_EQ(names[0].str(), "cShape");
    EXPECT_EQ(names[1].str(), "b");
    list.merge(other, MSelectionList::kRemoveFromList);
    EXPECT_EQ(list.length(), 1u);
}

TEST_F(SelectionTest, UpAxis) {
    EXPECT_TRUE(MGlobal::isYAxisUp());
    EXPECT_TRUE(MGlobal::setZAxisUp());
    EXPECT_FALSE(MGlobal::isYAxisUp());
    EXPECT_TRUE(MGlobal::isZAxisUp());
    EXPECT_TRUE(MGlobal::setYAxisUp());
    EXPECT_TRUE(MGlobal::isYAxisUp());
}

TEST_F(SelectionTest, WalksOverTheDagAndAllNodes) {
    MObject d = Make("transform", "d", a_);
    std::vector<std::string> visited;
    MItDag dag(MItDag::kDepthFirst, MFn::kTransform);
    for (; !dag.isDone(); dag.next()) visited.push_back(dag.partialPathName().str());
    EXPECT_EQ(visited, (std::vector<std::string>{"persp", "top", "front", "side", "a", "d", "b"}));

    visited.clear();
    ASSERT_TRUE(dag.reset(a_, MItDag::kBreadthFirst, MFn::kInvalid));
    for (; !dag.isDone(); dag.next())
        visited.push_back(dag.fullPathName().str() + "@" + std::to_string(dag.depth()));
    EXPECT_EQ(visited, (std::vector<std::string>{"|a@0", "|a|d@1"}));

    visited.clear();
    MItDag pruned;
    for (; !pruned.isDone(); pruned.next()) {
        auto name = pruned.partialPathName().str();
        visited.push_back(name);
        if (name == "persp" || name == "top" || name == "front" || name == "side" || name == "b")
            pruned.prune();
    }
    EXPECT_EQ(visited, (std::vector<std::string>{"", "persp", "top", "front", "side", "a", "d", "b"}));

    int cameras = 0;
    for (MItDependencyNodes it(MFn::kCamera); !it.isDone(); it.next()) {
        EXPECT_TRUE(it.thisNode().hasFn(MFn::kCamera));
        ++cameras;
    }
    EXPECT_EQ(cameras, 5);
    int all = 0;
    for (MItDependencyNodes it; !it.isDone(); it.next()) ++all;
    EXPECT_EQ(all, 8 + 2 + 4); // default cameras with shapes, lambert1, initialShadingGroup; a, b, cShape, d
}

TEST_F(SelectionTest, ShadingGroupsHoldMembersAndReachTheirMaterial) {
    MFnLambertShader material;
    MObject lambert = material.create();
    EXPECT_TRUE(material.setColor(MColor(0.2f, 0.4f, 0.6f)));
    material.setDiffuseCoeff(0.5f);
    MSelectionList members;
    members.add(PathOf(c_));
    MFnSet group;
    MObject engine = group.create(members, MFnSet::kRenderableOnly);
    ASSERT_TRUE(engine.hasFn(MFn::kShadingEngine));
    EXPECT_TRUE(group.isMember(PathOf(c_)));
    EXPECT_FALSE(group.isMember(a_));
    EXPECT_EQ(group.restriction(), MFnSet::kRenderableOnly);

    MDGModifier modifier;
    modifier.connect(material.findPlug("outColor"), group.findPlug("surfaceShader"));
    ASSERT_TRUE(modifier.doIt());
    // The material is found back from the group, and its colour through it.
    MPlugArray sources;
    ASSERT_TRUE(group.findPlug("surfaceShader").connectedTo(sources, true, false));
    ASSERT_EQ(sources.length(), 1u);
    EXPECT_TRUE(sources[0].node() == lambert);
    MColor colour = MFnLambertShader(sources[0].node()).color();
    EXPECT_FLOAT_EQ(colour.g, 0.4f);
    EXPECT_NEAR(group.findPlug("surfaceShader").child(2).asDouble(), 0.3, 1e-6); // colour times diffuse

    EXPECT_TRUE(group.removeMember(PathOf(c_), MObject::kNullObj));
    EXPECT_FALSE(group.isMember(PathOf(c_)));
    EXPECT_FALSE(MFnSet(a_).addMember(c_)); // a transform is no set
}

} // namespace
