#pragma once

#include <maya/MMessage.h>

#include <vector>

class MStatus;

/// An ordered array of callback identifiers, as kept by a plug-in to remove its callbacks at unload.
class MCallbackIdArray {
public:
    MCallbackIdArray() = default;
    /// An array of `length` copies of `initialValue`.
    MCallbackIdArray(unsigned int length, MCallbackId initialValue = 0);

    /// Number of identifiers.
    unsigned int length() const { return static_cast<unsigned int>(ids_.size()); }
    /// Appends one identifier.
    MStatus append(MCallbackId id);
    /// Inserts an identifier before `index` (index == length appends); kFailure past the end.
    MStatus insert(MCallbackId id, unsigned int index);
    /// Removes the identifier at `index`; kFailure past the end.
    MStatus remove(unsigned int index);
    /// Resizes, filling new places with 0.
    MStatus setLength(unsigned int length);
    /// Removes every identifier.
    MStatus clear();
    /// Element access (unchecked, as in the host API).
    MCallbackId operator[](unsigned int index) const { return ids_[index]; }
    MCallbackId& operator[](unsigned int index) { return ids_[index]; }

private:
    std::vector<MCallbackId> ids_;
};
