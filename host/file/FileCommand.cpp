#include "host/file/FileCommand.h"

#include "host/file/FileOperations.h"

#include <maya/MArgList.h>
#include <maya/MString.h>

#include <cctype>
#include <string>
#include <vector>

namespace vex::host::file {

namespace {

// The command's arguments: flags by short or long name, and the value after a flag.
class Arguments {
public:
    explicit Arguments(const MArgList& args) {
        for (unsigned int i = 0; i < args.length(); ++i) words_.push_back(args.asString(i).str());
    }

    bool has(const char* shortName, const char* longName) const { return index(shortName, longName) >= 0; }

    std::string valueOf(const char* shortName, const char* longName) const {
        const int i = index(shortName, longName);
        return i >= 0 && i + 1 < static_cast<int>(words_.size()) ? words_[static_cast<std::size_t>(i) + 1]
                                                                 : std::string();
    }

    // The file name: the last word that is neither a flag nor the value of a flag taking one.
    std::string fileName() const {
        std::string name;
        for (std::size_t i = 0; i < words_.size(); ++i) {
            if (!isFlag(words_[i])) {
                name = words_[i];
                continue;
            }
            for (const char* flag : {"-typ", "-type", "-ns", "-namespace", "-rn", "-rename"})
                if (words_[i] == flag) ++i;
        }
        return name;
    }

private:
    static bool isFlag(const std::string& word) {
        return word.size() > 1 && word[0] == '-' && std::isalpha(static_cast<unsigned char>(word[1]));
    }

    int index(const char* shortName, const char* longName) const {
        for (std::size_t i = 0; i < words_.size(); ++i)
            if (words_[i] == shortName || words_[i] == longName) return static_cast<int>(i);
        return -1;
    }

    std::vector<std::string> words_;
};

MStatus usage(const std::string& text) {
    return MStatus(MStatus::kInvalidParameter, MString(text));
}

} // namespace

MStatus FileCommand::doIt(const MArgList& list) {
    const Arguments args(list);
    if (args.has("-q", "-query")) {
        if (args.has("-sn", "-sceneName")) {
            setResult(MString(FileOperations::currentFile()));
            return MStatus::kSuccess;
        }
        return usage("file -q: only -sn (-sceneName) can be queried.");
    }
    const std::string type = args.valueOf("-typ", "-type");
    if (!type.empty() && type != "mayaAscii")
        return usage("Unknown file type \"" + type + "\": this host reads and writes \"mayaAscii\" files.");

    if (args.has("-new", "-newFile")) return FileOperations::newScene();
    const std::string path = args.fileName();
    if (args.has("-rn", "-rename")) {
        const std::string name = args.valueOf("-rn", "-rename");
        if (name.empty()) return usage("Usage: file -rename <file>");
        FileOperations::rename(name);
        setResult(MString(FileOperations::currentFile()));
        return MStatus::kSuccess;
    }
    if (args.has("-o", "-open")) {
        if (path.empty()) return usage("Usage: file -open <file>");
        const MStatus status = FileOperations::open(path);
        if (status) setResult(MString(FileOperations::currentFile()));
        return status;
    }
    if (args.has("-i", "-import")) {
        if (path.empty()) return usage("Usage: file -import [-namespace <name>] <file>");
        return FileOperations::importFile(path, args.valueOf("-ns", "-namespace"));
    }
    if (args.has("-s", "-save")) {
        const MStatus status = FileOperations::save({});
        if (status) setResult(MString(FileOperations::currentFile()));
        return status;
    }
    return usage("file: give one of -new, -open, -save, -rename, -import or -q -sceneName.");
}

} // namespace vex::host::file
