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
ProcessResult runProcess(const std::string& program, const std::vector<std::string>& args);

}  // namespace tarnvale::testing
