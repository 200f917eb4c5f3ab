#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli.h"

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    tarnvale::report::FileSink out(STDOUT_FILENO);
    std::string err;
    int status = tarnvale::cli::run(args, out, err);
    // A file whose last block only fails as it is closed fails the run as well.
    if (status != tarnvale::cli::kExitFailure && ::close(STDOUT_FILENO) != 0 && errno != EBADF) {
        err += "tarnvale-cli: cannot write the output: " + std::string(std::strerror(errno)) + "\n";
        status = tarnvale::cli::kExitFailure;
    }
    try {
        tarnvale::report::writeAll(STDERR_FILENO, err);
    } catch (const tarnvale::report::WriteError&) {
        // Nowhere is left to say it.
    }
    return status;
}
