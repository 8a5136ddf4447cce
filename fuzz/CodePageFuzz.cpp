// The code page 1254 codec and the Turkish upper-case fold, checked by their
// properties: round trips, agreement of the byte and UTF-8 forms, idempotence.
#include "FuzzSupport.h"

#include "text/Cp1254.h"
#include "text/TurkishUpperCase.h"
#include "text/Utf8.h"

using namespace kartavel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzz::bytesOf(data, size);

    // The input as code page bytes: every byte sequence decodes and encodes back.
    const std::string decoded = text::decodeCp1254(bytes);
    fuzz::check(text::isValidUtf8(decoded), "decoding gives well-formed UTF-8");
    fuzz::check(text::fitsCp1254(decoded), "decoded text fits the code page");
    fuzz::check(text::encodeCp1254(decoded) == std::string(bytes), "bytes round-trip");

    // Folding bytes through the code page's table equals folding their UTF-8 form.
    const std::string folded = text::TurkishUpperCase(decoded);
    std::string byteFold(bytes);
    for (char& c : byteFold)
        c = static_cast<char>(text::cp1254TurkishUpperCase()[static_cast<unsigned char>(c)]);
    fuzz::check(text::encodeCp1254(folded) == byteFold, "the byte fold matches the text fold");
    fuzz::check(text::TurkishUpperCase(folded) == folded, "folding is idempotent");

    // The input as UTF-8, well-formed or not.
    const std::string upper = text::TurkishUpperCase(bytes);
    fuzz::check(text::TurkishUpperCase(upper) == upper, "folding any bytes is idempotent");
    fuzz::check(text::isValidUtf8(upper) == text::isValidUtf8(bytes),
                "folding keeps well-formed text well-formed and leaves ill-formed bytes");
    std::string appended = "ı";
    text::appendTurkishUpperCase(appended, bytes);
    fuzz::check(appended == "ı" + upper, "appending folds the same way");

    const auto encoded = text::encodeCp1254(bytes);
    fuzz::check(encoded.has_value() == text::fitsCp1254(bytes), "fits agrees with encode");
    if (encoded)
        fuzz::check(text::decodeCp1254(*encoded) == std::string(bytes), "text round-trips");
    std::string out = "ş";
    const bool appendedBytes = text::appendCp1254(out, bytes);
    fuzz::check(appendedBytes == encoded.has_value(), "append agrees with encode");
    fuzz::check(out == (encoded ? "ş" + *encoded : std::string("ş")),
                "a refused append leaves the output as it was");
    return 0;
}
