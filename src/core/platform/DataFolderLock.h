#pragma once

#include <cstdint>
#include <filesystem>

namespace kartavel::platform {

// One running program per data folder. Each program copy keeps the register in
// memory and writes the whole file back, so two writers on one folder would drop
// each other's archives. The lock is a lock on a file in the data folder (flock, or
// LockFileEx on Windows); the operating system releases it when the process ends,
// also after a crash.
class DataFolderLock {
public:
    DataFolderLock() = default;
    ~DataFolderLock();
    DataFolderLock(const DataFolderLock&) = delete;
    DataFolderLock& operator=(const DataFolderLock&) = delete;

    // Takes the lock of `folder` without waiting. False when another process holds
    // it (or the lock file cannot be made).
    bool tryLock(const std::filesystem::path& folder);
    void unlock();
    bool locked() const { return handle_ != kNone; }
    // After a refused tryLock: whether another holder was the reason. Otherwise the
    // folder itself could not be used (missing, read-only, not a folder).
    bool heldElsewhere() const { return heldElsewhere_; }

    // The lock file's name inside the data folder.
    static constexpr const char* kFileName = ".kartavel.lock";

private:
    // The lock file's descriptor, or on Windows its handle.
    static constexpr std::intptr_t kNone = -1;
    std::intptr_t handle_ = kNone;
    bool heldElsewhere_ = false;
};

} // namespace kartavel::platform
