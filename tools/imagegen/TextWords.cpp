#include "tools/imagegen/TextWords.h"

namespace vex::imagegen {

std::vector<std::string> SplitWords(std::string_view line) {
    std::vector<std::string> words;
    std::size_t at = 0;
    while (at < line.size()) {
        at = line.find_first_not_of(" \t\r", at);
        if (at == std::string_view::npos) break;
        std::size_t end = line.find_first_of(" \t\r", at);
        if (end == std::string_view::npos) end = line.size();
        std::string word(line.substr(at, end - at));
        if (word == "#" || (words.empty() && word.front() == '#')) break;
        words.push_back(std::move(word));
        at = end;
    }
    return words;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find('\n', at);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(at, end - at);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        at = end + 1;
    }
    return lines;
}

std::string Located(const std::string& file, int line, const std::string& message) {
    return file + ":" + std::to_string(line) + ": " + message;
}

} // namespace vex::imagegen
