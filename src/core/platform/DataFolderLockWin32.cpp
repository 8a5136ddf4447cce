#include "DataFolderLock.h"

#include "Win32Support.h"

namespace kartavel::platform {

DataFolderLock::~DataFolderLock() {
    unlock();
}

bool DataFolderLock::tryLock(const std::filesystem::path& folder) {
    unlock();
    heldElsewhere_ = false;
    win32::Handle h(::CreateFileW(win32::widePath(folder / kFileName).c_str(),
                                  GENERIC_READ | GENERIC_WRITE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!h.valid())
        return false;
    // Byte-range locks belong to the handle, so a second handle in the same
    // process is refused as well, just as another process would be.
    OVERLAPPED at{};
    if (!::LockFileEx(h.get(), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at)) {
        heldElsewhere_ = ::GetLastError() == ERROR_LOCK_VIOLATION;
        return false;
    }
    handle_ = reinterpret_cast<std::intptr_t>(h.release()); // open until unlock
    return true;
}

void DataFolderLock::unlock() {
    if (handle_ != kNone) {
        const HANDLE h = reinterpret_cast<HANDLE>(handle_);
        OVERLAPPED at{};
        ::UnlockFileEx(h, 0, 1, 0, &at);
        ::CloseHandle(h);
        handle_ = kNone;
    }
}

} // namespace kartavel::platform
