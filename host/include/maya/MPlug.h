#pragma once

#include <maya/MObject.h>
#include <maya/MStatus.h>
#include <maya/MString.h>

#include <memory>

class MDGContext;
class MPlugArray;

namespace vex::host {
class Node;
class AttributeDefinition;
} // namespace vex::host

/// One attribute of one node: reads and writes its value and answers its connections. Reads follow
/// incoming connections and computed attributes; a read with a context reads at the context's time.
/// Operations on a null plug or a deleted node answer failure.
class MPlug {
public:
    /// A null plug.
    MPlug();
    /// The plug of the attribute on the node.
    MPlug(const MObject& node, const MObject& attribute);

    bool isNull(MStatus* ReturnStatus = nullptr) const;
    MObject node(MStatus* ReturnStatus = nullptr) const;
    MObject attribute(MStatus* ReturnStatus = nullptr) const;

    /// "node.shortName".
    MString name(MStatus* ReturnStatus = nullptr) const;
    /// The attribute's short name (or long name), optionally after "node.".
    MString partialName(bool includeNodeName = false, bool includeNonMandatoryIndices = false,
                        bool includeInstancedIndices = false, bool useAlias = false,
                        bool useFullAttributePath = false, bool useLongNames = false,
                        MStatus* ReturnStatus = nullptr) const;
    /// "node.longName".
    MString info(MStatus* ReturnStatus = nullptr) const;

    bool isCompound(MStatus* ReturnStatus = nullptr) const;
    unsigned int numChildren(MStatus* ReturnStatus = nullptr) const;
    MPlug child(unsigned int index, MStatus* ReturnStatus = nullptr) const;
    MPlug child(const MObject& attribute, MStatus* ReturnStatus = nullptr) const;
    bool isChild(MStatus* ReturnStatus = nullptr) const;
    MPlug parent(MStatus* ReturnStatus = nullptr) const;
    /// True for the per-instance matrices (worldMatrix, worldInverseMatrix, parentMatrix,
    /// parentInverseMatrix), which are arrays of one element in a host without instancing.
    bool isArray(MStatus* ReturnStatus = nullptr) const;
    bool isElement(MStatus* ReturnStatus = nullptr) const;
    /// Number of elements of an array plug: 1 for the per-instance matrices.
    unsigned int numElements(MStatus* ReturnStatus = nullptr) const;
    /// Element 0 of a per-instance matrix plug (the plug itself); other indices and plugs fail.
    MPlug elementByLogicalIndex(unsigned int index, MStatus* ReturnStatus = nullptr) const;
    MPlug elementByPhysicalIndex(unsigned int index, MStatus* ReturnStatus = nullptr) const;
    bool isDynamic(MStatus* ReturnStatus = nullptr) const;
    bool isNetworked(MStatus* ReturnStatus = nullptr) const;

    bool isKeyable(MStatus* ReturnStatus = nullptr) const;

    /// True when the plug is either end of a connection.
    bool isConnected(MStatus* ReturnStatus = nullptr) const;
    bool isDestination(MStatus* ReturnStatus = nullptr) const;
    bool isSource(MStatus* ReturnStatus = nullptr) const;
    /// The plugs at the other ends of the connections, incoming ones when asDst, outgoing when asSrc.
    bool connectedTo(MPlugArray& array, bool asDst, bool asSrc, MStatus* ReturnStatus = nullptr) const;

    MStatus getValue(bool& value) const;
    MStatus getValue(int& value) const;
    MStatus getValue(short& value) const;
    MStatus getValue(double& value) const;
    MStatus getValue(float& value) const;
    MStatus getValue(MString& value) const;
    /// Matrix, string, string-array and geometry values come as data objects (a copy of the value).
    MStatus getValue(MObject& value) const;

    MStatus setValue(bool value);
    MStatus setValue(int value);
    MStatus setValue(short value);
    MStatus setValue(double value);
    MStatus setValue(float value);
    MStatus setValue(const MString& value);
    MStatus setValue(const char* value);
    /// Sets a matrix, string, string-array or geometry value from a data object (the value is copied).
    MStatus setValue(const MObject& value);

    bool asBool(MStatus* ReturnStatus = nullptr) const;
    bool asBool(const MDGContext& context, MStatus* ReturnStatus = nullptr) const;
    int asInt(MStatus* ReturnStatus = nullptr) const;
    int asInt(const MDGContext& context, MStatus* ReturnStatus = nullptr) const;
    short asShort(MStatus* ReturnStatus = nullptr) const;
    short asShort(const MDGContext& context, MStatus* ReturnStatus = nullptr) const;
    double asDouble(MStatus* ReturnStatus = nullptr) const;
    double asDouble(const MDGContext& context, MStatus* ReturnStatus = nullptr) const;
    float asFloat(MStatus* ReturnStatus = nullptr) const;
    float asFloat(const MDGContext& context, MStatus* ReturnStatus = nullptr) const;
    MString asString(MStatus* ReturnStatus = nullptr) const;
    MString asString(const MDGContext& context, MStatus* ReturnStatus = nullptr) const;
    MObject asMObject(MStatus* ReturnStatus = nullptr) const;
    MObject asMObject(const MDGContext& context, MStatus* ReturnStatus = nullptr) const;

    /// True when both plugs are the same attribute of the same node.
    bool operator==(const MPlug& other) const;
    bool operator!=(const MPlug& other) const { return !(*this == other); }
    /// True when the plug is of the attribute (on whatever node): `plug == aOutput` in a compute.
    bool operator==(const MObject& attribute) const;
    bool operator!=(const MObject& attribute) const { return !(*this == attribute); }

private:
    std::shared_ptr<vex::host::Node> node_;
    std::shared_ptr<vex::host::AttributeDefinition> attribute_;
};
