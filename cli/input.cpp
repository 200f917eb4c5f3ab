#include "cli/input.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace tarnvale::cli {
namespace {

int openOrThrow(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        throw ReadError(std::strerror(errno));
    }
    return fd;
}

}  // namespace

std::size_t FileInput::read(char* buffer, std::size_t capacity) {
    for (;;) {
        const ssize_t count = ::read(fd_, buffer, capacity);
        if (count >= 0) {
            return static_cast<std::size_t>(count);
        }
        if (errno != EINTR) {
            throw ReadError(std::strerror(errno));
        }
    }
}

OpenedFile::OpenedFile(const std::string& path) : FileInput(openOrThrow(path)) {}

OpenedFile::~OpenedFile() {
    ::close(fd());
}

bool InputBuffer::readMore() {
    const std::size_t kept = filled_ - used_;
    std::copy(bytes_.begin() + static_cast<std::ptrdiff_t>(used_),
              bytes_.begin() + static_cast<std::ptrdiff_t>(filled_), bytes_.begin());
    used_ = 0;
    filled_ = kept;
    if (bytes_.size() - kept < kBlockBytes / 2) {
        bytes_.resize(bytes_.size() * 2);
    }
    if (beforeRead_) {
        beforeRead_();
    }
    const std::size_t count = input_.read(bytes_.data() + filled_, bytes_.size() - filled_);
    filled_ += count;
    return count > 0;
}

}  // namespace tarnvale::cli
