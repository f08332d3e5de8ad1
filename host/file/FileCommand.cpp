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

    bool Has(const char* shortName, const char* longName) const { return index(shortName, longName) >= 0; }

    std::string ValueOf(const char* shortName, const char* longName) const {
        const int i = index(shortName, longName);
        return i >= 0 && i + 1 < static_cast<int>(words_.size()) ? words_[static_cast<std::size_t>(i) + 1]
                                                                 : std::string();
    }

    // The file name: the last word that is neither a flag nor the value of a flag taking one.
    std::string FileName() const {
        std::string name;
        for (std::size_t i = 0; i < words_.size(); ++i) {
            if (!IsFlag(words_[i])) {
                name = words_[i];
                continue;
            }
            for (const char* flag : {"-typ", "-type", "-ns", "-namespace", "-rn", "-rename"})
                if (words_[i] == flag) ++i;
        }
        return name;
    }

private:
    static bool IsFlag(const std::string& word) {
        return word.size() > 1 && word[0] == '-' && std::isalpha(static_cast<unsigned char>(word[1]));
    }

    int index(const char* shortName, const char* longName) const {
        for (std::size_t i = 0; i < words_.size(); ++i)
            if (words_[i] == shortName || words_[i] == longName) return static_cast<int>(i);
        return -1;
    }

    std::vector<std::string> words_;
};

MStatus Usage(const std::string& text) {
    return MStatus(MStatus::kInvalidParameter, MString(text));
}

} // namespace

MStatus FileCommand::doIt(const MArgList& list) {
    const Arguments args(list);
    if (args.Has("-q", "-query")) {
        if (args.Has("-sn", "-sceneName")) {
            setResult(MString(FileOperations::CurrentFile()));
            return MStatus::kSuccess;
        }
        return Usage("file -q: only -sn (-sceneName) can be queried.");
    }
    const std::string type = args.ValueOf("-typ", "-type");
    if (!type.empty() && type != "mayaAscii")
        return Usage("Unknown file type \"" + type + "\": this host reads and writes \"mayaAscii\" files.");

    if (args.Has("-new", "-newFile")) return FileOperations::NewScene();
    const std::string path = args.FileName();
    if (args.Has("-rn", "-rename")) {
        const std::string name = args.ValueOf("-rn", "-rename");
        if (name.empty()) return Usage("Usage: file -rename <file>");
        FileOperations::rename(name);
        setResult(MString(FileOperations::CurrentFile()));
        return MStatus::kSuccess;
    }
    if (args.Has("-o", "-open")) {
        if (path.empty()) return Usage("Usage: file -open <file>");
        const MStatus status = FileOperations::Open(path);
        if (status) setResult(MString(FileOperations::CurrentFile()));
        return status;
    }
    if (args.Has("-i", "-import")) {
        if (path.empty()) return Usage("Usage: file -import [-namespace <name>] <file>");
        return FileOperations::ImportFile(path, args.ValueOf("-ns", "-namespace"));
    }
    if (args.Has("-s", "-save")) {
        const MStatus status = FileOperations::Save({});
        if (status) setResult(MString(FileOperations::CurrentFile()));
        return status;
    }
    return Usage("file: give one of -new, -open, -save, -rename, -import or -q -sceneName.");
}

} // namespace vex::host::file
