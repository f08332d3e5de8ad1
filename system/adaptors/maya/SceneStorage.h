#pragma once

#include "util/xml/Element.h"

#include <string>

namespace vex::orb::adaptor::maya {

class MayaAdaptorInterface;

/// The core's state in a scene file: written into a new "StorageNode" before Maya saves, read back
/// after Maya opens, imports or references a file, and never kept in the live scene.
class SceneStorage {
public:
    static constexpr const char* kTitle = "Torva Suite";
    /// The message of a storage node whose state cannot be read (followed by the reason).
    static constexpr const char* kUnreadable =
        "The Torva Suite tools stored in this scene could not be read; the scene's nodes are kept as "
        "they are. ";
    /// The message of stored instances whose tool type is not installed (followed by the list).
    static constexpr const char* kUnknownTypes =
        "These Torva Suite tools stored in the scene are of a type that is not installed and were left "
        "out:\n\n";

    /// Before a save: brings every owner's node tags up to date and writes the core's state (the
    /// instances without scene nodes) into a new "StorageNode".
    static void WriteState(MayaAdaptorInterface& adaptor);
    /// After an open, import or reference: hands the state of every readable "StorageNode" to the
    /// core, gathers the tagged nodes to their instances, then deletes the storage nodes.
    static void Restore(MayaAdaptorInterface& adaptor);
    /// Deletes every "StorageNode" and "CStorageNode" from the scene.
    static void DeleteStorageNodes();

    /// The "AdaptorState" text of `state`: Base64 of its XML text.
    static std::string Encode(const util::xml::Element& state);
    /// Reads an "AdaptorState" text; false with `reason` when it is no Base64 or no XML.
    static bool Decode(const std::string& text, util::xml::Element& state, std::string& reason);
    /// Hands a decoded `state` to the running core, first reporting the instances whose tool type is
    /// not installed.
    static void CreateInstances(const util::xml::Element& state);
};

} // namespace vex::orb::adaptor::maya
