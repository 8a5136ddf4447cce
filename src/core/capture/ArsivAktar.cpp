#include "ArsivAktar.h"

#include "ArchiveName.h"
#include "ContentFile.h"
#include "IloFindFile.h"

namespace kartavel::capture {

ArsivAktarResult ArsivAktar(const std::vector<std::string>& sortedPaths,
                            std::string_view archiveName, Progress& progress) {
    ArsivAktarResult result;
    result.files = sortedPaths.size();
    const auto file = contentFilePath(archiveName);
    if (!file) {
        result.message = std::string(archiveName) + " adı dosya adı olarak kullanılamaz...";
        return result;
    }
    writeContentFile(*file, sortedPaths, progress);
    result.written = true;
    result.message = kArchiveWritten;
    return result;
}

ArsivAktarResult ArsivAktar(const std::string& folder, std::string_view archiveName, Progress& scan,
                            Progress& write) {
    if (!isArchiveName(archiveName))
        return ArsivAktar(std::vector<std::string>{}, archiveName, write); // refused
    TIloFindFile IloFindFile1 = TIloFindFile::IloFindFile1();
    IloFindFile1.CurDirectory = folder;
    IloFindFile1.ScanFiles(false, true, scan);
    if (IloFindFile1.Stopped()) {
        ArsivAktarResult result;
        result.stopped = true;
        result.files = IloFindFile1.FileList.size();
        return result;
    }
    return ArsivAktar(IloFindFile1.FileList, archiveName, write);
}

} // namespace kartavel::capture
