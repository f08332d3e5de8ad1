#pragma once

#include <maya/MSyntax.h>

#include <map>
#include <string>

/// The syntax each plug-in command registered with, by command name, for MPxCommand::syntax.
inline std::map<std::string, MSyntax>& pluginSyntaxes() {
    static std::map<std::string, MSyntax> syntaxes;
    return syntaxes;
}
