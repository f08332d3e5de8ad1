#pragma once

#include <iosfwd>
#include <string>

class MStringArray;
class MStatus;

/// A UTF-8 text value as the API passes it around.
class MString {
public:
    /// The empty string.
    MString() = default;
    /// A copy of the zero-terminated text (null gives the empty string).
    MString(const char* text) : text_(text ? text : "") {}
    /// The first length bytes of text.
    MString(const char* text, int length) : text_(text ? std::string(text, length > 0 ? length : 0) : "") {}
    /// A copy of a standard string.
    MString(const std::string& text) : text_(text) {}

    /// Zero-terminated bytes, valid until the string changes.
    const char* asChar() const { return text_.c_str(); }
    /// Same as asChar (the text is always UTF-8).
    const char* asUTF8() const { return text_.c_str(); }
    /// The standard string behind the value.
    const std::string& str() const { return text_; }
    /// Length in bytes.
    unsigned int length() const { return static_cast<unsigned int>(text_.size()); }
    /// Number of characters (UTF-8 code points).
    unsigned int numChars() const;
    /// True when the length is zero.
    bool isEmpty() const { return text_.empty(); }

    /// Replaces the text.
    MString& set(const char* text);
    /// Replaces the text with the number written with the given significant digits.
    MString& set(double value, int precision = 6);
    /// Appends text or a number (numbers are written as with set).
    MString& operator+=(const MString& other);
    MString& operator+=(const char* other);
    MString& operator+=(double value);
    MString& operator+=(int value);
    MString& operator+=(unsigned int value);

    bool operator==(const MString& other) const { return text_ == other.text_; }
    bool operator==(const char* other) const { return text_ == (other ? other : ""); }
    bool operator!=(const MString& other) const { return text_ != other.text_; }
    bool operator!=(const char* other) const { return !(*this == other); }
    /// Byte-wise order, so strings can be keys of sorted containers.
    bool operator<(const MString& other) const { return text_ < other.text_; }

    /// Byte offset of the first occurrence of c, or -1.
    int index(char c) const;
    /// Byte offset of the last occurrence of c, or -1.
    int rindex(char c) const;
    /// Bytes from start to end inclusive (clamped; empty when start > end).
    MString substring(int start, int end) const;
    /// Pieces between occurrences of delimiter (empty pieces are dropped).
    MStatus split(char delimiter, MStringArray& pieces) const;
    /// Copy in lower case (ASCII letters).
    MString toLowerCase() const;
    /// Copy in upper case (ASCII letters).
    MString toUpperCase() const;
    /// Replaces every occurrence of from by to.
    MStatus substitute(const MString& from, const MString& to);

    /// True when the whole text is an integer.
    bool isInt() const;
    /// True when the whole text is a number.
    bool isDouble() const;
    /// The text as an integer (0 when it is none).
    int asInt() const;
    /// The text as a number (0 when it is none).
    double asDouble() const;

private:
    std::string text_;
};

/// Concatenations.
MString operator+(const MString& a, const MString& b);
MString operator+(const MString& a, const char* b);
MString operator+(const char* a, const MString& b);
MString operator+(const MString& a, double b);
MString operator+(const MString& a, int b);
/// Writes the text.
std::ostream& operator<<(std::ostream& out, const MString& text);
