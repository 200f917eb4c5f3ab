#pragma once

#include <algorithm>
#include <cstddef>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarnvale::cli {

// Where values and CSV logs come from: standard input, a file, or text held in memory.
class Input {
  public:
    virtual ~Input() = default;
    // Up to `capacity` bytes into `buffer`, waiting for at least one; 0 at the end of the input.
    // A failed read throws ReadError.
    virtual std::size_t read(char* buffer, std::size_t capacity) = 0;
};

// The input could not be read: a directory given as a file, a device error.
class ReadError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Reads a file descriptor; it does not own it.
class FileInput : public Input {
  public:
    explicit FileInput(int fd) : fd_(fd) {}
    std::size_t read(char* buffer, std::size_t capacity) override;

  protected:
    int fd() const { return fd_; }

  private:
    int fd_;
};

// Reads a file it opens and closes; the constructor throws ReadError where it cannot be opened.
class OpenedFile : public FileInput {
  public:
    explicit OpenedFile(const std::string& path);
    ~OpenedFile() override;
    OpenedFile(const OpenedFile&) = delete;
    OpenedFile& operator=(const OpenedFile&) = delete;
};

// Text held in memory, handed out at most `pieceBytes` at a time, as a pipe may hand it out.
class TextInput : public Input {
  public:
    explicit TextInput(std::string text, std::size_t pieceBytes = std::string::npos)
        : text_(std::move(text)), pieceBytes_(pieceBytes) {}
    std::size_t read(char* buffer, std::size_t capacity) override {
        const auto count = std::min({capacity, pieceBytes_, text_.size() - at_});
        std::copy_n(text_.data() + at_, count, buffer);
        at_ += count;
        return count;
    }

  private:
    std::string text_;
    std::size_t pieceBytes_;
    std::size_t at_ = 0;
};

// The bytes of an input not yet used, read in blocks so memory stays flat however long the input
// is. Readers scan from begin() to end(), consume() what they used and readMore() where a value
// or a row runs past end(); a row longer than the buffer grows it.
class InputBuffer {
  public:
    static constexpr std::size_t kBlockBytes = std::size_t{64} * 1024;

    // `beforeRead` runs before each read that may wait: it hands on what was written so far, so
    // answers keep pace with a slow producer.
    InputBuffer(Input& input, std::function<void()> beforeRead)
        : input_(input), beforeRead_(std::move(beforeRead)) {}

    const char* begin() const { return bytes_.data() + used_; }
    const char* end() const { return bytes_.data() + filled_; }
    void consume(const char* to) { used_ = static_cast<std::size_t>(to - bytes_.data()); }
    // Reads more after end(), keeping the bytes not consumed (begin() may move); false at the end
    // of the input.
    bool readMore();

  private:
    Input& input_;
    std::function<void()> beforeRead_;
    std::vector<char> bytes_ = std::vector<char>(kBlockBytes);
    std::size_t used_ = 0;
    std::size_t filled_ = 0;
};

}  // namespace tarnvale::cli
