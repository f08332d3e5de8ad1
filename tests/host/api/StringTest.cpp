#include "host/scene/ErrorOutput.h"

#include <gtest/gtest.h>
#include <maya/MDoubleArray.h>
#include <maya/MIntArray.h>
#include <maya/MPointArray.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MStringArray.h>

#include <string>
#include <vector>

namespace {

TEST(MayaString, EditingSearchingAndNumbers) {
    MString s("TorvaLoadProfileCmd -name");
    EXPECT_EQ(s.length(), 25u);
    EXPECT_EQ(s.index('o'), 1);
    EXPECT_EQ(s.rindex('-'), 20);
    EXPECT_EQ(s.substring(0, 4), "Torva");
    EXPECT_EQ(s.substring(21, 99), "name"); // clamped at the end
    EXPECT_EQ(s.substring(5, 2), "");

    MStringArray words;
    MString("  parent  a|b  c ").split(' ', words);
    ASSERT_EQ(words.length(), 3u);
    EXPECT_EQ(words[1], "a|b");

    MString path("C:\\data\\core\\images");
    path.substitute("\\", "/");
    EXPECT_EQ(path, "C:/data/core/images");

    MString cmd("setAttr shape.fl ");
    cmd += 35.5;
    EXPECT_EQ(cmd, "setAttr shape.fl 35.5");
    EXPECT_EQ(MString("f[0:") + 12 + "]", "f[0:12]");
    EXPECT_EQ(MString("é").numChars(), 1u);

    EXPECT_TRUE(MString("42").isInt());
    EXPECT_FALSE(MString("42x").isInt());
    EXPECT_TRUE(MString(" -1.5e2 ").isDouble());
    EXPECT_EQ(MString("-1.5e2").asDouble(), -150.0);
    EXPECT_EQ(MString("abc").asInt(), 0);
    EXPECT_EQ(MString("AbC").toLowerCase(), "abc");
}

TEST(MayaStatus, CodesTextsAndPerror) {
    EXPECT_TRUE(MStatus());
    EXPECT_FALSE(MStatus(MStatus::kNotFound));
    EXPECT_TRUE(MStatus(MStatus::kFailure).error());
    EXPECT_EQ(MStatus(MStatus::kInvalidParameter).errorString(), "(kInvalidParameter): Invalid Parameter");
    const MStatus own(MStatus::kFailure, "scene files cannot be opened yet");
    EXPECT_EQ(own.errorString(), "(kFailure): scene files cannot be opened yet");
    EXPECT_EQ(own, MStatus::kFailure);

    std::vector<std::string> lines;
    const auto previous =
        vex::host::ErrorOutput::SetSink([&](const std::string& line) { lines.push_back(line); });
    MStatus(MStatus::kFailure).perror("registerCommand TorvaShowUICmd failed");
    vex::host::ErrorOutput::SetSink(previous);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "registerCommand TorvaShowUICmd failed: (kFailure): Unexpected Internal Failure");
}

TEST(MayaArrays, IndexEditingRefusesOutOfRange) {
    MIntArray a(3, 7);
    EXPECT_TRUE(a.insert(1, 0));
    EXPECT_TRUE(a.insert(9, 4)); // at the end
    EXPECT_FALSE(a.insert(5, 6));
    EXPECT_EQ(a, MIntArray(std::vector<int>{1, 7, 7, 7, 9}.data(), 5));
    EXPECT_TRUE(a.remove(0));
    EXPECT_FALSE(a.remove(4));
    EXPECT_FALSE(a.set(3, 4));
    a.setLength(6);
    EXPECT_EQ(a[5], 0);

    MDoubleArray d;
    d.append(1.5);
    double out[1];
    d.get(out);
    EXPECT_EQ(out[0], 1.5);

    MPointArray points(2);
    points.append(1.0, 2.0);
    EXPECT_EQ(points[0], MPoint(0, 0, 0, 1));
    EXPECT_EQ(points[2], MPoint(1, 2, 0, 1));
}

} // namespace
