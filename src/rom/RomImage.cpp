#include "rom/RomImage.h"

#include "rom/EditorError.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string MessageForError(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return "File not found";
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
        return "File access denied";
    case ENAMETOOLONG:
    case EINVAL:
    case EILSEQ:
        return "Invalid filename";
    case EMFILE:
    case ENFILE:
        return "Too many open files";
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return "Disk full";
    default:
        return "I/O error " + std::to_string(error);
    }
}

} // namespace

RomImage::~RomImage() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

void RomImage::notify(RomAccess::Kind kind, std::int32_t offset) const {
    if (observer_) {
        observer_(RomAccess{kind, offset});
    }
}

void RomImage::fail(int error) {
    throw EditorError(MessageForError(error));
}

void RomImage::Open() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    notify(RomAccess::Kind::Open, 0);
    if (path_.empty() || path_.find('\0') != std::string::npos) {
        throw EditorError("Invalid filename");
    }
    const int fd = ::open(path_.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        fail(errno);
    }
    struct stat status {};
    const int statError = ::fstat(fd, &status) != 0 ? errno : 0;
    if (statError != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        fail(statError != 0 ? statError : EISDIR);
    }
    fd_ = fd;
    position_ = 0;
}

void RomImage::Seek(std::int32_t offset) {
    notify(RomAccess::Kind::Seek, offset);
    if (fd_ < 0) {
        fail(EBADF);
    }
    if (offset < 0) {
        fail(EINVAL);
    }
    position_ = offset;
}

std::uint8_t RomImage::ReadByte() {
    notify(RomAccess::Kind::Read, position_);
    if (fd_ < 0) {
        fail(EBADF);
    }
    std::uint8_t value = 0;
    const ssize_t count = ::pread(fd_, &value, 1, position_);
    if (count < 0) {
        fail(errno);
    }
    if (count == 0) {
        throw EditorError("Read beyond end of file");
    }
    ++position_;
    return value;
}

void RomImage::WriteByte(std::uint8_t value) {
    notify(RomAccess::Kind::Write, position_);
    if (fd_ < 0) {
        fail(EBADF);
    }
    struct stat status {};
    if (::fstat(fd_, &status) != 0) {
        fail(errno);
    }
    if (position_ >= status.st_size) {
        throw EditorError("Write beyond end of file");
    }
    const ssize_t count = ::pwrite(fd_, &value, 1, position_);
    if (count < 0) {
        fail(errno);
    }
    if (count == 0) {
        fail(ENOSPC);
    }
    ++position_;
}

void RomImage::Close() {
    notify(RomAccess::Kind::Close, 0);
    if (fd_ < 0) {
        return;
    }
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) {
        fail(errno);
    }
}

RomSession::~RomSession() {
    if (image_.isOpen()) {
        const int keep = errno;
        try {
            image_.Close();
        } catch (const EditorError&) {
            // The operation has already failed or finished; its own error is
            // the one the user needs to see.
        }
        errno = keep;
    }
}
