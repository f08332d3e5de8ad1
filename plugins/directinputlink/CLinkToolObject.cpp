#include "plugins/directinputlink/CLinkToolObject.h"

#include "interface/CNode.h"
#include "interface/CVariableModUndo.h"
#include "plugins/common/HelperToggle.h"
#include "plugins/common/MatrixAccess.h"
#include "plugins/common/PoseMatch.h"
#include "plugins/common/StateRecordCodec.h"
#include "unidevice/ControlKind.h"
#include "unidevice/Property.h"
#include "util/Rotation.h"

#include <cmath>
#include <memory>
#include <utility>

namespace vex::orb::addon {
namespace {

// A direct link needs a direction: trinary controls and axes, and buttons when a channel asks for them.
constexpr uint32_t kLinkKinds =
    unidevice::kTrinaryControl | unidevice::kFiniteControl | unidevice::kInfiniteControl;

// Whether the host's transform `scene` is the one `linked` wrote: the same rigid pose (SamePose) and
// the same scale per axis.
bool SameTransform(const util::Matrix<double>& scene, const util::Matrix<double>& linked) {
    util::QTransform<double> a, b;
    util::Vector3<double> scaleA, scaleB;
    util::Decompose(scene, a, scaleA);
    util::Decompose(linked, b, scaleB);
    const auto near = [](double x, double y) { return std::abs(x - y) <= 1e-9 * (1.0 + std::abs(y)); };
    return SamePose(a, b) && near(scaleA.x, scaleB.x) && near(scaleA.y, scaleB.y) && near(scaleA.z, scaleB.z);
}

} // namespace

CLinkToolObject::CLinkToolObject(const CreateParam& param, const std::vector<ChannelDefaults>& declared,
                                 CRelativeCageNode& cage, CCarMeshNode& linked, SceneNode* camera)
    : CToolObject(param, {&cage, &linked, camera}), cage_(cage), linked_(linked), camera_(camera) {
    for (std::size_t k = 0; k < declared.size() && k < kMaxChannels; ++k) {
        names_.push_back(declared[k].name);
        settings[k].maximum = declared[k].maximum;
    }
}

void CLinkToolObject::DeclareChannels() {
    for (std::size_t k = 0; k < ChannelCount(); ++k) {
        const uint32_t kinds = settings[k].acceptBinary ? kLinkKinds | unidevice::kBinaryControl : kLinkKinds;
        channels[k] = core->addInputChannel(names_[k], kinds, &channelFactory_);
        if (channels[k] != nullptr) channels[k]->SetExponent(1.0);
    }
}

CLinkToolObject::Filtered CLinkToolObject::FilteredOf(const Channels& state) const {
    Filtered f{};
    for (std::size_t k = 0; k < ChannelCount(); ++k) f[k] = state[k].filter.second;
    return f;
}

void CLinkToolObject::PlaceLinked(double t, const Channels& state) {
    linked_.localMatrix = LinkMatrix(FilteredOf(state));
    linked_.update(t);
}

void CLinkToolObject::Created() {
    if (linked_.node != nullptr) linked_.node->select();
    PlaceLinked(core->getCurrentTime(), run);
}

void CLinkToolObject::begin(double t) {
    core->addUndo(new CVariableModUndo<StateRecord<Channels>>(&record));
    util::Matrix<double> scene;
    const bool placed = ReadLocalMatrix(core, linked_.node, t, scene);
    const Channels* recorded = nullptr;
    if (placed) {
        recorded = ContinuedStateWhere(record, t, core->getFrameDuration(), [&](const Channels& state) {
            return SameTransform(scene, LinkMatrix(FilteredOf(state)));
        });
    }
    run = recorded != nullptr ? *recorded : Channels{};
    record.TruncateAfter(t);
    record.Set(t, run);
    if (hideHelpersDuringRecording) hiddenForTake_.hide({&cage_, &linked_});
}

void CLinkToolObject::end() {
    CToolObject::end();
    hiddenForTake_.restore();
}

void CLinkToolObject::step(double t) {
    const double h = core->getFrameDuration();
    for (std::size_t k = 0; k < ChannelCount(); ++k) {
        if (channels[k] != nullptr && channels[k]->getControl() != nullptr)
            run[k].input = channels[k]->getValue();
        StepLinkChannel(run[k], settings[k], h);
    }
    record.Set(t, run);
    PlaceLinked(t, run);
}

ToolPage CLinkToolObject::Page() {
    PageGroup modes = HelperModes(hideHelpers, hideHelpersDuringRecording, this);
    if (camera_ != nullptr)
        modes.items.push_back(
            CheckBoxItem{.name = kHideCamera, .help = kHideCamera, .value = &hideCamera, .callback = this});

    // Spinner ranges: factors are fractions, a maximum may reverse the input, and a change limit is a
    // rate per second (0: none).
    const auto spinner = [](std::string name, const char* help, double& value, double min, double max,
                            double step) {
        return SpinnerItem{.name = std::move(name),
                           .help = help,
                           .value = &value,
                           .min = min,
                           .max = max,
                           .step = step,
                           .setting = 10};
    };
    std::vector<PageItem> inputs;
    for (std::size_t k = 0; k < ChannelCount(); ++k) {
        const std::string name = names_[k];
        LinkChannelSettings& s = settings[k];
        inputs.push_back(
            spinner(name + kResponseFactor, kResponseFactorHelp, s.responseFactor, 0.0, 1.0, 0.01));
        inputs.push_back(spinner(name + kMaximum, kMaximumHelp, s.maximum, -1e6, 1e6, 0.01));
        inputs.push_back(spinner(name + kChangeLimit, kChangeLimitHelp, s.changeLimit, 0.0, 1e6, 0.1));
        inputs.push_back(CheckBoxItem{
            .name = name + kKeepTrinaryState, .help = kKeepTrinaryStateHelp, .value = &s.keepTrinaryState});
        inputs.push_back(
            CheckBoxItem{.name = name + kIntegrate, .help = kIntegrateHelp, .value = &s.integrate});
    }
    ToolPage page{std::move(modes)};
    for (PageGroup& group : ToolGroups()) page.push_back(std::move(group));
    page.push_back({.name = "Input Property Parameters", .items = std::move(inputs)});
    return page;
}

std::vector<RecordField> CLinkToolObject::RecordFields() {
    // The settings and the current state of every channel, one row per quantity, in channel order.
    std::vector<double*> changeLimits, inputs, previous, filters, processed, factors, maxima;
    std::vector<std::int32_t*> trinary;
    std::vector<bool*> integrate, keepTrinary, acceptBinary;
    for (std::size_t k = 0; k < ChannelCount(); ++k) {
        LinkChannelSettings& s = settings[k];
        LinkChannelState& c = run[k];
        changeLimits.push_back(&s.changeLimit);
        inputs.push_back(&c.input);
        previous.push_back(&c.previousLimitedInput);
        filters.insert(filters.end(), {&c.filter.first, &c.filter.second});
        processed.push_back(&c.processed);
        trinary.insert(trinary.end(), {&c.lastTrinaryInput, &c.heldTrinaryState});
        integrate.push_back(&s.integrate);
        keepTrinary.push_back(&s.keepTrinaryState);
        acceptBinary.push_back(&s.acceptBinary);
        factors.push_back(&s.responseFactor);
        maxima.push_back(&s.maximum);
    }
    auto channelFields = std::make_shared<std::vector<RecordField>>(std::vector<RecordField>{
        NumberRowField("changeLimitStore", changeLimits), NumberRowField("inpStore", inputs),
        NumberRowField("inpPrevInpStore", previous), NumberRowField("inpFilterMemStore", filters),
        NumberRowField("ancDILpcInputfIntegratedInpValue", processed),
        NumberRowField("ancDILpcInputiTrinaryState", trinary),
        RecordField("cDILpcInputbIsIntegratedValue", integrate),
        RecordField("cDILpcInputbIsTrinaryStateValue", keepTrinary),
        RecordField("acceptBinaryStore", acceptBinary), NumberRowField("responseFactorStore", factors),
        NumberRowField("maximumStore", maxima)});
    const std::size_t count = ChannelCount();
    std::vector<RecordField> fields{RecordField(
        kSettingsName, [channelFields] { return WriteFields(kSettingsName, *channelFields); },
        [channelFields](const util::DataChunk& field) { ReadFields(field, *channelFields); })};
    for (RecordField& field : HelperFields(hideHelpers, hideHelpersDuringRecording))
        fields.push_back(std::move(field));
    fields.emplace_back("hideCamera", hideCamera);
    fields.push_back(StateRecordField(
        "linkRuns", record,
        [count](auto& state, auto&& field) {
            for (std::size_t k = 0; k < count; ++k) VisitLinkChannel(state[k], field);
        },
        [](const Channels& state) {
            for (const LinkChannelState& c : state)
                if (std::abs(c.heldTrinaryState) > 1 || std::abs(c.lastTrinaryInput) > 1) return false;
            return true;
        }));
    for (RecordField& field : ToolFields()) fields.push_back(std::move(field));
    return fields;
}

void CLinkToolObject::onEvent(std::string name) {
    if (ToggleHelpers(core, this, name, kHideHelpers, hideHelpers, {&cage_, &linked_})) return;
    if (camera_ != nullptr) ToggleHelpers(core, this, name, kHideCamera, hideCamera, {camera_});
}

} // namespace vex::orb::addon
