// Compares our Base64 code with Qt's on any bytes: QByteArray::toBase64, and fromBase64Encoding with
// AbortOnBase64DecodingErrors, Qt's strict mode.
//
// Encoding the input must give exactly Qt's text. Decoding the input as text: what we accept, Qt must
// accept with the same bytes once the whitespace around it is removed (we allow spaces, tabs and line
// breaks there, for indented files; Qt does not). Qt also accepts text that is not canonical, which we
// refuse so that nothing is guessed: the final "=" padding left out, or padding bits that are not zero.
// So text that Qt accepts and we refuse must differ from what we write for the bytes Qt decodes;
// canonical text that we refuse is a fault.

#include "fuzz/TrimSpace.h"
#include "util/Base64.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

using vex::util::Base64Decode;
using vex::util::Base64Encode;

std::string_view View(const QByteArray& bytes) {
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

[[noreturn]] void Fail(const char* what, std::string_view input) {
    std::fprintf(stderr, "Base64 differs from Qt: %s\ninput: \"%.*s\"\n", what,
                 static_cast<int>(input.size()), input.data());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const QByteArray bytes = QByteArray::fromRawData(input.data(), static_cast<qsizetype>(input.size()));
    if (Base64Encode(input) != View(bytes.toBase64())) Fail("encoded texts differ", input);

    const std::string_view text = vex::fuzz::TrimSpace(input);
    const QByteArray::FromBase64Result qt = QByteArray::fromBase64Encoding(
        QByteArray::fromRawData(text.data(), static_cast<qsizetype>(text.size())),
        QByteArray::AbortOnBase64DecodingErrors);
    const bool qtAccepts = qt.decodingStatus == QByteArray::Base64DecodingStatus::Ok;
    std::vector<std::uint8_t> ours;
    if (Base64Decode(input, ours)) {
        if (!qtAccepts) Fail("Qt refuses text we accept", input);
        if (View(qt.decoded) != std::string_view(reinterpret_cast<const char*>(ours.data()), ours.size()))
            Fail("decoded bytes differ", input);
    } else if (qtAccepts && Base64Encode(View(qt.decoded)) == text) {
        Fail("we refuse canonical text that Qt accepts", input);
    }
    return 0;
}
