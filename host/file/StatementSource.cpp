#include "host/file/StatementSource.h"

namespace vex::host::file {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

} // namespace

StatementSource::StatementSource(std::string_view text) {
    int line = 1;
    int startLine = 0;     // the line of the statement being read, 0 between statements
    std::size_t start = 0; // where its text begins
    int depth = 0;         // open parentheses
    const auto begin = [&](std::size_t at) {
        startLine = line;
        start = at;
        // Indentation before a statement that opens its line belongs to its text.
        std::size_t lineStart = at;
        while (lineStart > 0 && (text[lineStart - 1] == ' ' || text[lineStart - 1] == '\t')) --lineStart;
        if (lineStart == 0 || text[lineStart - 1] == '\n') start = lineStart;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\n') {
            ++line;
            continue;
        }
        if (c == '/' && i + 1 < text.size() && text[i + 1] == '/') {
            while (i + 1 < text.size() && text[i + 1] != '\n') ++i;
            continue;
        }
        if (c == '/' && i + 1 < text.size() && text[i + 1] == '*') {
            for (i += 2; i + 1 < text.size() && !(text[i] == '*' && text[i + 1] == '/'); ++i)
                if (text[i] == '\n') ++line;
            ++i;
            continue;
        }
        if (IsBlank(c)) continue;
        if (startLine == 0) begin(i);
        if (c == '"') {
            for (++i; i < text.size() && text[i] != '"' && text[i] != '\n'; ++i)
                if (text[i] == '\\') ++i;
            if (i < text.size() && text[i] == '\n') ++line;
        } else if (c == '(') {
            ++depth;
        } else if (c == ')') {
            --depth;
        } else if ((c == ';' && depth <= 0) || c == '{' || c == '}') {
            auto [it, fresh] = statements_.emplace(startLine, std::string(text.substr(start, i + 1 - start)));
            if (!fresh) it->second.clear();
            startLine = 0;
            depth = 0;
        }
    }
}

std::optional<std::string> StatementSource::Find(int line) const {
    const auto found = statements_.find(line);
    if (found == statements_.end() || found->second.empty()) return std::nullopt;
    return found->second;
}

} // namespace vex::host::file
