#include "process.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace tarnvale::testing {
namespace {

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string tempPath(const char* stem) {
    char name[] = "/tmp/tarnvale-test-XXXXXX";
    const int fd = mkstemp(name);
    if (fd < 0) {
        throw std::runtime_error("mkstemp failed");
    }
    close(fd);
    return std::string(name) + stem;
}

std::vector<char*> argvOf(const std::string& program, const std::vector<std::string>& args) {
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const auto& arg : args) {
        argv.push_back(const_cast<char*>(arg.c_str()));
    }
    argv.push_back(nullptr);
    return argv;
}

}  // namespace

ProcessResult runProcess(const std::string& program, const std::vector<std::string>& args,
                         const std::string& stdoutPath, const std::string& stdinText) {
    const std::string outPath = stdoutPath.empty() ? tempPath(".out") : stdoutPath;
    const std::string errPath = tempPath(".err");
    const std::string inPath = tempPath(".in");
    std::ofstream(inPath, std::ios::binary) << stdinText;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, inPath.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    auto argv = argvOf(program, args);
    pid_t pid = 0;
    ProcessResult result;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    posix_spawn_file_actions_destroy(&actions);
    result.err = slurp(errPath);
    for (const auto& path : {errPath, inPath}) {
        std::remove(path.c_str());
        std::remove(path.substr(0, path.size() - 4).c_str());
    }
    if (stdoutPath.empty()) {
        result.out = slurp(outPath);
        std::remove(outPath.c_str());
        std::remove(outPath.substr(0, outPath.size() - 4).c_str());
    }
    return result;
}

PipedProcess::PipedProcess(const std::string& program, const std::vector<std::string>& args) {
    int in[2];
    int out[2];
    if (pipe(in) != 0 || pipe(out) != 0) {
        throw std::runtime_error("pipe failed");
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], 0);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    for (const int fd : {in[0], in[1], out[0], out[1]}) {
        posix_spawn_file_actions_addclose(&actions, fd);
    }
    auto argv = argvOf(program, args);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(in[0]);
    close(out[1]);
    input_ = in[1];
    output_ = out[0];
    if (spawned != 0) {
        throw std::runtime_error("posix_spawn failed");
    }
    pid_ = pid;
}

PipedProcess::~PipedProcess() {
    if (pid_ > 0) {
        finish();
    }
    if (output_ >= 0) {
        close(output_);
    }
}

void PipedProcess::write(const std::string& text) {
    if (::write(input_, text.data(), text.size()) != static_cast<ssize_t>(text.size())) {
        throw std::runtime_error("write to the child failed");
    }
}

std::optional<std::string> PipedProcess::readLine(int seconds) {
    for (;;) {
        const auto end = pending_.find('\n');
        if (end != std::string::npos) {
            std::string line = pending_.substr(0, end);
            pending_.erase(0, end + 1);
            return line;
        }
        pollfd ready{output_, POLLIN, 0};
        if (poll(&ready, 1, seconds * 1000) <= 0) {
            return std::nullopt;
        }
        char block[4096];
        const ssize_t count = read(output_, block, sizeof block);
        if (count <= 0) {
            return std::nullopt;
        }
        pending_.append(block, static_cast<std::size_t>(count));
    }
}

int PipedProcess::finish() {
    if (input_ >= 0) {
        close(input_);
        input_ = -1;
    }
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

}  // namespace tarnvale::testing
