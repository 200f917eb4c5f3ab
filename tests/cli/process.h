#pragma once

#include <string>
#include <vector>

namespace tarnvale::testing {

struct ProcessResult {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the program with these arguments, no shell in between, and collects both streams.
// Standard output goes to `stdoutPath` instead where one is given (then `out` stays empty).
ProcessResult runProcess(const std::string& program, const std::vector<std::string>& args,
                         const std::string& stdoutPath = {});

}  // namespace tarnvale::testing
