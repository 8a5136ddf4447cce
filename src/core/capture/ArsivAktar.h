#pragma once

#include "ArchiveDetails.h"
#include "Progress.h"

#include <string>
#include <string_view>
#include <vector>

// Registering an archive's content: the scan of the chosen folder and the writing
// of the content file, as the new-archive window does it on "Kaydet".
namespace kartavel::capture {

inline constexpr std::string_view kArchiveWritten = "Kayıt İşlem Tamamlandı...";

struct ArsivAktarResult {
    bool written = false;
    bool stopped = false;  // the scan was stopped on request; nothing was written
    std::size_t files = 0; // paths in the scan's result
    std::string message;   // for the information box; empty when stopped
};

// Writes the sorted full paths as the archive's content file in the data folder,
// replacing any file of that name atomically, and with `details` (the facts of
// each path's file, and of the scan) its details file beside it. The two are one
// step: when the details file cannot be written the content file goes again. A
// name that is not a plain file name (ArchiveName.h) writes nothing and says
// "<name> adı dosya adı olarak kullanılamaz...". Throws platform::WriteError when a
// file cannot be written.
struct ScanDetails {
    std::vector<FileFacts> files; // files[i] for sortedPaths[i]
    ArchiveFacts archive;
};
ArsivAktarResult ArsivAktar(const std::vector<std::string>& sortedPaths,
                            std::string_view archiveName, Progress& progress = noProgress(),
                            const ScanDetails* details = nullptr);

// Scans `folder` with the new-archive window's scanner (sorted full paths of every
// file below it, with their facts), asks the platform for the medium's facts, then
// writes both files as above. `scan` is told at every folder.
ArsivAktarResult ArsivAktar(const std::string& folder, std::string_view archiveName, Progress& scan,
                            Progress& write);

// The facts of a scan of `folder` that found `files` and entered `folders`, with
// the medium's facts as the platform gives them now.
ArchiveFacts scanFacts(const std::string& folder, const std::vector<FileFacts>& files,
                       std::size_t folders);

} // namespace kartavel::capture
