#include "report/sink.h"

#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>

namespace tarnvale::report {

void writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written < 0 && errno == EPIPE) {
            // Where SIGPIPE was ignored, end as the signal would have ended us.
            std::signal(SIGPIPE, SIG_DFL);
            std::raise(SIGPIPE);
        }
        if (written <= 0) {
            throw WriteError(written < 0 ? std::strerror(errno) : "nothing was written");
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

void Sink::makeRoom(std::size_t bytes) {
    flush();
    block_.resize(std::max(block_.size(), bytes));
}

void FileSink::deliver(std::string_view bytes) {
    writeAll(fd_, bytes);
}

}  // namespace tarnvale::report
