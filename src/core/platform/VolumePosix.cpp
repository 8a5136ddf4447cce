#include "Volume.h"

#include "FileSystem.h"

#include <sys/statvfs.h>

namespace kartavel::platform {

namespace {

std::vector<MountEntry> systemMounts() {
    const auto text = readWholeFile("/proc/self/mountinfo");
    return text ? parseMountInfo(*text) : std::vector<MountEntry>{};
}

std::string labelOf(const MountEntry& m) {
    if (!m.source.starts_with('/'))
        return {};
    std::string label = labelFromFolder("/dev/disk/by-label", m.source);
    if (label.empty() && m.fsType == "iso9660")
        label = iso9660Label(m.source);
    return label;
}

} // namespace

std::string volumeLabel(const std::string& path) {
    const auto mounts = systemMounts();
    const MountEntry* m = mountHolding(mounts, resolvedPath(pathFromUtf8(path)));
    return m ? labelOf(*m) : std::string();
}

VolumeFacts volumeFacts(const std::string& path) {
    VolumeFacts v;
    const auto mounts = systemMounts();
    if (const MountEntry* m = mountHolding(mounts, resolvedPath(pathFromUtf8(path)))) {
        v.label = labelOf(*m);
        v.fileSystem = m->fsType;
        if (m->source.starts_with('/'))
            v.serial = labelFromFolder("/dev/disk/by-uuid", m->source);
    }
    struct statvfs st {};
    if (::statvfs(path.c_str(), &st) == 0) {
        v.totalBytes = static_cast<std::uint64_t>(st.f_blocks) * st.f_frsize;
        v.freeBytes = static_cast<std::uint64_t>(st.f_bavail) * st.f_frsize;
    }
    return v;
}

std::vector<std::string> cdromDriveRoots() {
    return cdromRootsIn(systemMounts());
}

} // namespace kartavel::platform
