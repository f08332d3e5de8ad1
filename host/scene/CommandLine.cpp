#include "CommandLine.h"

#include <cctype>

namespace vex::host {

namespace {

std::string trimmed(const std::string& text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && std::isspace(static_cast<unsigned char>(text[begin]))) ++begin;
    while (end > begin && std::isspace(static_cast<unsigned char>(text[end - 1]))) --end;
    return text.substr(begin, end - begin);
}

char escaped(char c) {
    switch (c) {
    case 'n':
        return '\n';
    case 't':
        return '\t';
    case 'r':
        return '\r';
    default:
        return c;
    }
}

} // namespace

bool CommandLine::parse(const std::string& text, std::vector<Statement>& statements, std::string& error) {
    statements.clear();
    std::vector<std::string> words;
    std::string raw;  // the statement's text as written
    std::string word; // the word being read
    bool inWord = false;

    auto endWord = [&] {
        if (inWord) words.push_back(word);
        word.clear();
        inWord = false;
    };
    auto endStatement = [&] {
        endWord();
        if (!words.empty()) {
            Statement statement{trimmed(raw), words.front(), {}};
            statement.args.assign(words.begin() + 1, words.end());
            statements.push_back(std::move(statement));
        }
        words.clear();
        raw.clear();
    };

    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') {
            const std::size_t start = i;
            inWord = true;
            for (++i; i < text.size() && text[i] != '"'; ++i) {
                if (text[i] == '\\' && i + 1 < text.size())
                    word += escaped(text[++i]);
                else
                    word += text[i];
            }
            if (i >= text.size()) {
                error = "Unterminated string starting at character " + std::to_string(start + 1) + ".";
                statements.clear();
                return false;
            }
            raw += text.substr(start, i - start + 1);
        } else if (c == '/' && i + 1 < text.size() && text[i + 1] == '/') {
            while (i < text.size() && text[i] != '\n') ++i;
            endWord();
            raw += ' ';
        } else if (c == ';') {
            endStatement();
        } else if (std::isspace(static_cast<unsigned char>(c))) {
            endWord();
            raw += c;
        } else {
            inWord = true;
            word += c;
            raw += c;
        }
    }
    endStatement();
    return true;
}

} // namespace vex::host
