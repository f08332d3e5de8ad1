#include "host/builtins/MeshForms.h"

#include "host/builtins/CurveKeys.h"
#include "host/builtins/Units.h"
#include "host/scene/AnimCurveData.h"
#include "host/scene/MeshData.h"
#include "host/scene/Scene.h"
#include "util/NumberText.h"

#include <array>
#include <map>

namespace vex::host::builtins {

namespace {

// A mesh being written by a scene file: its lists as far as they are known.
struct Draft {
    std::vector<MPoint> points;
    std::vector<std::array<int, 2>> edges;
    std::vector<int> counts;
    std::vector<int> connects;
};

std::map<std::uint64_t, Draft>& Drafts() {
    static std::map<std::uint64_t, Draft> all;
    return all;
}

bool Number(const std::string& text, double& out) {
    const std::optional<double> value = util::ParseNumber<double>(text);
    if (value) out = *value;
    return value.has_value();
}

bool Integer(const std::string& text, int& out) {
    double value = 0.0;
    if (!Number(text, value)) return false;
    out = static_cast<int>(value);
    return true;
}

std::shared_ptr<const MeshData> MeshOf(const Node& node) {
    const auto attribute = node.FindAttribute(node.type().GeometryAttribute());
    if (!attribute) return nullptr;
    const Value value = node.StoredValue(*attribute);
    const auto* data = std::get_if<DataPtr>(&value);
    return data ? std::dynamic_pointer_cast<const MeshData>(*data) : nullptr;
}

Draft& DraftOf(const Node& node) {
    auto [it, added] = Drafts().try_emplace(node.Serial());
    if (added) {
        if (auto mesh = MeshOf(node)) {
            it->second.points = mesh->Points();
            it->second.counts = mesh->Counts();
            it->second.connects = mesh->Connects();
        }
    }
    return it->second;
}

// Puts the draft's mesh into the node (points alone until the faces are known).
bool store(CommandContext& context, const NodePtr& node, const Draft& draft) {
    auto mesh = std::make_shared<MeshData>();
    if (!mesh->set(draft.points, draft.counts, draft.connects))
        return context.Fail("The faces of " + node->name() + " use vertices it does not have.");
    const auto attribute = node->FindAttribute(node->type().GeometryAttribute());
    if (!Scene::Instance().setValue(node, attribute, DataPtr(mesh)))
        return context.Fail("Cannot store the mesh of " + node->name() + ".");
    return true;
}

bool SetPoints(CommandContext& context, const NodePtr& node, const PlugName& plug,
               const std::vector<std::string>& values) {
    if (values.size() % 3 != 0) return context.Fail("Vertices take three numbers each.");
    Draft& draft = DraftOf(*node);
    const std::size_t first = plug.hasRange ? static_cast<std::size_t>(plug.first) : 0;
    const std::size_t count = values.size() / 3;
    if (draft.points.size() < first + count) draft.points.resize(first + count);
    for (std::size_t i = 0; i < count; ++i) {
        double xyz[3];
        for (int k = 0; k < 3; ++k)
            if (!Number(values[i * 3 + static_cast<std::size_t>(k)], xyz[k]))
                return context.Fail("Vertex " + std::to_string(first + i) + " is not three numbers.");
        draft.points[first + i] = MPoint(xyz[0], xyz[1], xyz[2]);
    }
    return store(context, node, draft);
}

bool SetEdges(CommandContext& context, const NodePtr& node, const PlugName& plug,
              const std::vector<std::string>& values) {
    if (values.size() % 3 != 0) return context.Fail("Edges take two vertices and a hard-edge flag each.");
    Draft& draft = DraftOf(*node);
    const std::size_t first = plug.hasRange ? static_cast<std::size_t>(plug.first) : 0;
    const std::size_t count = values.size() / 3;
    if (draft.edges.size() < first + count) draft.edges.resize(first + count);
    for (std::size_t i = 0; i < count; ++i) {
        int a = 0, b = 0, hard = 0;
        if (!Integer(values[i * 3], a) || !Integer(values[i * 3 + 1], b) || !Integer(values[i * 3 + 2], hard))
            return context.Fail("Edge " + std::to_string(first + i) + " is not three whole numbers.");
        draft.edges[first + i] = {a, b};
    }
    return true;
}

bool SetFaces(CommandContext& context, const NodePtr& node, const std::vector<std::string>& values) {
    Draft& draft = DraftOf(*node);
    std::vector<int> counts;
    std::vector<int> connects;
    for (std::size_t i = 0; i < values.size();) {
        const std::string& tag = values[i++];
        int n = 0;
        if (tag == "f" || tag == "h") {
            if (i >= values.size() || !Integer(values[i++], n) || n < 0 ||
                i + static_cast<std::size_t>(n) > values.size())
                return context.Fail("A face list entry \"" + tag + "\" lacks its edges.");
            if (tag == "f") counts.push_back(n);
            for (int k = 0; k < n; ++k) {
                int e = 0;
                if (!Integer(values[i++], e)) return context.Fail("A face edge is not a whole number.");
                const int edge = e >= 0 ? e : -1 - e;
                if (edge >= static_cast<int>(draft.edges.size()))
                    return context.Fail("A face uses edge " + std::to_string(edge) +
                                        ", which is not written.");
                // A face runs along its edges: each edge starts at the face's next vertex.
                if (tag == "f") connects.push_back(e >= 0 ? draft.edges[edge][0] : draft.edges[edge][1]);
            }
        } else if (tag == "mu" || tag == "mc") {
            // Texture and colour indices: a set index, a count and that many indices; not kept.
            if (i + 1 >= values.size() || !Integer(values[i + 1], n) || n < 0)
                return context.Fail("A face list entry \"" + tag + "\" lacks its indices.");
            i += 2 + static_cast<std::size_t>(n);
        } else {
            return context.Fail("Unknown face list entry \"" + tag + "\".");
        }
    }
    draft.counts = std::move(counts);
    draft.connects = std::move(connects);
    if (!store(context, node, draft)) return false;
    // The mesh now holds everything later lists need except the edges, which only faces use.
    Drafts().erase(node->Serial());
    return true;
}

bool SetKeys(CommandContext& context, const NodePtr& node, const std::vector<std::string>& values) {
    std::vector<double> numbers(values.size());
    for (std::size_t i = 0; i < values.size(); ++i)
        if (!Number(values[i], numbers[i])) return context.Fail("A key is not a time and a value.");
    std::string error;
    return SetCurveKeys(*node, numbers, error) || context.Fail(error);
}

} // namespace

bool MeshForms::Handles(const std::string& attribute) {
    return attribute == "vt" || attribute == "vrts" || attribute == "ed" || attribute == "edge" ||
           attribute == "fc" || attribute == "face" || attribute == "ktv" || attribute == "keyTimeValue";
}

bool MeshForms::Apply(CommandContext& context, const NodePtr& node, const PlugName& plug,
                      const std::vector<std::string>& values) {
    const std::string& a = plug.attribute;
    if (a == "ktv" || a == "keyTimeValue") return SetKeys(context, node, values);
    if (!node->HasFn(MFn::kMesh)) return context.Fail(node->name() + " is not a mesh.");
    if (a == "vt" || a == "vrts") return SetPoints(context, node, plug, values);
    if (a == "ed" || a == "edge") return SetEdges(context, node, plug, values);
    return SetFaces(context, node, values);
}

void MeshForms::ForgetDrafts() {
    Drafts().clear();
}

} // namespace vex::host::builtins
