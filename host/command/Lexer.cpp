#include "host/command/Lexer.h"

#include <cctype>
#include <cstring>

namespace vex::host::command {
namespace {

bool IsLetter(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
}

// Characters that may continue a bare word: node paths ("|group1|ball"), plugs ("ball.tx") and
// namespaces ("set:ball"). Wildcards and other glued pieces are joined by the parser.
bool IsWordChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || std::strchr("_|:.", c) != nullptr;
}

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// The operators, longest first so that "==" wins over "=".
// "<<" and ">>" open and close vector and matrix values; "." picks a vector's component ($v.x).
constexpr const char* kSymbols[] = {
    "==", "!=", "<=", ">=", "&&", "||", "++", "--", "+=", "-=", "*=", "/=", "<<", ">>", ";", "{", "}", "(",
    ")",  "[",  "]",  ",",  "`",  "=",  "<",  ">",  "!",  "+",  "-",  "*",  "/",  "%",  "^", "?", ":", "."};

class Scanner {
public:
    Scanner(std::string_view text, std::vector<Token>& tokens, ScriptError& error)
        : text_(text), tokens_(tokens), error_(error) {}

    bool Run() {
        while (true) {
            const bool space = SkipBlanks();
            if (!error_.reason.empty()) return false;
            if (pos_ >= text_.size()) break;
            Token token;
            token.line = line_;
            token.spaceBefore = space || tokens_.empty();
            if (!Next(token)) return false;
            tokens_.push_back(std::move(token));
        }
        Token end;
        end.line = line_;
        end.spaceBefore = true;
        tokens_.push_back(end);
        return true;
    }

private:
    char Peek(size_t ahead = 0) const { return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0'; }

    bool Fail(const std::string& reason) {
        error_.line = line_;
        error_.reason = reason;
        return false;
    }

    // Skips blanks and comments; true when anything was skipped.
    bool SkipBlanks() {
        const size_t start = pos_;
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (c == '\n') {
                ++line_;
                ++pos_;
            } else if (std::isspace(static_cast<unsigned char>(c))) {
                ++pos_;
            } else if (c == '/' && Peek(1) == '/') {
                while (pos_ < text_.size() && text_[pos_] != '\n') ++pos_;
            } else if (c == '/' && Peek(1) == '*') {
                const int startLine = line_;
                pos_ += 2;
                while (pos_ < text_.size() && !(text_[pos_] == '*' && Peek(1) == '/')) {
                    if (text_[pos_] == '\n') ++line_;
                    ++pos_;
                }
                if (pos_ >= text_.size()) {
                    line_ = startLine;
                    error_.atEnd = true;
                    Fail("Syntax error: comment is not closed");
                    return true;
                }
                pos_ += 2;
            } else {
                break;
            }
        }
        return pos_ != start;
    }

    bool Next(Token& token) {
        const char c = Peek();
        if (c == '"') return ReadString(token);
        if (c == '$') {
            ++pos_;
            if (!IsLetter(Peek())) return Fail("Syntax error: \"$\" must be followed by a variable name");
            token.kind = TokenKind::kVariable;
            while (std::isalnum(static_cast<unsigned char>(Peek())) || Peek() == '_')
                token.text += text_[pos_++];
            return true;
        }
        if (IsDigit(c) || (c == '.' && IsDigit(Peek(1)))) return ReadNumber(token);
        if (c == '-' && std::isalpha(static_cast<unsigned char>(Peek(1)))) {
            token.kind = TokenKind::kFlag;
            token.text += text_[pos_++];
            while (std::isalnum(static_cast<unsigned char>(Peek())) || Peek() == '_')
                token.text += text_[pos_++];
            return true;
        }
        if (IsLetter(c) || (c == '|' && IsLetter(Peek(1)))) return ReadWord(token);
        for (const char* symbol : kSymbols) {
            const size_t n = std::strlen(symbol);
            if (text_.substr(pos_, n) == symbol) {
                token.kind = TokenKind::kSymbol;
                token.text = symbol;
                pos_ += n;
                return true;
            }
        }
        return Fail(std::string("Syntax error: unexpected character \"") + c + "\"");
    }

    bool ReadWord(Token& token) {
        token.kind = TokenKind::kWord;
        while (pos_ < text_.size() && IsWordChar(text_[pos_])) {
            // "a||b" is two words and an operator, not one word.
            if (text_[pos_] == '|' && Peek(1) == '|') break;
            token.text += text_[pos_++];
        }
        return true;
    }

    bool ReadNumber(Token& token) {
        token.kind = TokenKind::kInt;
        if (Peek() == '0' && (Peek(1) == 'x' || Peek(1) == 'X')) {
            token.text = "0x";
            pos_ += 2;
            while (std::isxdigit(static_cast<unsigned char>(Peek()))) token.text += text_[pos_++];
            if (token.text.size() == 2) return Fail("Syntax error: hexadecimal number without digits");
            return true;
        }
        while (IsDigit(Peek())) token.text += text_[pos_++];
        if (Peek() == '.' && !IsLetter(Peek(1))) {
            token.kind = TokenKind::kFloat;
            token.text += text_[pos_++];
            while (IsDigit(Peek())) token.text += text_[pos_++];
        }
        if ((Peek() == 'e' || Peek() == 'E') &&
            (IsDigit(Peek(1)) || ((Peek(1) == '-' || Peek(1) == '+') && IsDigit(Peek(2))))) {
            token.kind = TokenKind::kFloat;
            token.text += text_[pos_++];
            if (Peek() == '-' || Peek() == '+') token.text += text_[pos_++];
            while (IsDigit(Peek())) token.text += text_[pos_++];
        }
        // "1.5cm", "24fps" and similar unit suffixes stay with the number as one word.
        if (IsLetter(Peek())) {
            token.kind = TokenKind::kWord;
            while (pos_ < text_.size() && IsWordChar(text_[pos_])) token.text += text_[pos_++];
        }
        return true;
    }

    bool ReadString(Token& token) {
        token.kind = TokenKind::kString;
        const int startLine = line_;
        ++pos_;
        while (true) {
            if (pos_ >= text_.size()) {
                line_ = startLine;
                error_.atEnd = true;
                return Fail("Syntax error: string is not closed");
            }
            const char c = text_[pos_++];
            if (c == '"') return true;
            if (c == '\n') ++line_;
            if (c != '\\') {
                token.text += c;
                continue;
            }
            if (pos_ >= text_.size()) continue;
            const char e = text_[pos_++];
            switch (e) {
            case 'n':
                token.text += '\n';
                break;
            case 't':
                token.text += '\t';
                break;
            case 'r':
                token.text += '\r';
                break;
            case '\n':
                ++line_;
                break; // a backslash at the end of a line continues the string
            default:
                token.text += e;
                break; // \" \\ and any other character stand for themselves
            }
        }
    }

    std::string_view text_;
    std::vector<Token>& tokens_;
    ScriptError& error_;
    size_t pos_ = 0;
    int line_ = 1;
};

} // namespace

bool Lexer::Tokenize(std::string_view script, std::vector<Token>& tokens, ScriptError& error) {
    tokens.clear();
    error = ScriptError();
    return Scanner(script, tokens, error).Run();
}

} // namespace vex::host::command
