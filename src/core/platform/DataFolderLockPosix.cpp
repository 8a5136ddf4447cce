#include "DataFolderLock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace kartavel::platform {

DataFolderLock::~DataFolderLock() {
    unlock();
}

bool DataFolderLock::tryLock(const std::filesystem::path& folder) {
    unlock();
    heldElsewhere_ = false;
    const auto path = folder / kFileName;
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    // flock locks belong to the open file, so a second open in the same process is
    // refused as well, just as another process would be.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        heldElsewhere_ = errno == EWOULDBLOCK;
        ::close(fd);
        return false;
    }
    handle_ = fd;
    return true;
}

void DataFolderLock::unlock() {
    if (handle_ != kNone) {
        const int fd = static_cast<int>(handle_);
        ::flock(fd, LOCK_UN);
        ::close(fd);
        handle_ = kNone;
    }
}

} // namespace kartavel::platform
