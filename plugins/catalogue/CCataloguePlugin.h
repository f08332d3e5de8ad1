#pragma once

#include "interface/CCameraPlugin.h"
#include "plugins/catalogue/ToolIdentity.h"

#include <string>
#include <vector>

namespace vex::orb::addon {

/// A compiled-in tool's descriptor that reports its identity from a ToolIdentity, so a tool only
/// supplies its identity and its create operation. The display name gets a prefix (the product's, for
/// the catalogue's tools); a tool with an alias answers extension 16 with it.
class CCataloguePlugin : public CCameraPlugin {
public:
    /// Prefix of every compiled-in tool's display name.
    static constexpr std::string_view kDisplayNamePrefix = "Torva ";
    /// Credit line of the compiled-in tools.
    static constexpr std::string_view kAuthor = "Torva Labs";

    /// Reports `identity`, which must outlive the descriptor (identities are static data), with
    /// `displayPrefix` in front of its display name.
    explicit CCataloguePlugin(const ToolIdentity& identity,
                              std::string_view displayPrefix = kDisplayNamePrefix)
        : identity_(identity), displayPrefix_(displayPrefix) {}

    /// Extension 16 appends the alias to the std::vector<std::string> at `data` and answers 1.
    int extension(int id, void* data) override;
    /// {16} when the tool has an alias, else none.
    std::vector<int32_t> getExtensionIds() const override;

    std::string getIdentifier() override { return std::string(identity_.identifier); }
    std::string getFolderName() override { return std::string(identity_.folder); }
    /// The display prefix followed by the identity's display name.
    std::string getDisplayName() override;
    std::string getCategory() override { return std::string(identity_.category); }
    std::string getDescription() override { return std::string(identity_.description); }
    std::string getAuthor() override { return std::string(kAuthor); }

    /// The identity this descriptor reports.
    const ToolIdentity& identity() const { return identity_; }

private:
    const ToolIdentity& identity_;
    std::string_view displayPrefix_;
};

} // namespace vex::orb::addon
