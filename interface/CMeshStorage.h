#pragma once

#include "interface/CMesh.h"
#include "util/DataChunk.h"
#include "util/xml/Element.h"

#include <string_view>

namespace vex::util {

// The stored forms of a CMesh, used when a tool keeps geometry (its ground, for example) in its saved
// state. Readers check what they are given and leave the mesh untouched when it is malformed; face
// indices must lie within the vertex array. Texture-face indices are kept as stored: helper meshes
// use index 0 without any texture coordinates.

/// Name of the record and of the XML element that hold a stored mesh.
inline constexpr std::string_view kMeshStoreName = "CMesh";

/// The mesh as a record named "CMesh" with the children "numVertexes", "numTexCoords", "numFaces" and
/// "numTFaces" (32-bit counts of vertices, texture coordinates, face indices and texture-face indices)
/// and the blobs "vertex" and "texcoord" (three 64-bit doubles per entry, 24 bytes) and "face" and
/// "tface" (one 32-bit index each); all numbers little-endian.
DataChunk MeshToChunk(const CMesh& mesh);

/// Reads a record written by MeshToChunk into the four arrays of `mesh`. False, with `mesh` unchanged,
/// when the record is not named "CMesh", a count is missing or negative, a blob's size differs from its
/// count, or a face index lies outside the vertices. A blob may be absent when its count is 0.
bool MeshFromChunk(const DataChunk& chunk, CMesh& mesh);

/// The mesh as an element "CMesh" with the children "vertexdata", "texcoorddata", "facedata" and
/// "tfacedata", in that order. They hold one element per entry: <vertex x="…" y="…" z="…"/>,
/// <texcoord x="…" y="…" z="…"/>, <face>index</face> and <tface>index</tface>. Doubles are written in
/// the shortest form that reads back to the same value.
xml::Element MeshToXml(const CMesh& mesh);

/// Reads an element written by MeshToXml into the four arrays of `mesh`. A missing list reads as empty.
/// False, with `mesh` unchanged, when the element is not named "CMesh", a list holds an element of
/// another name, a coordinate attribute is missing or not entirely a number, an index is not entirely a
/// 32-bit integer (surrounding whitespace aside), or a face index lies outside the vertices.
bool MeshFromXml(const xml::Element& element, CMesh& mesh);

} // namespace vex::util
