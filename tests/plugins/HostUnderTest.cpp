#include "tests/plugins/HostUnderTest.h"

#include "tests/plugins/MemoryHostUnderTest.h"
#ifdef TORVA_TEST_MAYA_HOST
#include "tests/plugins/maya/MayaHostUnderTest.h"
#endif

namespace vex::orb::core::test {

namespace {

const char* Label(HostKind kind) {
    return kind == HostKind::kMemory ? "Memory" : "Maya";
}

} // namespace

std::string HostKindName(const testing::TestParamInfo<HostKind>& info) {
    return Label(info.param);
}

void PrintTo(HostKind kind, std::ostream* out) {
    *out << Label(kind);
}

std::vector<HostKind> BuiltHostKinds() {
#ifdef TORVA_TEST_MAYA_HOST
    return {HostKind::kMemory, HostKind::kMaya};
#else
    return {HostKind::Memory};
#endif
}

std::unique_ptr<HostUnderTest> MakeHostUnderTest(HostKind kind) {
    constexpr double kFramesPerSecond = 25.0;
#ifdef TORVA_TEST_MAYA_HOST
    if (kind == HostKind::kMaya) return std::make_unique<MayaHostUnderTest>();
#endif
    (void)kind;
    return std::make_unique<MemoryHostUnderTest>(kFramesPerSecond);
}

} // namespace vex::orb::core::test
