#include "util/xml/ResourceReader.h"

#include <utility>

namespace vex::util::xml {

namespace {

ResourceReader& Registered() {
    static ResourceReader reader;
    return reader;
}

} // namespace

void SetResourceReader(ResourceReader reader) {
    Registered() = std::move(reader);
}

bool ReadResource(const std::string& path, std::string& contents) {
    const ResourceReader& reader = Registered();
    return reader && reader(path, contents);
}

} // namespace vex::util::xml
