#include "ReadOnlyFile.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

bool SetImmutable(const std::filesystem::path& path, bool on) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    int flags = 0;
    bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (done) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return done;
}

} // namespace

ReadOnlyFile::ReadOnlyFile(const std::filesystem::path& path) : path_(path) {
    std::filesystem::permissions(path_, std::filesystem::perms::owner_read |
                                            std::filesystem::perms::group_read |
                                            std::filesystem::perms::others_read);
    if (::geteuid() == 0) {
        immutable_ = SetImmutable(path_, true);
    }
    const int probe = ::open(path_.c_str(), O_RDWR | O_CLOEXEC);
    denied_ = probe < 0;
    if (probe >= 0) {
        ::close(probe);
    }
}

ReadOnlyFile::~ReadOnlyFile() {
    if (immutable_) {
        SetImmutable(path_, false);
    }
    std::error_code ignored;
    std::filesystem::permissions(
        path_, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write,
        std::filesystem::perm_options::add, ignored);
}
