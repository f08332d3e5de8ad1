#include "host/file/SceneWriter.h"

#include "host/builtins/SessionState.h"
#include "host/builtins/Units.h"
#include "host/file/CurveAttributeText.h"
#include "host/file/DefaultNodes.h"
#include "host/file/KeyListText.h"
#include "host/file/UnitText.h"
#include "host/scene/AnimCurveData.h"
#include "host/scene/CommandEngine.h"
#include "host/scene/MeshData.h"
#include "host/scene/PluginManager.h"
#include "host/scene/Scene.h"
#include "host/scene/ScriptEditor.h"
#include "host/scene/Timeline.h"
#include "util/AtomicFile.h"
#include "util/NumberText.h"

#include <maya/MString.h>

#include <sys/utsname.h>
#include <time.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <iomanip>
#include <locale>
#include <map>
#include <set>
#include <sstream>

namespace vex::host::file {

namespace {

namespace units = builtins::units;

std::string Quote(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
    return out + "\"";
}

// Shortest-safe text of a double that reads back as exactly the same number.
std::string Number(double value) {
    return util::FormatGeneral(value, 17);
}

// The value held, or `fallback` when the attribute holds none (a typed attribute never set).
template <class T>
T ValueOr(const Value& value, T fallback = {}) {
    const T* held = std::get_if<T>(&value);
    return held ? *held : fallback;
}

std::string ValueWords(const AttributeDefinition& attribute, const Value& value) {
    switch (attribute.kind()) {
    case AttributeKind::kBool:
        return ToBool(value) ? "yes" : "no";
    case AttributeKind::kInt:
        return std::to_string(ToInt(value));
    case AttributeKind::kDouble:
        return UnitText::Text(units::KindOf(attribute), ToDouble(value));
    case AttributeKind::kDouble3: {
        const Double3 v = ValueOr<Double3>(value);
        std::string words = "-type \"double3\"";
        for (std::size_t i = 0; i < 3; ++i)
            words += " " + UnitText::Text(units::KindOf(*attribute.Children()[i]), v[i]);
        return words;
    }
    case AttributeKind::kString:
        return "-type \"string\" " + Quote(ValueOr<std::string>(value));
    case AttributeKind::kStringArray: {
        const StringList list = ValueOr<StringList>(value);
        std::string words = "-type \"stringArray\" " + std::to_string(list.size());
        for (const auto& s : list) words += " " + Quote(s);
        return words;
    }
    case AttributeKind::Matrix: {
        std::string words = "-type \"matrix\"";
        for (double d : ValueOr<Matrix>(value, IdentityMatrix())) words += " " + Number(d);
        return words;
    }
    case AttributeKind::Data:
    case AttributeKind::Message:
        break;
    }
    return {};
}

// Plain values a file can carry: stored, writable, not computed, not geometry or messages.
bool IsWritten(const AttributeDefinition& attribute) {
    return attribute.storable && attribute.writable && !attribute.computed &&
           attribute.kind() != AttributeKind::Data && attribute.kind() != AttributeKind::Message;
}

// The value held by a node, when it differs from the attribute's default.
std::optional<Value> ChangedValue(const Node& node, const AttributeDefinition& attribute) {
    if (attribute.kind() == AttributeKind::kDouble3) {
        Double3 triple{};
        bool changed = false;
        for (std::size_t i = 0; i < 3 && i < attribute.Children().size(); ++i) {
            const auto& child = *attribute.Children()[i];
            triple[i] = ToDouble(node.StoredValue(child));
            changed = changed || node.StoredValue(child) != child.DefaultValue();
        }
        if (!changed) return std::nullopt;
        return Value(triple);
    }
    Value value = node.StoredValue(attribute);
    if (value == attribute.DefaultValue()) return std::nullopt;
    return value;
}

std::string AddAttrLine(const AttributeDefinition& attribute) {
    std::string line = "addAttr -ci true";
    if (attribute.hidden) line += " -h true";
    if (!attribute.storable) line += " -s false";
    if (attribute.keyable) line += " -k true";
    if (attribute.usedAsColor) line += " -uac";
    line += " -sn " + Quote(attribute.ShortName()) + " -ln " + Quote(attribute.LongName());
    if (attribute.minimum) line += " -min " + Number(*attribute.minimum);
    if (attribute.maximum) line += " -max " + Number(*attribute.maximum);
    const Value def = attribute.DefaultValue();
    switch (attribute.kind()) {
    case AttributeKind::kBool:
        return line + " -at \"bool\" -dv " + (ToBool(def) ? "1" : "0");
    case AttributeKind::kInt:
        if (!attribute.fields.empty())
            return line + " -en " + Quote(attribute.EnumText()) + " -at \"enum\" -dv " +
                   std::to_string(ToInt(def));
        return line + " -at \"long\" -dv " + std::to_string(ToInt(def));
    case AttributeKind::kDouble:
        return line + " -at \"double\" -dv " + Number(ToDouble(def));
    case AttributeKind::kDouble3: {
        // The children follow as attributes of their own, as the host writes every compound.
        line += " -at \"double3\" -nc " + std::to_string(attribute.Children().size());
        for (const auto& child : attribute.Children())
            line += ";\n\taddAttr -ci true -sn " + Quote(child->ShortName()) + " -ln " +
                    Quote(child->LongName()) + " -at \"double\" -p " + Quote(attribute.LongName());
        return line;
    }
    case AttributeKind::kString:
        return line + " -dt \"string\"";
    case AttributeKind::kStringArray:
        return line + " -dt \"stringArray\"";
    case AttributeKind::Matrix:
        return line + " -dt \"matrix\"";
    case AttributeKind::Data:
        return line + " -dt \"mesh\"";
    case AttributeKind::Message:
        return line + " -at \"message\"";
    }
    return line;
}

// The characters a key number takes in the text on average, and those of the rest of a scene: what
// the text is given room for before it is written.
constexpr std::size_t kKeyNumberChars = 8;
constexpr std::size_t kSceneChars = 1 << 20;

// Writes the lines of one node after its createNode (or, for the scene's own nodes, after the select
// that makes it the node the lines are about): its attributes, then the lines a file had about it that
// the host keeps.
class NodeWriter {
public:
    /// `keyNumbers` is the curve's key list text when formatted ahead (KeyListText), else null.
    NodeWriter(std::ostream& out, const Node& node, const std::string* keyNumbers)
        : out_(out), node_(node), keyNumbers_(keyNumbers) {}

    void Write() {
        for (const auto& attribute : node_.DynamicAttributes())
            out_ << "\t" << AddAttrLine(*attribute) << ";\n";
        for (const auto& attribute : node_.Attributes()) {
            if (!IsWritten(*attribute)) continue;
            if (auto value = ChangedValue(node_, *attribute))
                out_ << "\tsetAttr " << Plug(attribute->ShortName()) << " " << ValueWords(*attribute, *value)
                     << ";\n";
        }
        if (node_.HasFn(MFn::kMesh)) WriteMesh();
        if (auto curve = AnimCurveData::Of(node_)) WriteKeys(*curve);
        WriteLocks();
        if (const auto* kept = builtins::SessionState::get().FindKept(node_))
            for (const auto& line : kept->lines) out_ << line << "\n";
    }

private:
    static std::string Plug(const std::string& attribute) { return Quote("." + attribute); }

    static std::string Range(const char* attribute, std::size_t count) {
        return std::string("-s ") + std::to_string(count) + " \"." + attribute +
               "[0:" + std::to_string(count - 1) + "]\"";
    }

    void WriteMesh() {
        const auto attribute = node_.FindAttribute(node_.type().GeometryAttribute());
        if (!attribute) return;
        const Value value = node_.StoredValue(*attribute);
        const auto* data = std::get_if<DataPtr>(&value);
        const auto mesh = data ? std::dynamic_pointer_cast<const MeshData>(*data) : nullptr;
        if (!mesh || mesh->numPolygons() == 0) return;

        out_ << "\tsetAttr " << Range("vt", mesh->Points().size());
        for (const MPoint& p : mesh->Points())
            out_ << " " << Number(p.x) << " " << Number(p.y) << " " << Number(p.z);
        out_ << ";\n";

        // Edges are the polygons' sides, each written once; a face runs along its edges, an edge walked
        // against its own direction written as -1 - index.
        std::vector<std::array<int, 2>> edges;
        std::map<std::pair<int, int>, int> edgeIndex;
        std::vector<std::vector<int>> faces;
        for (int f = 0; f < mesh->numPolygons(); ++f) {
            const std::vector<int> vertices = mesh->PolygonVertices(f);
            std::vector<int> loop;
            for (std::size_t i = 0; i < vertices.size(); ++i) {
                const int a = vertices[i], b = vertices[(i + 1) % vertices.size()];
                auto it = edgeIndex.find({std::min(a, b), std::max(a, b)});
                if (it == edgeIndex.end()) {
                    it = edgeIndex
                             .emplace(std::make_pair(std::min(a, b), std::max(a, b)),
                                      static_cast<int>(edges.size()))
                             .first;
                    edges.push_back({a, b});
                }
                loop.push_back(edges[static_cast<std::size_t>(it->second)][0] == a ? it->second
                                                                                   : -1 - it->second);
            }
            faces.push_back(std::move(loop));
        }
        out_ << "\tsetAttr " << Range("ed", edges.size());
        for (const auto& e : edges) out_ << " " << e[0] << " " << e[1] << " 0";
        out_ << ";\n\tsetAttr " << Range("fc", faces.size()) << " -type \"polyFaces\"";
        for (const auto& loop : faces) {
            out_ << " f " << loop.size();
            for (int e : loop) out_ << " " << e;
        }
        out_ << ";\n";
    }

    // Locked plugs, after every value is set.
    void WriteLocks() {
        for (const auto& attribute : node_.Attributes()) {
            std::vector<AttributePtr> plugs = {attribute};
            plugs.insert(plugs.end(), attribute->Children().begin(), attribute->Children().end());
            for (const auto& p : plugs)
                if (builtins::SessionState::get().IsLocked(node_, *p))
                    out_ << "\tsetAttr -l on " << Plug(p->ShortName()) << ";\n";
        }
    }

    void WriteKeys(const AnimCurveData& curve) {
        out_ << CurveAttributeText::Leading(curve);
        if (curve.size() > 0) {
            out_ << "\tsetAttr " << Range("ktv", curve.size());
            out_ << (keyNumbers_ != nullptr ? *keyNumbers_
                                            : KeyListText::Format({&curve, units::CurveValueKind(node_)}))
                 << ";\n";
        }
        out_ << CurveAttributeText::Trailing(curve);
    }

    std::ostream& out_;
    const Node& node_;
    const std::string* keyNumbers_;
};

// The key list texts of the scene's curves, formatted a batch ahead of the writer on all cores, so
// only a batch is held at a time.
class KeyTextsAhead {
public:
    explicit KeyTextsAhead(const std::vector<NodePtr>& order) {
        for (const auto& node : order)
            if (const auto curve = AnimCurveData::Of(*node); curve && curve->size() > 0)
                curves_.push_back({node.get(), {curve.get(), units::CurveValueKind(*node)}});
    }

    /// The keys of all the scene's curves.
    std::size_t KeyCount() const {
        std::size_t count = 0;
        for (const auto& entry : curves_) count += entry.curve.keys->size();
        return count;
    }

    /// The text of `node`'s keys, or null when it is not the next of the scene's keyed curves (the
    /// nodes are asked for in the order given). The text lasts until the next call.
    const std::string* Find(const Node& node) {
        if (next_ == curves_.size() || curves_[next_].node != &node) return nullptr;
        if (next_ >= batchStart_ + batch_.size()) FormatBatch();
        return &batch_[next_++ - batchStart_];
    }

private:
    static constexpr std::size_t kBatch = 64;

    void FormatBatch() {
        batchStart_ = next_;
        std::vector<KeyListText::Curve> curves;
        for (std::size_t i = next_; i < curves_.size() && curves.size() < kBatch; ++i)
            curves.push_back(curves_[i].curve);
        batch_ = KeyListText::Format(curves);
    }

    struct Entry {
        const Node* node;
        KeyListText::Curve curve;
    };
    std::vector<Entry> curves_;
    std::size_t next_ = 0;
    std::size_t batchStart_ = 0;
    std::vector<std::string> batch_;
};

// The nodes in the order the file creates them: the scene's order, a DAG node's parent always before it.
std::vector<NodePtr> NodesInFileOrder() {
    const Scene& scene = Scene::Instance();
    std::vector<NodePtr> order;
    std::set<const Node*> placed;
    auto place = [&](auto& self, const NodePtr& node) -> void {
        if (!node || node == scene.World() || !node->IsAlive() || !placed.insert(node.get()).second) return;
        if (node->IsDag()) self(self, node->parent());
        order.push_back(node);
    };
    for (const auto& node : scene.nodes()) place(place, node);
    return order;
}

// A unit setting as the currentUnit command names it.
std::string CurrentUnit(const char* flag) {
    command::Value result;
    CommandEngine::get().Execute(std::string("currentUnit -q -f ") + flag, false, false, &result);
    return result.AsString();
}

// A node as later lines name it: the scene's own nodes with a leading ":".
std::string NodeText(const Node& node) {
    return (DefaultNodes::Contains(node) ? ":" : "") + node.name();
}

std::string PlugName(const Node& node, const std::string& attribute) {
    return Quote(NodeText(node) + "." + attribute);
}

// The file information lines every file starts with, as the host this one stands in for writes them.
std::vector<std::pair<std::string, std::string>> StandardFileInfo() {
    utsname system{};
    const std::string os =
        ::uname(&system) == 0 ? std::string(system.sysname) + " " + system.release : std::string("Linux");
    return {{"application", "maya"},
            {"product", "Maya 2014"},
            {"version", "2014"},
            {"cutIdentifier", "201303010241-864206"},
            {"osv", os}};
}

// "Wed, Dec 09, 2026 11:50:04 AM", in the "C" form whatever the locale.
std::string ModifiedNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    std::ostringstream text;
    text.imbue(std::locale::classic());
    text << std::put_time(&local, "%a, %b %d, %Y %I:%M:%S %p");
    return text.str();
}

void WriteHeader(std::ostream& out, const std::string& fileName, const std::string& modified,
                 const std::vector<NodePtr>& order) {
    out << "//Maya ASCII 2014 scene\n//Name: " << fileName << "\n";
    if (!modified.empty()) out << "//Last modified: " << modified << "\n";
    out << "//Codeset: UTF-8\n";
    out << "requires maya \"2014\";\n";
    std::set<std::string> usedTypes;
    for (const auto& node : order) usedTypes.insert(node->type().name());
    std::set<std::string> required = {"maya"};
    for (const auto& name : PluginManager::get().Names()) {
        const auto plugin = PluginManager::get().Find(name);
        if (std::any_of(plugin->nodeTypes.begin(), plugin->nodeTypes.end(),
                        [&](const std::string& type) { return usedTypes.count(type) > 0; })) {
            out << "requires " << Quote(plugin->name()) << " " << Quote(plugin->version) << ";\n";
            required.insert(plugin->name());
        }
    }
    // What the file read last required that is not loaded here, for the host that reads this one.
    for (const auto& [name, version] : builtins::SessionState::get().Requirements())
        if (required.insert(name).second) out << "requires " << Quote(name) << " " << Quote(version) << ";\n";
    // Every number below is in these units.
    out << "currentUnit -l " << CurrentUnit("-l") << " -a " << CurrentUnit("-a") << " -t "
        << CurrentUnit("-t") << ";\n";
    const auto standard = StandardFileInfo();
    for (const auto& [key, value] : standard)
        out << "fileInfo " << Quote(key) << " " << Quote(value) << ";\n";
    for (const auto& entry : builtins::SessionState::get().FileInfo())
        if (std::none_of(standard.begin(), standard.end(),
                         [&](const auto& s) { return s.first == entry.first; }))
            out << "fileInfo " << Quote(entry.first) << " " << Quote(entry.second) << ";\n";
}

// A node's creation: the default cameras and nodes a file made shared are shared ("-s"), merged with
// the scene's node of that name when the file is read.
void WriteCreate(std::ostream& out, const Node& node) {
    out << "createNode " << node.type().name();
    const auto* kept = builtins::SessionState::get().FindKept(node);
    if ((kept && kept->shared) || DefaultNodes::Contains(node)) out << " -s";
    out << " -n " << Quote(node.name());
    const auto parent = node.parent();
    if (node.IsDag() && parent && parent->parent()) out << " -p " << Quote(parent->name());
    out << ";\n";
}

// The playback range, in the script node the host keeps it in.
void WritePlaybackRange(std::ostream& out) {
    const Timeline& timeline = Timeline::Instance();
    const std::string script = "playbackOptions -min " + UnitText::Frames(timeline.minTime()) + " -max " +
                               UnitText::Frames(timeline.maxTime()) + " -ast " +
                               UnitText::Frames(timeline.AnimationStart()) + " -aet " +
                               UnitText::Frames(timeline.AnimationEnd()) + " ";
    out << "createNode script -n \"sceneConfigurationScriptNode\";\n\tsetAttr \".b\" -type \"string\" "
        << Quote(script) << ";\n\tsetAttr \".st\" 6;\n";
}

// Set membership as connections to the set's member plugs: a DAG member's instance plug to "dsm",
// any other member's message to "dnsm". A mesh in no shading group is in the initial one.
void WriteMemberships(std::ostream& out, const std::vector<NodePtr>& order) {
    const auto connect = [&out](const Node& member, const Node& set) {
        out << "connectAttr " << PlugName(member, member.IsDag() ? "iog" : "msg") << " "
            << PlugName(set, member.IsDag() ? "dsm" : "dnsm") << " -na;\n";
    };
    std::set<const Node*> shaded;
    for (const auto& node : order) {
        for (const auto& member : node->Members()) {
            connect(*member, *node);
            if (node->HasFn(MFn::kShadingEngine)) shaded.insert(member.get());
        }
    }
    const NodePtr initial = Scene::Instance().findNode("initialShadingGroup");
    if (!initial || !DefaultNodes::Contains(*initial)) return;
    for (const auto& node : order)
        if (node->HasFn(MFn::kMesh) && !shaded.count(node.get())) connect(*node, *initial);
}

} // namespace

std::string SceneWriter::text(const std::string& fileName, const std::string& modified) {
    const Scene& scene = Scene::Instance();
    const std::vector<NodePtr> order = NodesInFileOrder();
    // Room for the keys, most of a recorded scene, up front: the text then never moves as it grows.
    KeyTextsAhead keyTexts(order);
    std::string room;
    room.reserve(keyTexts.KeyCount() * 2 * kKeyNumberChars + kSceneChars);
    std::ostringstream out(std::move(room));
    WriteHeader(out, fileName, modified, order);
    if (!scene.isYAxisUp()) out << "upAxis -ax \"z\";\n";

    // The default cameras and every other DAG or dependency node the file creates.
    for (const auto& node : order) {
        if (DefaultNodes::Contains(*node) && !node->IsDag()) continue;
        WriteCreate(out, *node);
        NodeWriter(out, *node, keyTexts.Find(*node)).Write();
    }
    WritePlaybackRange(out);
    // The scene's own dependency nodes, each selected for the lines about it when it has any.
    for (const auto& node : order) {
        if (!DefaultNodes::Contains(*node) || node->IsDag()) continue;
        std::ostringstream lines;
        NodeWriter(lines, *node, keyTexts.Find(*node)).Write();
        if (!lines.view().empty()) out << "select -ne " << NodeText(*node) << ";\n" << lines.view();
    }
    for (const auto& line : builtins::SessionState::get().KeptLines()) out << line << "\n";

    for (const auto& node : order)
        for (const auto& link : node->Outputs())
            // Connections among the scene's own nodes are those every new scene has.
            if (auto other = link.other.lock();
                other && other->IsAlive() &&
                !(DefaultNodes::Contains(*node) && DefaultNodes::Contains(*other)))
                out << "connectAttr " << PlugName(*node, link.attribute->ShortName()) << " "
                    << PlugName(*other, link.otherAttribute->ShortName()) << ";\n";
    WriteMemberships(out, order);

    if (scene.currentTime() != 0.0) out << "currentTime " << UnitText::Frames(scene.currentTime()) << ";\n";
    out << "// End of " << fileName << "\n";
    return std::move(out).str();
}

MStatus SceneWriter::Write(const std::string& path) {
    const std::string contents = text(std::filesystem::path(path).filename().string(), ModifiedNow());
    std::string error;
    if (!util::WriteFileAtomic(path, contents, &error)) {
        const std::string message = "Cannot save \"" + path + "\": " + error;
        ScriptEditor::get().Write(ScriptEditor::Kind::kError, message);
        return MStatus(MStatus::kFailure, MString(message));
    }
    return MStatus::kSuccess;
}

} // namespace vex::host::file
