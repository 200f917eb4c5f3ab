#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli.h"

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    tarnvale::cli::FileInput input(STDIN_FILENO);
    tarnvale::report::FileSink out(STDOUT_FILENO);
    tarnvale::report::FileSink err(STDERR_FILENO);
    tarnvale::cli::Diagnostics diagnostics(err);
    int status = tarnvale::cli::run(args, input, out, diagnostics);
    // A file whose last block only fails as it is closed fails the run as well.
    if (status != tarnvale::cli::kExitFailure && ::close(STDOUT_FILENO) != 0 && errno != EBADF) {
        diagnostics.failure("cannot write the output: " + std::string(std::strerror(errno)));
        status = diagnostics.status();
    }
    try {
        diagnostics.flush();
    } catch (const tarnvale::report::WriteError&) {
        // Nowhere is left to say it.
    }
    return status;
}
