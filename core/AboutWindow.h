#pragma once

#include "core/LayoutWindow.h"

#include <cstdint>
#include <string>

namespace vex::orb::core {

/// The about box (layout "orb_about.xml"): the product, its version and the tool interface version,
/// as the bundle's "about.xml" gives them.
class AboutWindow : public LayoutWindow {
public:
    static constexpr const char* kLayout = "orb_about.xml";
    static constexpr int32_t kProductLabel = 100;
    static constexpr int32_t kVersionLabel = 101;
    static constexpr int32_t kInterfaceLabel = 102;
    static constexpr int32_t kCloseButton = 99;

    AboutWindow() : LayoutWindow(kLayout) {}

    /// Shows the box.
    void Open() { ShowWindow(); }
    /// Hides the box.
    void Close() { HideWindow(); }
    /// The texts shown: product, "Version …", "Tool interface …" (from "about.xml"; empty when it
    /// cannot be read).
    std::string GetProduct() const;
    std::string GetVersion() const;
    std::string GetInterfaceVersion() const;

    void receive(util::Message& message, bool broadcast) override;

protected:
    void Built() override;

private:
    std::string Read(const char* name) const;
};

} // namespace vex::orb::core
