#pragma once

#include <algorithm>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarnvale::report {

// Where standard output goes. Writers reserve room at the cursor, write there and commit, and
// call flushIfFull() after each row, so output leaves in blocks as it is produced and memory
// stays flat whatever its length.
class Sink {
  public:
    virtual ~Sink() = default;

    // Room for `bytes` more at the cursor, handing the block on first where it is short.
    char* reserve(std::size_t bytes) {
        if (used_ + bytes > block_.size()) [[unlikely]] {
            makeRoom(bytes);
        }
        return block_.data() + used_;
    }
    // Keeps what was written up to `end`.
    void commit(const char* end) { used_ = static_cast<std::size_t>(end - block_.data()); }
    void write(std::string_view text) {
        char* at = reserve(text.size());
        commit(std::copy(text.begin(), text.end(), at));
    }
    void flushIfFull() {
        if (used_ >= kBlockBytes) {
            flush();
        }
    }
    // Hands the written bytes on; a failed write throws WriteError.
    void flush() {
        const std::size_t used = std::exchange(used_, 0);
        deliver({block_.data(), used});
    }
    std::size_t pending() const { return used_; }

  protected:
    virtual void deliver(std::string_view bytes) = 0;

  private:
    void makeRoom(std::size_t bytes);

    static constexpr std::size_t kBlockBytes = std::size_t{64} * 1024;
    // Rows are short; the block has room for one more past a full block.
    std::vector<char> block_ = std::vector<char>(kBlockBytes + 4096);
    std::size_t used_ = 0;
};

// The output could not be written: a full disk, a closed file.
class WriteError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Keeps everything written, for tests and for running the tool inside another program.
class StringSink : public Sink {
  public:
    const std::string& text() {
        flush();
        return text_;
    }

  protected:
    void deliver(std::string_view bytes) override { text_ += bytes; }

  private:
    std::string text_;
};

// Writes to a file descriptor. A reader that closed its end of a pipe ends the program quietly
// with SIGPIPE, as it ends cat or grep; any other failure throws WriteError.
class FileSink : public Sink {
  public:
    explicit FileSink(int fd) : fd_(fd) {}

  protected:
    void deliver(std::string_view bytes) override;

  private:
    int fd_;
};

// Writes all of `bytes` to `fd`, or throws WriteError.
void writeAll(int fd, std::string_view bytes);

}  // namespace tarnvale::report
