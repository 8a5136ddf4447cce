#include "ArsivAktar.h"

#include "ArchiveName.h"
#include "ContentFile.h"
#include "IloFindFile.h"
#include "platform/FileSystem.h"
#include "platform/Volume.h"

#include <chrono>

namespace kartavel::capture {

namespace {

std::int64_t secondsNow() {
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

} // namespace

ArsivAktarResult ArsivAktar(const std::vector<std::string>& sortedPaths,
                            std::string_view archiveName, Progress& progress,
                            const ScanDetails* details) {
    ArsivAktarResult result;
    result.files = sortedPaths.size();
    const auto file = contentFilePath(archiveName);
    if (!file) {
        result.message = std::string(archiveName) + " adı dosya adı olarak kullanılamaz...";
        return result;
    }
    if (!details) {
        writeContentFile(*file, sortedPaths, progress);
    } else {
        const ContentText text = contentFileLines(sortedPaths, progress);
        const std::string detailsBytes = detailsFileBytes(
            fingerprintOf(text.bytes), details->archive, details->files, text.fileOfNode);
        platform::replaceFileAtomically(*file, text.bytes);
        try {
            platform::replaceFileAtomically(detailsFileBeside(*file), detailsBytes);
        } catch (...) {
            platform::removeFile(*file);
            throw;
        }
    }
    result.written = true;
    result.message = kArchiveWritten;
    return result;
}

ArchiveFacts scanFacts(const std::string& folder, const std::vector<FileFacts>& files,
                       std::size_t folders) {
    ArchiveFacts f;
    f.root = folder;
    f.scanned = secondsNow();
    f.files = files.size();
    f.folders = folders;
    std::uint64_t bytes = 0;
    for (const auto& file : files)
        bytes += file.size;
    f.bytes = bytes;
    const auto volume = platform::volumeFacts(folder);
    f.label = volume.label;
    f.serial = volume.serial;
    f.fileSystem = volume.fileSystem;
    f.totalBytes = volume.totalBytes;
    f.freeBytes = volume.freeBytes;
    return f;
}

ArsivAktarResult ArsivAktar(const std::string& folder, std::string_view archiveName, Progress& scan,
                            Progress& write) {
    if (!isArchiveName(archiveName))
        return ArsivAktar(std::vector<std::string>{}, archiveName, write); // refused
    TIloFindFile IloFindFile1 = TIloFindFile::IloFindFile1();
    IloFindFile1.CurDirectory = folder;
    IloFindFile1.Details = true;
    const std::int64_t started = secondsNow();
    IloFindFile1.ScanFiles(false, true, scan);
    if (IloFindFile1.Stopped()) {
        ArsivAktarResult result;
        result.stopped = true;
        result.files = IloFindFile1.FileList.size();
        return result;
    }
    ScanDetails details;
    details.archive = scanFacts(folder, IloFindFile1.FileDetails, IloFindFile1.FoldersWalked());
    details.archive.scanned = started;
    details.files = std::move(IloFindFile1.FileDetails);
    return ArsivAktar(IloFindFile1.FileList, archiveName, write, &details);
}

} // namespace kartavel::capture
