#pragma once

#include "interface/CInterface.h"
#include "plugins/common/COutputChannel.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace vex::orb::addon {

/// A tool's output channels, offered to other tools as virtual controls of its instance: made only
/// when the host can add virtual controls, so without that a tool measures and publishes nothing.
class OutputChannels {
public:
    /// One output: its name and the control kinds it offers.
    struct Output {
        const char* name;
        std::uint32_t kinds;
    };

    /// Makes one output per entry of `declared`, in order, each added as a virtual control through `core`;
    /// nothing when `core` cannot add virtual controls.
    void Declare(CInterface* core, const std::vector<Output>& declared);
    /// The position of the output `data` points to; nullopt for any other pointer.
    std::optional<std::size_t> IndexOf(const void* data) const;
    /// Publishes `value` as output `index`'s current value (the current one becomes the previous).
    void Publish(std::size_t index, double value) { outputs_[index]->Push(value); }
    /// The output at `index`.
    COutputChannel& At(std::size_t index) { return *outputs_[index]; }
    const COutputChannel& At(std::size_t index) const { return *outputs_[index]; }
    /// The number of outputs made.
    std::size_t Count() const { return outputs_.size(); }

private:
    std::vector<std::unique_ptr<COutputChannel>> outputs_;
};

} // namespace vex::orb::addon
