#include "host/file/StatusText.h"

#include <maya/MString.h>

#include <cctype>

namespace vex::host::file {

std::string WithoutStatusCodes(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        // "(k" + letters + "): "
        if (text.compare(i, 2, "(k") == 0) {
            std::size_t j = i + 2;
            while (j < text.size() && std::isalpha(static_cast<unsigned char>(text[j]))) ++j;
            if (j > i + 2 && text.compare(j, 3, "): ") == 0) {
                i = j + 3;
                continue;
            }
        }
        out += text[i++];
    }
    return out;
}

std::string StatusText(const MStatus& status) {
    return WithoutStatusCodes(status.errorString().str());
}

} // namespace vex::host::file
