#include <gtest/gtest.h>
#include <maya/MAnimControl.h>
#include <maya/MFn.h>
#include <maya/MFnAnimCurve.h>
#include <maya/MSceneMessage.h>
#include <maya/MStatus.h>
#include <maya/MTypes.h>

#include <sstream>
#include <string>
#include <type_traits>

// Plug-in code written for the real API compiles and behaves the same against these headers: the
// numbers it may store or compare, the status idioms and the return types it relies on.

static_assert(MAYA_API_VERSION == 201400);
static_assert(MFnAnimCurve::kConstant == 0 && MFnAnimCurve::kLinear == 1 && MFnAnimCurve::kCycle == 3 &&
              MFnAnimCurve::kCycleRelative == 4 && MFnAnimCurve::kOscillate == 5);
static_assert(MSceneMessage::kBeforeSave == 11 && MSceneMessage::kAfterUnloadReference == 22 &&
              MSceneMessage::kMayaInitialized == 28 && MSceneMessage::kMayaExiting == 29 &&
              MSceneMessage::kBeforeLoadReference == 35 && MSceneMessage::kBeforePluginLoad == 39 &&
              MSceneMessage::kBeforeCreateReferenceCheck == MSceneMessage::kBeforeReferenceCheck &&
              MSceneMessage::kLast == 50);
// Type constants with the numbers the API's documentation gives them.
static_assert(MFn::kDependencyNode == 4 && MFn::kAnimCurveTimeToAngular == 8 && MFn::kTransform == 110 &&
              MFn::kCamera == 250 && MFn::kMesh == 296 && MFn::kPluginDependNode == 456);
static_assert(std::is_same_v<decltype(MAnimControl::playbackBy()), double>);
static_assert(std::is_convertible_v<MStatus, bool>, "a status tests as a condition without a cast");
static_assert(std::is_same_v<MS, MStatus>);

namespace {

MStatus FailsThrough(MStatus inner, int& reached) {
    CHECK_MSTATUS_AND_RETURN_IT(inner);
    ++reached;
    return MS::kSuccess;
}

TEST(ApiConventions, StatusMacrosReportWhereAndReturnTheFailure) {
    std::ostringstream captured;
    std::streambuf* saved = std::cerr.rdbuf(captured.rdbuf());
    int reached = 0;
    const MStatus failed = FailsThrough(MS::kInvalidParameter, reached);
    const MStatus passed = FailsThrough(MS::kSuccess, reached);
    CHECK_MSTATUS(MStatus(MS::kNotFound));
    std::cerr.rdbuf(saved);

    EXPECT_EQ(failed, MS::kInvalidParameter);
    EXPECT_TRUE(passed);
    EXPECT_FALSE(failed);
    EXPECT_EQ(reached, 1);
    EXPECT_TRUE(MFAIL(failed));
    const std::string text = captured.str();
    EXPECT_NE(text.find("ApiConventionsTest.cpp"), std::string::npos) << text;
    int reports = 0;
    for (size_t at = text.find("API error detected"); at != std::string::npos;
         at = text.find("API error detected", at + 1))
        ++reports;
    EXPECT_EQ(reports, 2) << text;
}

} // namespace
