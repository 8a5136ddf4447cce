#pragma once

#include <filesystem>

namespace kartavel::platform {

// One running program per data folder. Each program copy keeps the register in
// memory and writes the whole file back, so two writers on one folder would drop
// each other's archives. The lock is an advisory lock on a file in the data folder;
// the operating system releases it when the process ends, also after a crash.
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
    bool locked() const { return fd_ >= 0; }
    // After a refused tryLock: whether another holder was the reason. Otherwise the
    // folder itself could not be used (missing, read-only, not a folder).
    bool heldElsewhere() const { return heldElsewhere_; }

    // The lock file's name inside the data folder.
    static constexpr const char* kFileName = ".kartavel.lock";

private:
    int fd_ = -1;
    bool heldElsewhere_ = false;
};

} // namespace kartavel::platform
