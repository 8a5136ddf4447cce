#include "Volume.h"

#include "FileSystem.h"

namespace kartavel::platform {

namespace {

std::vector<MountEntry> systemMounts() {
    const auto text = readWholeFile("/proc/self/mountinfo");
    return text ? parseMountInfo(*text) : std::vector<MountEntry>{};
}

} // namespace

std::string volumeLabel(const std::string& path) {
    const auto mounts = systemMounts();
    const MountEntry* m = mountHolding(mounts, resolvedPath(pathFromUtf8(path)));
    if (!m || !m->source.starts_with('/'))
        return {};
    std::string label = labelFromFolder("/dev/disk/by-label", m->source);
    if (label.empty() && m->fsType == "iso9660")
        label = iso9660Label(m->source);
    return label;
}

std::vector<std::string> cdromDriveRoots() {
    return cdromRootsIn(systemMounts());
}

} // namespace kartavel::platform
