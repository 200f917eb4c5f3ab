#include "python/json_rows.h"

#include <charconv>
#include <map>
#include <stdexcept>
#include <string>

namespace tarnvale::python {
namespace py = pybind11;
namespace {

// Reads the flat objects the table writer makes: text keys; number, text or null values.
class LineReader {
  public:
    using Names = std::map<std::string, py::str, std::less<>>;

    LineReader(std::string_view line, Names& names) : line_(line), names_(names) {}

    py::dict object() {
        py::dict row;
        expect('{');
        while (peek() != '}') {
            auto key = name(text());
            expect(':');
            row[key] = value();
            if (peek() == ',') {
                ++at_;
            }
        }
        return row;
    }

  private:
    char peek() const {
        if (at_ >= line_.size()) {
            throw std::runtime_error("a row ends early: " + std::string(line_));
        }
        return line_[at_];
    }
    void expect(char c) {
        if (peek() != c) {
            throw std::runtime_error("a row is no JSON object: " + std::string(line_));
        }
        ++at_;
    }

    // Column names repeat on every row: one str each.
    py::str name(const std::string& text) {
        auto found = names_.find(text);
        if (found == names_.end()) {
            found = names_.emplace(text, py::str(text)).first;
        }
        return found->second;
    }

    std::string text() {
        expect('"');
        std::string out;
        while (peek() != '"') {
            char c = line_[at_++];
            if (c == '\\') {
                c = line_[at_++];
                if (c == 'u') {
                    out += static_cast<char>(
                        std::stoi(std::string(line_.substr(at_, 4)), nullptr, 16));
                    at_ += 4;
                    continue;
                }
            }
            out += c;
        }
        ++at_;
        return out;
    }

    py::object value() {
        if (peek() == '"') {
            // An empty text is an empty field, as in the CSV.
            auto value = text();
            return value.empty() ? py::object(py::none()) : py::object(py::str(value));
        }
        if (line_.substr(at_, 4) == "null") {
            at_ += 4;
            return py::none();
        }
        const std::size_t end = line_.find_first_of(",}", at_);
        const std::string_view digits = line_.substr(at_, end - at_);
        at_ = end;
        if (digits.find_first_of(".eE") != std::string_view::npos) {
            double number = 0;
            std::from_chars(digits.data(), digits.data() + digits.size(), number);
            return py::float_(number);
        }
        long long whole = 0;
        const auto [ptr, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), whole);
        if (error != std::errc()) {
            return py::int_(py::str(std::string(digits)));
        }
        return py::int_(whole);
    }

    std::string_view line_;
    std::size_t at_ = 0;
    Names& names_;
};

}  // namespace

py::list rowsOf(std::string_view jsonLines) {
    py::list rows;
    LineReader::Names names;
    std::size_t from = 0;
    while (from < jsonLines.size()) {
        std::size_t end = jsonLines.find('\n', from);
        end = end == std::string_view::npos ? jsonLines.size() : end;
        if (end > from) {
            rows.append(LineReader(jsonLines.substr(from, end - from), names).object());
        }
        from = end + 1;
    }
    return rows;
}

}  // namespace tarnvale::python
