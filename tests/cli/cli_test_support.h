#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "process.h"

namespace tarnvale::testing {

// tarnvale-cli run as a process, as a script would run it.
inline ProcessResult cli(const std::vector<std::string>& args, const std::string& stdoutPath = {}) {
    return runProcess(TARNVALE_CLI_PATH, args, stdoutPath);
}

// The same with `input` on its standard input.
inline ProcessResult cliWithInput(const std::vector<std::string>& args, const std::string& input) {
    return runProcess(TARNVALE_CLI_PATH, args, {}, input);
}

// The lines of a text, without their line ends.
inline std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        result.push_back(line);
    }
    return result;
}

// The fields of one RFC 4180 line.
inline std::vector<std::string> csvFields(const std::string& line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
            fields.back() += '"';
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

inline constexpr const char* kChannelHeader =
    "format,band,index,channel,forward_mhz,reverse_mhz,gap_mhz,spacing_khz,dl_channel,ul_channel,"
    "duplex";

}  // namespace tarnvale::testing
