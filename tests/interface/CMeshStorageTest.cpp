#include "interface/CMeshStorage.h"

#include "interface/CMesh_Box.h"
#include "interface/CMesh_Cylinder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>

namespace {

using namespace vex::util;
using V = Vector3<double>;

// A mesh with values that only an exact form carries: 0.1 + 0.2 needs 17 digits, -0 and a denormal.
CMesh Sample() {
    CMesh mesh = CMesh_Cylinder(5, 0.3, 1.7);
    mesh.vertices[0].x = 0.1 + 0.2;
    mesh.vertices[1].y = -0.0;
    mesh.vertices[2].z = std::numeric_limits<double>::denorm_min();
    return mesh;
}

// Bit-for-bit equality, so -0 and denormals count; empty arrays may have no storage at all.
bool SameBits(const std::vector<V>& a, const std::vector<V>& b) {
    return a.size() == b.size() && (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(V)) == 0);
}

void ExpectSameArrays(const CMesh& a, const CMesh& b) {
    EXPECT_TRUE(SameBits(a.vertices, b.vertices));
    EXPECT_TRUE(SameBits(a.texCoords, b.texCoords));
    EXPECT_EQ(a.faces, b.faces);
    EXPECT_EQ(a.texFaces, b.texFaces);
}

// `chunk` with its child `name` left out, or replaced by `replacement`.
DataChunk Replaced(const DataChunk& chunk, std::string_view name, const DataChunk* replacement = nullptr) {
    DataChunk out(chunk.GetName(), nullptr, 0);
    for (size_t i = 0; i < chunk.GetChildCount(); ++i) {
        if (chunk.GetChild(i).GetName() != name)
            out.AddChild(chunk.GetChild(i));
        else if (replacement)
            out.AddChild(*replacement);
    }
    return out;
}

TEST(CMeshStorage, RecordReadsBackBitForBitThroughItsBytes) {
    const CMesh mesh = Sample();
    const DataChunk chunk = MeshToChunk(mesh);
    int32_t faces = 0;
    ASSERT_TRUE(chunk.FindChild("numFaces").Read(faces));
    EXPECT_EQ(faces, 60);
    EXPECT_EQ(chunk.FindChild("vertex").GetSize(), 12u * 24);

    const auto parsed = DataChunk::FromBytes(chunk.Serialize());
    ASSERT_TRUE(parsed);
    CMesh read;
    ASSERT_TRUE(MeshFromChunk(*parsed, read));
    ExpectSameArrays(read, mesh);
}

TEST(CMeshStorage, MalformedRecordsLeaveTheMeshUnchanged) {
    const DataChunk good = MeshToChunk(CMesh_Box(1, 1, 1));
    const DataChunk tooMany = DataChunk::Make("numVertexes", int32_t{9});
    const DataChunk negative = DataChunk::Make("numFaces", int32_t{-3});
    const DataChunk shortCount("numTFaces", "\x24", 1);
    const DataChunk torn("vertex", good.FindChild("vertex").GetData(), 8 * 24 - 1);
    CMesh badFace = CMesh_Box(1, 1, 1);
    badFace.faces[5] = 8;

    const DataChunk malformed[] = {DataChunk("Mesh", nullptr, 0),
                                   Replaced(good, "numVertexes"),
                                   Replaced(good, "vertex", &torn),
                                   Replaced(good, "numVertexes", &tooMany),
                                   Replaced(good, "numFaces", &negative),
                                   Replaced(good, "numTFaces", &shortCount),
                                   Replaced(good, "face"),
                                   MeshToChunk(badFace)};
    for (const DataChunk& chunk : malformed) {
        CMesh mesh = CMesh_Cylinder(3, 1, 1);
        EXPECT_FALSE(MeshFromChunk(chunk, mesh));
        ExpectSameArrays(mesh, CMesh_Cylinder(3, 1, 1));
    }
}

TEST(CMeshStorage, XmlReadsBackBitForBitThroughItsText) {
    const CMesh mesh = Sample();
    xml::Element parsed;
    ASSERT_EQ(parsed.Parse(MeshToXml(mesh).ToString()), xml::kOk);
    EXPECT_EQ(parsed.GetChild("vertexdata")->CountChildren("vertex"), 12u);
    CMesh read;
    ASSERT_TRUE(MeshFromXml(parsed, read));
    ExpectSameArrays(read, mesh);

    // Lists left out read as empty; index text may be padded.
    ASSERT_EQ(parsed.Parse("<CMesh><vertexdata><vertex x='1' y='2' z='3'/></vertexdata>"
                           "<facedata><face> 0 </face></facedata></CMesh>"),
              xml::kOk);
    ASSERT_TRUE(MeshFromXml(parsed, read));
    EXPECT_EQ(read.vertices, (std::vector<V>{{1, 2, 3}}));
    EXPECT_EQ(read.faces, (std::vector<int32_t>{0}));
    EXPECT_TRUE(read.texCoords.empty() && read.texFaces.empty());
}

TEST(CMeshStorage, MalformedXmlLeavesTheMeshUnchanged) {
    const char* malformed[] = {
        "<Mesh/>",
        "<CMesh><vertexdata><vertex x='1' y='2'/></vertexdata></CMesh>",
        "<CMesh><vertexdata><vertex x='1' y='2' z='3e'/></vertexdata></CMesh>",
        "<CMesh><vertexdata><point x='1' y='2' z='3'/></vertexdata></CMesh>",
        "<CMesh><tfacedata><tface>1.5</tface></tfacedata></CMesh>",
        "<CMesh><tfacedata><tface>99999999999</tface></tfacedata></CMesh>",
        "<CMesh><facedata><face/></facedata></CMesh>",
        "<CMesh><vertexdata><vertex x='1' y='2' "
        "z='3'/></vertexdata><facedata><face>1</face></facedata></CMesh>",
    };
    for (const char* text : malformed) {
        SCOPED_TRACE(text);
        xml::Element element;
        ASSERT_EQ(element.Parse(text), xml::kOk);
        CMesh mesh = CMesh_Box(1, 1, 1);
        EXPECT_FALSE(MeshFromXml(element, mesh));
        ExpectSameArrays(mesh, CMesh_Box(1, 1, 1));
    }
}

} // namespace
