// The profile-string reader as the table files, the settings files and the
// stored-values file use it.
#include "FuzzSupport.h"

#include "access/IloStorage.h"
#include "platform/IniFile.h"

using namespace kartavel;

namespace {

bool oneLine(std::string_view s) {
    return s.find('\n') == std::string_view::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzz::bytesOf(data, size);

    // The table files' reader: keys only inside a section, nothing across a line end.
    std::size_t sections = 0, keys = 0;
    platform::parseIni(
        bytes,
        [&](std::string_view name) {
            fuzz::check(oneLine(name), "a section name stays on its line");
            ++sections;
        },
        [&](std::string_view name, std::string_view value) {
            fuzz::check(sections > 0, "a key belongs to a section");
            fuzz::check(oneLine(name) && oneLine(value), "a key stays on its line");
            ++keys;
        });

    // The settings files (trimmed values) and the stored-values file (raw values).
    for (const auto mode : {platform::IniValues::Trimmed, platform::IniValues::Raw}) {
        auto doc = platform::IniDocument::parse(bytes, mode);
        std::size_t docKeys = 0;
        for (const auto& s : doc.sections())
            for (const auto& l : s.lines)
                docKeys += l.isKey ? 1 : 0;
        fuzz::check(doc.sections().size() == sections && docKeys == keys,
                    "both readers see the same sections and keys");

        // Written back, the document reads as itself.
        const std::string written = doc.serialize();
        fuzz::check(platform::IniDocument::parse(written, mode).serialize() == written,
                    "a written document reads back unchanged");

        // A stored value that fits one line reads back byte for byte.
        if (mode == platform::IniValues::Raw) {
            std::string value(bytes.substr(0, 64));
            std::erase_if(value, [](char c) { return c == '\r' || c == '\n'; });
            doc.setValue(access::kStoredSection, "Sifre", value);
            const auto again = platform::IniDocument::parse(doc.serialize(), mode);
            const std::string* read = again.value(access::kStoredSection, "sifre");
            fuzz::check(read && *read == value, "a stored value reads back unchanged");
        }
    }

    // The stored-values component reading its file.
    static const fuzz::ScratchFile file("stored.ini");
    file.write(bytes);
    access::TIloStorage storage;
    auto& item = storage.StoredValues().Add();
    item.Name = "Sifre";
    item.Encode = true;
    storage.StoredValues().Add().Name = "Kullanici";
    storage.setFileName(file.path().string());
    storage.Loaded();
    (void)storage.ReadValue("Sifre");
    (void)storage.ReadValue("Kullanici");
    return 0;
}
