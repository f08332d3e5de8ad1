#pragma once

#include <maya/MObject.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MTypes.h>

class MAngle;
class MDistance;
class MMatrix;
class MTime;
class MVector;

namespace vex::host {
struct DataSlot;
}

/// One attribute's value inside a node's data block while the node computes: read an input's value
/// with the as... accessors, write an output's with set... and mark it clean. A handle is only valid
/// during the compute that made it; a default-made handle holds nothing and reads zero.
class MDataHandle {
public:
    MDataHandle() = default;

    /// False for a handle that holds no value.
    bool isNumeric() const;
    /// The attribute the handle is for (null object for an empty handle).
    MObject attribute();

    /// The handle of a child of this compound attribute (an empty handle for another attribute).
    MDataHandle child(const MObject& attribute);

    /// The value read as each type (numbers convert; anything else reads zero or empty).
    bool asBool() const;
    char asChar() const;
    unsigned char asUChar() const;
    short asShort() const;
    int asInt() const;
    int asLong() const;
    float asFloat() const;
    double asDouble() const;
    MString asString() const;
    MMatrix asMatrix() const;
    MVector asVector() const;
    MTime asTime() const;
    MDistance asDistance() const;
    MAngle asAngle() const;
    /// The three numbers of a compound of three (a point, a colour), writable in place.
    double3& asDouble3();
    float3& asFloat3();
    int3& asInt3();

    /// Writes the value (outputs; writing an input's handle changes only this compute's copy).
    void set(bool value);
    void set(char value);
    void set(short value);
    void set(int value);
    void set(float value);
    void set(double value);
    void set(const MMatrix& value);
    void set(const MString& value);
    void set(const MVector& value);
    void set(const MTime& value);
    void set(const MDistance& value);
    void set(const MAngle& value);
    void set(double x, double y, double z);
    void set(float x, float y, float z);
    void set(int x, int y, int z);
    void set3Double(double x, double y, double z) { set(x, y, z); }
    void set3Float(float x, float y, float z) { set(x, y, z); }
    void set3Int(int x, int y, int z) { set(x, y, z); }
    void setBool(bool value) { set(value); }
    void setChar(char value) { set(value); }
    void setShort(short value) { set(value); }
    void setInt(int value) { set(value); }
    void setFloat(float value) { set(value); }
    void setDouble(double value) { set(value); }
    void setString(const MString& value) { set(value); }
    void setMVector(const MVector& value) { set(value); }
    void setMTime(const MTime& value) { set(value); }
    void setMDistance(const MDistance& value) { set(value); }
    void setMAngle(const MAngle& value) { set(value); }

    /// Marks the value as up to date: reading the plug then answers it without computing again until
    /// an input it depends on changes.
    void setClean();

private:
    friend class MDataBlock;
    explicit MDataHandle(vex::host::DataSlot* slot) : slot_(slot) {}
    vex::host::DataSlot* slot_ = nullptr;
};
