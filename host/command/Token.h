#pragma once

#include <string>

namespace vex::host::command {

/// Kinds of the pieces a script is cut into.
enum class TokenKind {
    kWord,     // a name or any bare word: createNode, pCube1.tx, |group1|pCube1, *
    kFlag,     // "-" followed by a letter: -name, -q
    kInt,      // 12, 0x1F
    kFloat,    // 1.5, 2e3, .5
    kString,   // "text" with its escapes already applied
    kVariable, // $name (the text holds the name without "$")
    kSymbol,   // ; { } ( ) [ ] , ` and the operators
    kEnd,
};

/// One piece of a script, with the line it starts on (1-based).
struct Token {
    TokenKind kind = TokenKind::kEnd;
    std::string text;
    int line = 1;
    /// Whether blank space or a comment came right before the token: "-1" after a space is a
    /// number argument, right after a name it is a subtraction.
    bool spaceBefore = false;

    bool Is(TokenKind k, const char* t) const { return kind == k && text == t; }
    bool IsSymbol(const char* t) const { return Is(TokenKind::kSymbol, t); }
};

} // namespace vex::host::command
