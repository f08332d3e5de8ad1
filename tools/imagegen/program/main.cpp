// torva-imagegen: draws the user interface's images from the vector sources in art/ into data/.

#include "tools/imagegen/ImageGenerator.h"

#include <iostream>
#include <string>

namespace {

void Usage(std::ostream& out) {
    out << "Usage: torva-imagegen [--art DIR] [--data DIR]\n"
           "  Renders every image art/manifest.txt names from its vector sources and writes the PNG\n"
           "  files below the data folder. DIR defaults to art and data in the current folder.\n"
           "  Exits with 1 when a source is malformed (that image is not written), 2 on a bad option.\n";
}

} // namespace

int main(int argc, char** argv) {
    std::string art = "art";
    std::string data = "data";
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--help" || option == "-h") {
            Usage(std::cout);
            return 0;
        }
        if ((option == "--art" || option == "--data") && i + 1 < argc) {
            (option == "--art" ? art : data) = argv[++i];
            continue;
        }
        std::cerr << "torva-imagegen: unknown option '" << option << "'\n";
        Usage(std::cerr);
        return 2;
    }
    const vex::imagegen::ImageGenerator generator(art, data);
    return generator.Run(std::cerr) ? 0 : 1;
}
