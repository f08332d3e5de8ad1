#pragma once

#include <string_view>

namespace vex::util::xml {

/// Results of Element::Load, Parse and Save. Callers mostly test for kOk and treat anything else like a
/// missing file; the distinct codes are there for messages and tests.
enum Status : int {
    kOk = 0,
    kCannotOpen = 1,          ///< the file (or ":" resource) cannot be read, or cannot be written
    kNoRoot = 2,              ///< empty text, text not beginning with a tag, or an end tag with none open
    kNotClosed = 3,           ///< an element is still open at the end of the text
    kEndTagMismatch = 4,      ///< an end tag's name differs from the open element's name
    kUnknownToken = 5,        ///< a "<" without a closing ">"
    kMissingEquals = 6,       ///< an attribute name not followed by "="
    kUnquotedValue = 7,       ///< an attribute value not starting with a quote character
    kUnterminatedValue = 8,   ///< an attribute value whose closing quote is missing
    kAttributeNoSpace = 9,    ///< an attribute directly after the previous value, without whitespace
    kDuplicateAttribute = 10, ///< the same attribute name twice in one tag
    kBadName = 11,            ///< an empty tag or attribute name, or one holding whitespace, ">", "/" or "="
    kTooDeep = 12,            ///< elements nested deeper than Element::kMaxDepth
    kContentAfterRoot = 13,   ///< text or a second element after the root element
};

/// A short English description of a status value, for messages.
constexpr std::string_view StatusMessage(int status) {
    switch (status) {
    case kOk:
        return "success";
    case kCannotOpen:
        return "the file cannot be opened";
    case kNoRoot:
        return "the text does not begin with an element";
    case kNotClosed:
        return "an element is not closed before the end";
    case kEndTagMismatch:
        return "an end tag does not match the open element";
    case kUnknownToken:
        return "a tag is not closed with \">\"";
    case kMissingEquals:
        return "an attribute has no \"=\"";
    case kUnquotedValue:
        return "an attribute value is not quoted";
    case kUnterminatedValue:
        return "an attribute value has no closing quote";
    case kAttributeNoSpace:
        return "attributes are not separated by whitespace";
    case kDuplicateAttribute:
        return "an attribute appears twice";
    case kBadName:
        return "a tag or attribute name is empty or malformed";
    case kTooDeep:
        return "elements are nested too deeply";
    case kContentAfterRoot:
        return "there is content after the root element";
    default:
        return "unknown status";
    }
}

} // namespace vex::util::xml
