#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Drives and volumes: the label of the medium that holds a path, and the roots of
// the optical drives. On Windows a drive is a letter; on Linux it is a mount point.
namespace kartavel::platform {

// The label of the file system mounted at or containing `path`; empty when it has
// none or it cannot be found out.
std::string volumeLabel(const std::string& path);

// What the platform tells of the medium that holds a path; a fact it does not give
// stays empty.
struct VolumeFacts {
    std::string label;
    std::string serial;     // Windows: the volume serial as "1A2B-3C4D"; Linux: the UUID
    std::string fileSystem; // "NTFS", "ext4", "iso9660"
    std::optional<std::uint64_t> totalBytes, freeBytes; // free: what this user may fill
};

VolumeFacts volumeFacts(const std::string& path);

// The roots of the CD-ROM drives that hold a medium: on Windows their roots ("E:\"),
// in drive order; on Linux the mount points of iso9660 and udf file systems, in
// mount order.
std::vector<std::string> cdromDriveRoots();

// The pieces behind both on Linux, open to tests.
struct MountEntry {
    std::string mountPoint;
    std::string fsType;
    std::string source; // the device, such as "/dev/sr0"
};

// The lines of /proc/self/mountinfo, in order, with their escapes ("\040") undone.
std::vector<MountEntry> parseMountInfo(std::string_view text);

// The mount that holds `path`: the deepest mount point above it, the latest of
// equal ones. Nothing when none does.
const MountEntry* mountHolding(const std::vector<MountEntry>& mounts, const std::string& path);

// The label under which `byLabelFolder` (udev's /dev/disk/by-label) lists
// `device`, with udev's "\x20" escapes undone; empty when it lists none.
std::string labelFromFolder(const std::filesystem::path& byLabelFolder, const std::string& device);

// The volume identifier of an ISO 9660 image or device, without its padding.
std::string iso9660Label(const std::filesystem::path& device);

std::vector<std::string> cdromRootsIn(const std::vector<MountEntry>& mounts);

// The path with its links resolved as far as it exists (UTF-8); the path itself
// when that fails.
std::string resolvedPath(const std::filesystem::path& path);

} // namespace kartavel::platform
