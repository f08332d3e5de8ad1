#pragma once

#include "host/command/ScriptError.h"
#include "host/file/KeyListScanner.h"

#include <cstdint>
#include <string>

namespace vex::host::file {

/// Reads a scene file into the scene by running it through the host's command language, with the
/// built-in commands and the current-node rule of createNode (".attr" plugs name the node made or
/// selected last). Only the commands a scene file is made of may run. What the host does not interpret
/// is kept rather than refused (LineKeeper): nodes of types it does not know become opaque nodes
/// (OpaqueNodeTypes), lines about attributes or nodes it does not have, uuids, node locks and
/// relationships are kept as the file wrote them and written back unchanged. Shared nodes
/// ("createNode -s") the scene has are the ones the lines go to; the playback range comes from the
/// scene configuration script node. A file without its closing "// End of" line opens with a warning.
/// The whole read is journaled: a file that fails at any line (a syntax error, a command files may not
/// use, a parent that does not exist) is taken back completely, so the scene is as it was before, and
/// the error names the line, the command and the reason.
class SceneReader {
public:
    /// How a file is read.
    enum class Mode {
        kOpen,   ///< into a scene just emptied: the file's settings (units, time, ranges) are kept
        kImport, ///< into the open scene, in a namespace when given; the scene's settings stay
        kCheck,  ///< as Open, on an emptied copy of the scene that is taken back afterwards: only the
                 ///< answer counts, and no message reaches the plug-ins' node callbacks
    };

    /// Iterations of script loops a file may run in all, so a hostile file cannot hang the host.
    static constexpr std::uint64_t kStepLimit = 1000000;

    /// Reads `text` in `mode`; `nameSpace` applies to Import only. Answers false with the error.
    static bool Read(const std::string& text, Mode mode, const std::string& nameSpace,
                     command::ScriptError& error);
    /// Reads a text the key-list scanner went through already (so a file checked and then opened is
    /// scanned once).
    static bool Read(const KeyListScanner::Result& scanned, Mode mode, const std::string& nameSpace,
                     command::ScriptError& error);

    /// The namespace an import into `wanted` really uses: `wanted` when no node is in it yet, else
    /// `wanted` with the first number appended that gives an unused namespace ("ns1", "ns2" ...).
    static std::string FreeNamespace(const std::string& wanted);
};

} // namespace vex::host::file
