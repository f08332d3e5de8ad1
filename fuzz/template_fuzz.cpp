// Builds a scripted tool from any bytes read as a template document, against a host that makes
// channels and virtual controls and answers nothing else: declaring its channels, page and controls,
// loading its logic, a run of a few steps, publishing each control and writing the document back must
// never crash or hang, and what it writes must parse again.

#include "core/dedidavazi/DefaultFactories.h"
#include "core/plugins/TemplatePlugin.h"
#include "core/plugins/TemplatePlugin_Code.h"
#include "platform/win32/DebugOutput.h"
#include "tests/interface/StubCoreInterface.h"
#include "unidevice/Property.h"
#include "unidevice/PropertyFactory.h"
#include "util/xml/Element.h"
#include "util/xml/Tag.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

using vex::orb::CInterface;
using vex::orb::core::plugins::TemplatePlugin;
using vex::util::xml::Element;

// Keeps the channels it makes and counts the virtual controls.
class FuzzHost : public vex::orb::test::StubCoreInterface {
public:
    ~FuzzHost() override {
        for (vex::unidevice::Property* channel : channels_) channel->destroy();
    }
    vex::unidevice::Property* addInputChannel(std::string name, uint32_t flags,
                                              vex::unidevice::PropertyFactory* factory) override {
        if (factory == nullptr) return nullptr;
        channels_.push_back(factory->create(std::move(name), flags));
        return channels_.back();
    }
    int extension(int id, void* data) override {
        if (id != CInterface::kAddVirtualControl || data == nullptr) return 0;
        return ++controls_;
    }
    std::vector<int32_t> getExtensionIds() const override { return {CInterface::kAddVirtualControl}; }

private:
    std::vector<vex::unidevice::Property*> channels_;
    int controls_ = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool ready = [] {
        vex::orb::core::DediDavazi_Default::RegisterFactories();
        vex::platform::win32::SetDebugOutputSink([](const std::string&) {});
        return true;
    }();
    (void)ready;

    Element document;
    if (document.Parse(std::string_view(reinterpret_cast<const char*>(data), size)) != vex::util::xml::kOk)
        return 0;
    TemplatePlugin plugin(document, "fuzz.prm");
    FuzzHost host;
    TemplatePlugin::Code code({&plugin, "Fuzz_01"}, plugin);
    code.core = &host;
    if (code.buildConfiguration() != 0) return 0;
    code.extension(vex::orb::CCamera::kLoadLinks, &host);
    code.begin(0.0);
    for (int f = 1; f <= 3; ++f) code.step(f * 0.04);
    for (const auto& control : code.GetControls())
        code.extension(vex::orb::CCamera::kOutputChannelValue, control.get());
    code.end();

    Element custom = vex::util::xml::Tag("customdata");
    code.extension(vex::orb::CCamera::kWriteCustomData, &custom);
    const std::string text = custom.ToString();
    Element reread;
    if (reread.Parse(text) != vex::util::xml::kOk) {
        std::fprintf(stderr, "the written document does not parse:\n%s\n", text.c_str());
        std::abort();
    }
    return 0;
}
