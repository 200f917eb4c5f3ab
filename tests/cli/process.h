#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tarnvale::testing {

struct ProcessResult {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the program with these arguments, no shell in between, and collects both streams.
// Standard output goes to `stdoutPath` instead where one is given (then `out` stays empty);
// standard input reads `stdinText`.
ProcessResult runProcess(const std::string& program, const std::vector<std::string>& args,
                         const std::string& stdoutPath = {}, const std::string& stdinText = {});

// A program running with pipes on its standard input and output, for a test that writes some
// input, waits for the answer, and writes more. Standard error is dropped.
class PipedProcess {
  public:
    PipedProcess(const std::string& program, const std::vector<std::string>& args);
    ~PipedProcess();
    PipedProcess(const PipedProcess&) = delete;
    PipedProcess& operator=(const PipedProcess&) = delete;

    void write(const std::string& text);
    // The next line of standard output without its line end, or nullopt where none arrives
    // within `seconds` or the output ends.
    std::optional<std::string> readLine(int seconds);
    // Closes standard input and waits for the exit status.
    int finish();

  private:
    int pid_ = -1;
    int input_ = -1;
    int output_ = -1;
    std::string pending_;
};

}  // namespace tarnvale::testing
