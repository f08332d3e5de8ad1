#pragma once

#include "interface/CCamera.h"
#include "interface/CExtendable.h"
#include "interface/InterfaceVersion.h"

#include <string>
#include <vector>

namespace vex::orb {

/// The descriptor of one tool type: its identity and texts, and the factory of its tool objects.
class CCameraPlugin : public CExtendable {
public:
    /// Descriptor extension ids.
    enum Extension : int {
        kAliases = 16,      ///< data: a std::vector<std::string> to append further type names to
        kScriptedTool = 52, ///< no data: the type is a scripted tool, offered under "Templates"
    };

    /// A new tool object owned by the caller (released with CCamera::release); null on failure.
    virtual CCamera* create(const CCamera::CreateParam& param) = 0;
    /// The short type name that addresses the type and starts instance names.
    virtual std::string getIdentifier() = 0;
    /// The tool's folder below the data folder (its profiles and images).
    virtual std::string getFolderName() = 0;
    /// The name shown in menus and trees.
    virtual std::string getDisplayName() = 0;
    /// "Vehicle", "Camera" or another category; several are joined by ";".
    virtual std::string getCategory() = 0;
    /// One paragraph of help text.
    virtual std::string getDescription() { return {}; }
    /// The credit line.
    virtual std::string getAuthor() { return {}; }
    /// A further text of older descriptors; empty.
    virtual std::string GetExtraText() { return {}; }
    /// The type names this tool needs.
    virtual std::vector<std::string> getDependencies() { return {}; }
    /// Empties a string list the descriptor handed out.
    virtual bool clearList(std::vector<std::string>& list) {
        list.clear();
        return true;
    }
    /// The tool-contract version the descriptor was built against.
    virtual int getInterfaceVersion() { return kInterfaceVersion; }
    /// Destroys the descriptor.
    virtual void release() { delete this; }
    virtual ~CCameraPlugin() = default;
};

} // namespace vex::orb
