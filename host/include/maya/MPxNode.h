#pragma once

#include <maya/MObject.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MTypeId.h>

class MPlug;
class MDataBlock;
class MPlugArray;

/// Base of the node classes plug-ins register. The host makes one object per node of the type (with
/// the creator given to MFnPlugin::registerNode) and keeps it as long as the node exists; the type's
/// attributes are added from the type's initialize function with addAttribute.
class MPxNode {
public:
    /// Kinds of plug-in node; this host makes plain dependency nodes (kDependNode).
    enum Type {
        kDependNode,
        kLocatorNode,
        kDeformerNode,
        kManipContainer,
        kSurfaceShape,
        kFieldNode,
        kEmitterNode,
        kSpringNode,
        kIkSolverNode,
        kHardwareShader,
        kHwShaderNode,
        kTransformNode,
        kObjectSet,
        kFluidEmitterNode,
        kImagePlaneNode,
        kParticleAttributeMapperNode,
        kCameraSetNode,
        kConstraintNode,
        kManipulatorNode,
        kClientDeviceNode,
        kThreadedDeviceNode,
        kLast
    };

    MPxNode() = default;
    virtual ~MPxNode() = default;
    MPxNode(const MPxNode&) = delete;
    MPxNode& operator=(const MPxNode&) = delete;

    /// Called once the node exists, before it enters the scene.
    virtual void postConstructor() {}
    /// Computes an output plug: called when an output declared with attributeAffects is read and its
    /// kept value is out of date. Read inputs with dataBlock.inputValue, write the output with
    /// outputValue and mark it clean. The default answers kUnknownParameter: the stored value is used.
    virtual MStatus compute(const MPlug& plug, MDataBlock& dataBlock);
    /// Called when an input is set, to add plugs made dirty beyond the declared ones (accepted, not
    /// consulted by this host: a kept value is checked against its inputs when read).
    virtual MStatus setDependentsDirty(const MPlug& plugBeingDirtied, MPlugArray& affectedPlugs);
    /// Kind of node.
    virtual Type type() const { return kDependNode; }

    /// The node this object belongs to.
    MObject thisMObject() const;
    /// The node's name.
    MString name() const;
    /// The registered type's id.
    MTypeId typeId() const;
    /// The registered type's name.
    MString typeName() const;

    /// Adds an attribute (made by an attribute function set) to the type being registered; only valid
    /// inside the type's initialize function.
    static MStatus addAttribute(const MObject& attr);
    /// Declares that `whenChanges` affects `isAffected`: reading the output computes it, and a value
    /// computed before is kept until the input changes. Only valid inside the initialize function.
    static MStatus attributeAffects(const MObject& whenChanges, const MObject& isAffected);

private:
    friend class MPxNodeAccess;
    void* node_ = nullptr; // the scene node (vex::host::Node), which owns this object
};
