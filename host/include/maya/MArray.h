#pragma once

#include <maya/MStatus.h>

#include <vector>

/// The behaviour every API array type shares (MIntArray, MDoubleArray, MPointArray, ...): an ordered
/// list of values with the API's index-based editing calls.
template <typename T>
class MArray {
public:
    MArray() = default;
    /// count copies of value.
    MArray(unsigned int count, const T& value = T()) : items_(count, value) {}
    /// A copy of count values from src.
    MArray(const T src[], unsigned int count) : items_(src, src + count) {}

    /// Number of elements.
    unsigned int length() const { return static_cast<unsigned int>(items_.size()); }
    /// Grows (with default values) or shrinks to length elements.
    MStatus setLength(unsigned int length) {
        items_.resize(length);
        return MStatus::kSuccess;
    }
    /// Element access; the index must be below length().
    T& operator[](unsigned int index) { return items_[index]; }
    const T& operator[](unsigned int index) const { return items_[index]; }
    /// Adds value at the end.
    MStatus append(const T& value) {
        items_.push_back(value);
        return MStatus::kSuccess;
    }
    /// Inserts value before index (index == length() appends); kFailure past the end.
    MStatus insert(const T& value, unsigned int index) {
        if (index > items_.size()) return MStatus::kFailure;
        items_.insert(items_.begin() + index, value);
        return MStatus::kSuccess;
    }
    /// Removes the element at index; kFailure when there is none.
    MStatus remove(unsigned int index) {
        if (index >= items_.size()) return MStatus::kFailure;
        items_.erase(items_.begin() + index);
        return MStatus::kSuccess;
    }
    /// Overwrites the element at index; kFailure when there is none.
    MStatus set(const T& value, unsigned int index) {
        if (index >= items_.size()) return MStatus::kFailure;
        items_[index] = value;
        return MStatus::kSuccess;
    }
    /// Replaces the contents with a copy of source.
    MStatus copy(const MArray& source) {
        items_ = source.items_;
        return MStatus::kSuccess;
    }
    /// Copies every element into dest, which must hold length() values.
    MStatus get(T dest[]) const {
        for (std::size_t i = 0; i < items_.size(); ++i) dest[i] = items_[i];
        return MStatus::kSuccess;
    }
    /// Removes every element.
    void clear() { items_.clear(); }
    /// Growth hints of the API; storage grows on its own here.
    void setSizeIncrement(unsigned int) {}
    unsigned int sizeIncrement() const { return 1; }

    /// The elements as a standard vector.
    const std::vector<T>& values() const { return items_; }
    /// Iteration.
    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

    bool operator==(const MArray& other) const { return items_ == other.items_; }
    bool operator!=(const MArray& other) const { return items_ != other.items_; }

protected:
    std::vector<T> items_;
};
