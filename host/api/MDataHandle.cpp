#include "host/api/ComputeBlock.h"
#include "host/api/HostConvert.h"
#include "host/scene/ObjectAccess.h"

#include <maya/MAngle.h>
#include <maya/MDataHandle.h>
#include <maya/MDistance.h>
#include <maya/MMatrix.h>
#include <maya/MTime.h>
#include <maya/MVector.h>

using vex::host::DataSlot;
using vex::host::Double3;
using vex::host::Value;

namespace {

const Value& valueOf(const DataSlot* slot) {
    static const Value kNone;
    return slot ? slot->value : kNone;
}

// Stores a value in the kind of the slot's attribute (an int written to a double attribute stays a
// number, a bool to an int attribute becomes 0 or 1).
void write(DataSlot* slot, const Value& value) {
    if (!slot) return;
    slot->value = slot->attribute->Accepts(value) ? slot->attribute->Coerce(value) : value;
    slot->written = true;
}

Double3 triple(const DataSlot* slot) {
    const Value& value = valueOf(slot);
    if (const auto* numbers = std::get_if<Double3>(&value)) return *numbers;
    return Double3{};
}

// Hands out the slot's numbers as a copy of another element type, written back when the compute
// returns (see ComputeBlock::Settle); an empty handle gets a scratch copy.
template <class T>
T* copyOut(DataSlot* slot, std::array<T, 3> DataSlot::*copy, bool DataSlot::*handedOut) {
    static std::array<T, 3> scratch{};
    if (!slot) return scratch.data();
    const Double3 numbers = triple(slot);
    for (int i = 0; i < 3; ++i) (slot->*copy)[i] = static_cast<T>(numbers[i]);
    slot->*handedOut = slot->written = true;
    return (slot->*copy).data();
}

} // namespace

bool MDataHandle::isNumeric() const {
    const Value& value = valueOf(slot_);
    return std::holds_alternative<bool>(value) || std::holds_alternative<int>(value) ||
           std::holds_alternative<double>(value);
}

MObject MDataHandle::attribute() {
    return slot_ ? vex::host::ObjectAccess::wrap(slot_->attribute) : MObject();
}

MDataHandle MDataHandle::child(const MObject& attribute) {
    const vex::host::AttributePtr child = vex::host::ObjectAccess::Attribute(attribute);
    if (!slot_ || !child || child->parent() != slot_->attribute.get()) return MDataHandle();
    return MDataHandle(slot_->read ? slot_->block->Input(child) : slot_->block->Output(child));
}

bool MDataHandle::asBool() const {
    return vex::host::ToBool(valueOf(slot_));
}

char MDataHandle::asChar() const {
    return static_cast<char>(asInt());
}

unsigned char MDataHandle::asUChar() const {
    return static_cast<unsigned char>(asInt());
}

short MDataHandle::asShort() const {
    return static_cast<short>(asInt());
}

int MDataHandle::asInt() const {
    return vex::host::ToInt(valueOf(slot_));
}

int MDataHandle::asLong() const {
    return asInt();
}

float MDataHandle::asFloat() const {
    return static_cast<float>(asDouble());
}

double MDataHandle::asDouble() const {
    return vex::host::ToDouble(valueOf(slot_));
}

MString MDataHandle::asString() const {
    const auto* text = std::get_if<std::string>(&valueOf(slot_));
    return text ? MString(*text) : MString();
}

MMatrix MDataHandle::asMatrix() const {
    const auto* matrix = std::get_if<vex::host::Matrix>(&valueOf(slot_));
    return matrix ? vex::host::convert::toMMatrix(*matrix) : MMatrix();
}

MVector MDataHandle::asVector() const {
    const Double3 numbers = triple(slot_);
    return MVector(numbers[0], numbers[1], numbers[2]);
}

MTime MDataHandle::asTime() const {
    return MTime(asDouble(), MTime::kSeconds);
}

MDistance MDataHandle::asDistance() const {
    return MDistance(asDouble(), MDistance::kCentimeters);
}

MAngle MDataHandle::asAngle() const {
    return MAngle(asDouble(), MAngle::kRadians);
}

double3& MDataHandle::asDouble3() {
    static double3 empty{};
    if (!slot_) return empty;
    if (!std::holds_alternative<Double3>(slot_->value)) slot_->value = Double3{};
    // A written handle keeps its numbers in the slot, so the reference stays valid for the compute.
    slot_->written = true;
    return *reinterpret_cast<double3*>(std::get<Double3>(slot_->value).data());
}

float3& MDataHandle::asFloat3() {
    return *reinterpret_cast<float3*>(copyOut(slot_, &DataSlot::floats, &DataSlot::floatsOut));
}

int3& MDataHandle::asInt3() {
    return *reinterpret_cast<int3*>(copyOut(slot_, &DataSlot::ints, &DataSlot::intsOut));
}

void MDataHandle::set(bool value) {
    write(slot_, value);
}

void MDataHandle::set(char value) {
    write(slot_, static_cast<int>(value));
}

void MDataHandle::set(short value) {
    write(slot_, static_cast<int>(value));
}

void MDataHandle::set(int value) {
    write(slot_, value);
}

void MDataHandle::set(float value) {
    write(slot_, static_cast<double>(value));
}

void MDataHandle::set(double value) {
    write(slot_, value);
}

void MDataHandle::set(const MMatrix& value) {
    write(slot_, vex::host::convert::fromMMatrix(value));
}

void MDataHandle::set(const MString& value) {
    write(slot_, value.str());
}

void MDataHandle::set(const MVector& value) {
    write(slot_, Double3{value.x, value.y, value.z});
}

void MDataHandle::set(const MTime& value) {
    write(slot_, value.as(MTime::kSeconds));
}

void MDataHandle::set(const MDistance& value) {
    write(slot_, value.as(MDistance::kCentimeters));
}

void MDataHandle::set(const MAngle& value) {
    write(slot_, value.as(MAngle::kRadians));
}

void MDataHandle::set(double x, double y, double z) {
    write(slot_, Double3{x, y, z});
}

void MDataHandle::set(float x, float y, float z) {
    set(double(x), double(y), double(z));
}

void MDataHandle::set(int x, int y, int z) {
    set(double(x), double(y), double(z));
}

void MDataHandle::setClean() {
    if (slot_) slot_->clean = true;
}
