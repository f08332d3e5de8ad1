#pragma once

#include "host/scene/NodeTypeRegistry.h"
#include "host/scene/Scene.h"

#include <gtest/gtest.h>
#include <maya/MDagModifier.h>
#include <maya/MDagPath.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MObject.h>
#include <maya/MString.h>

/// Each test starts from a new scene and has helpers to build small ones through a DAG modifier.
class SceneFixture : public ::testing::Test {
protected:
    // Reset on construction, so that members of derived fixtures are built in the new scene.
    SceneFixture() { vex::host::Scene::Instance().Reset(); }

    /// Creates a node (under the parent) and names it, through one modifier; fails the test on error.
    static MObject Make(const char* type, const char* name, const MObject& parent = MObject::kNullObj) {
        MDagModifier modifier;
        MStatus status;
        MObject node = modifier.createNode(type, parent, &status);
        EXPECT_TRUE(status) << type;
        EXPECT_TRUE(modifier.renameNode(node, name));
        EXPECT_TRUE(modifier.doIt()) << type << " " << name;
        return node;
    }

    static MDagPath PathOf(const MObject& node) {
        MDagPath path;
        EXPECT_TRUE(MDagPath::getAPathTo(node, path));
        return path;
    }

    static std::string NameOf(const MObject& node) { return MFnDependencyNode(node).name().str(); }

    static std::string Dump() { return vex::host::Scene::Instance().Dump(); }
};
