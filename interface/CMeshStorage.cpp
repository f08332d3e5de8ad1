#include "interface/CMeshStorage.h"

#include "util/ByteReader.h"
#include "util/ByteWriter.h"
#include "util/NumberText.h"
#include "util/xml/Tag.h"
#include "util/xml/TagWithData.h"

#include <charconv>
#include <optional>
#include <string>

namespace vex::util {

namespace {

constexpr size_t kVectorBytes = 24;
constexpr size_t kIndexBytes = 4;

// ---- record form ----

DataChunk CountChunk(std::string_view name, size_t count) {
    return DataChunk::Make(name, static_cast<int32_t>(count));
}

DataChunk VectorBlob(std::string_view name, const std::vector<Vector3<double>>& values) {
    std::vector<uint8_t> bytes;
    bytes.reserve(values.size() * kVectorBytes);
    ByteWriter out(bytes);
    for (const Vector3<double>& v : values) {
        out.Write(v.x);
        out.Write(v.y);
        out.Write(v.z);
    }
    return DataChunk(name, bytes.data(), bytes.size());
}

DataChunk IndexBlob(std::string_view name, const std::vector<int32_t>& values) {
    std::vector<uint8_t> bytes;
    bytes.reserve(values.size() * kIndexBytes);
    ByteWriter out(bytes);
    for (int32_t index : values) out.Write(index);
    return DataChunk(name, bytes.data(), bytes.size());
}

// The count stored in child `countName` when blob `blobName` holds exactly that many entries of
// `entryBytes` each.
std::optional<size_t> CheckedCount(const DataChunk& chunk, std::string_view countName,
                                   std::string_view blobName, size_t entryBytes) {
    int32_t count = 0;
    if (!chunk.FindChild(countName).Read(count) || count < 0) return std::nullopt;
    if (chunk.FindChild(blobName).GetSize() != static_cast<size_t>(count) * entryBytes) return std::nullopt;
    return static_cast<size_t>(count);
}

std::vector<Vector3<double>> ReadVectors(const DataChunk& blob, size_t count) {
    std::vector<Vector3<double>> values(count);
    ByteReader in(blob.GetData(), blob.GetSize());
    // The caller has checked the blob's size against the count.
    for (Vector3<double>& v : values) {
        in.Read(v.x);
        in.Read(v.y);
        in.Read(v.z);
    }
    return values;
}

std::vector<int32_t> ReadIndices(const DataChunk& blob, size_t count) {
    std::vector<int32_t> values(count);
    ByteReader in(blob.GetData(), blob.GetSize());
    for (int32_t& index : values) in.Read(index);
    return values;
}

bool FacesInRange(const CMesh& mesh) {
    for (int32_t index : mesh.faces) {
        if (index < 0 || static_cast<size_t>(index) >= mesh.vertices.size()) return false;
    }
    return true;
}

// Moves the arrays of a checked mesh into `mesh`, leaving whatever else a derived mesh holds.
void TakeArrays(CMesh& mesh, CMesh&& read) {
    mesh.vertices = std::move(read.vertices);
    mesh.texCoords = std::move(read.texCoords);
    mesh.faces = std::move(read.faces);
    mesh.texFaces = std::move(read.texFaces);
}

// ---- XML form ----

// Stores the number `text` holds in `value`; false, leaving it, when the text holds anything else.
template <class T>
bool Parsed(std::string_view text, T& value) {
    const std::optional<T> number = util::ParseNumber<T>(text);
    if (number) value = *number;
    return number.has_value();
}

xml::Element VectorList(std::string_view listName, std::string_view entryName,
                        const std::vector<Vector3<double>>& values) {
    xml::Tag list(listName);
    for (const Vector3<double>& v : values) {
        xml::Element& entry = list.AddChild(xml::Tag(entryName));
        entry.SetAttribute("x", util::FormatNumber(v.x));
        entry.SetAttribute("y", util::FormatNumber(v.y));
        entry.SetAttribute("z", util::FormatNumber(v.z));
    }
    return list;
}

xml::Element IndexList(std::string_view listName, std::string_view entryName,
                       const std::vector<int32_t>& values) {
    xml::Tag list(listName);
    for (int32_t index : values) list.AddChild(xml::TagWithData(entryName, index));
    return list;
}

// Calls `read` with each tag child of the list `listName` of `element` (none when the list is absent);
// false as soon as a child has another name than `entryName` or `read` fails.
template <class Read>
bool ForEachEntry(const xml::Element& element, std::string_view listName, std::string_view entryName,
                  Read read) {
    const xml::Element* list = element.GetChild(listName);
    if (!list) return true;
    for (const xml::Element& entry : list->GetChildren()) {
        if (!entry.IsTag()) continue;
        if (std::string_view(entry.GetName()) != entryName || !read(entry)) return false;
    }
    return true;
}

bool ReadVectorList(const xml::Element& element, std::string_view listName, std::string_view entryName,
                    std::vector<Vector3<double>>& out) {
    return ForEachEntry(element, listName, entryName, [&out](const xml::Element& entry) {
        Vector3<double> v;
        const bool ok = entry.HasAttribute("x") && entry.HasAttribute("y") && entry.HasAttribute("z") &&
                        Parsed(entry.GetAttribute("x"), v.x) && Parsed(entry.GetAttribute("y"), v.y) &&
                        Parsed(entry.GetAttribute("z"), v.z);
        if (ok) out.push_back(v);
        return ok;
    });
}

bool ReadIndexList(const xml::Element& element, std::string_view listName, std::string_view entryName,
                   std::vector<int32_t>& out) {
    return ForEachEntry(element, listName, entryName, [&out](const xml::Element& entry) {
        int32_t index = 0;
        if (!Parsed(entry.GetText(), index)) return false;
        out.push_back(index);
        return true;
    });
}

} // namespace

DataChunk MeshToChunk(const CMesh& mesh) {
    DataChunk chunk(kMeshStoreName, nullptr, 0);
    chunk.AddChild(CountChunk("numVertexes", mesh.vertices.size()));
    chunk.AddChild(CountChunk("numTexCoords", mesh.texCoords.size()));
    chunk.AddChild(CountChunk("numFaces", mesh.faces.size()));
    chunk.AddChild(CountChunk("numTFaces", mesh.texFaces.size()));
    chunk.AddChild(VectorBlob("vertex", mesh.vertices));
    chunk.AddChild(VectorBlob("texcoord", mesh.texCoords));
    chunk.AddChild(IndexBlob("face", mesh.faces));
    chunk.AddChild(IndexBlob("tface", mesh.texFaces));
    return chunk;
}

bool MeshFromChunk(const DataChunk& chunk, CMesh& mesh) {
    if (chunk.GetName() != kMeshStoreName) return false;
    const auto vertexCount = CheckedCount(chunk, "numVertexes", "vertex", kVectorBytes);
    const auto texCoordCount = CheckedCount(chunk, "numTexCoords", "texcoord", kVectorBytes);
    const auto faceCount = CheckedCount(chunk, "numFaces", "face", kIndexBytes);
    const auto texFaceCount = CheckedCount(chunk, "numTFaces", "tface", kIndexBytes);
    if (!vertexCount || !texCoordCount || !faceCount || !texFaceCount) return false;

    CMesh read;
    read.vertices = ReadVectors(chunk.FindChild("vertex"), *vertexCount);
    read.texCoords = ReadVectors(chunk.FindChild("texcoord"), *texCoordCount);
    read.faces = ReadIndices(chunk.FindChild("face"), *faceCount);
    read.texFaces = ReadIndices(chunk.FindChild("tface"), *texFaceCount);
    if (!FacesInRange(read)) return false;
    TakeArrays(mesh, std::move(read));
    return true;
}

xml::Element MeshToXml(const CMesh& mesh) {
    xml::Tag element(kMeshStoreName);
    element.AddChild(VectorList("vertexdata", "vertex", mesh.vertices));
    element.AddChild(VectorList("texcoorddata", "texcoord", mesh.texCoords));
    element.AddChild(IndexList("facedata", "face", mesh.faces));
    element.AddChild(IndexList("tfacedata", "tface", mesh.texFaces));
    return element;
}

bool MeshFromXml(const xml::Element& element, CMesh& mesh) {
    if (!element.IsTag() || std::string_view(element.GetName()) != kMeshStoreName) return false;
    CMesh read;
    if (!ReadVectorList(element, "vertexdata", "vertex", read.vertices) ||
        !ReadVectorList(element, "texcoorddata", "texcoord", read.texCoords) ||
        !ReadIndexList(element, "facedata", "face", read.faces) ||
        !ReadIndexList(element, "tfacedata", "tface", read.texFaces) || !FacesInRange(read)) {
        return false;
    }
    TakeArrays(mesh, std::move(read));
    return true;
}

} // namespace vex::util
