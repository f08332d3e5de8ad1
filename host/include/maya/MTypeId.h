#pragma once

/// The numeric identity of a node type, stored in scene files; plug-ins build theirs from a vendor
/// prefix and a number.
class MTypeId {
public:
    /// The id 0 (no type).
    MTypeId() = default;
    /// The given 32-bit id.
    MTypeId(unsigned int id) : id_(id) {}
    /// The id made of a vendor prefix (shifted left by 8 bits) and a number below 256.
    MTypeId(unsigned int prefix, unsigned int id) : id_((prefix << 8) | (id & 0xffu)) {}

    /// The 32-bit id.
    unsigned int id() const { return id_; }

    bool operator==(const MTypeId& other) const { return id_ == other.id_; }
    bool operator!=(const MTypeId& other) const { return id_ != other.id_; }

private:
    unsigned int id_ = 0;
};
