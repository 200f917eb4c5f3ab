#include "cli/table_writer.h"

#include <algorithm>

#include "engine/number_text.h"

namespace tarnvale::cli {
namespace {

constexpr std::string_view kDot = ".";

bool needsQuotes(std::string_view field) {
    return field.find_first_of(",\"\r\n") != std::string_view::npos;
}

void appendJsonString(std::string& out, std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    out += '"';
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            out += "\\u00";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        } else {
            out += c;
        }
    }
    out += '"';
}

}  // namespace

void appendCsvField(std::string& out, std::string_view field) {
    if (!needsQuotes(field)) {
        out += field;
        return;
    }
    out += '"';
    for (const char c : field) {
        if (c == '"') {
            out += '"';
        }
        out += c;
    }
    out += '"';
}

TableWriter::TableWriter(Sink& sink, std::span<const Column> columns, OutputStyle style)
    : sink_(sink), columns_(columns), style_(style), lastText_(columns.size()) {
    if (style_.json || !style_.header) {
        return;
    }
    for (const auto& column : columns_) {
        text(column.name);
    }
    endRow();
}

char* TableWriter::beginJsonField(std::size_t valueBytes) {
    const auto& name = columns_[field_].name;
    char* at = sink_.reserve(valueBytes + name.size() + 5);
    at = std::copy_n(field_ == 0 ? "{\"" : ",\"", 2, at);
    at = std::copy(name.begin(), name.end(), at);
    ++field_;
    return std::copy_n("\":", 2, at);
}

void TableWriter::text(std::string_view value) {
    auto& last = lastText_[field_];
    if (value.data() != last.data || value.size() != last.size) {
        last.data = value.data();
        last.size = value.size();
        last.encoded.clear();
        if (style_.json) {
            appendJsonString(last.encoded, value);
        } else {
            appendCsvField(last.encoded, value);
        }
    }
    char* at = beginField(last.encoded.size());
    sink_.commit(std::copy(last.encoded.begin(), last.encoded.end(), at));
}

// JSON wants a digit before a decimal point: ".5" is written 0.5 there.
void TableWriter::endNumber(char* start, char* end) {
    const bool bare = style_.json && start != end &&
                      (*start == '.' || (*start == '-' && start + 1 != end && start[1] == '.'));
    if (bare) {
        char* point = *start == '-' ? start + 1 : start;
        std::copy_backward(point, end, end + 1);
        *point = '0';
        ++end;
    }
    sink_.commit(end);
}

void TableWriter::number(std::string_view digits) {
    char* at = beginField(digits.size() + 1);
    endNumber(at, std::copy(digits.begin(), digits.end(), at));
}

void TableWriter::frequency(double mhz) {
    char* at = beginField(kMaxFrequencyChars + 1);
    endNumber(at, writeFrequency(at, mhz, kDot));
}

void TableWriter::kilohertz(std::int64_t khz) {
    char* at = beginField(kMaxIntegerChars + 2);
    sink_.commit(writeKilohertzAsMegahertz(at, khz, kDot));
}

void TableWriter::generalNumber(double value) {
    std::string digits;
    appendNumber(digits, value, kDot);
    number(digits);
}

void TableWriter::empty() {
    char* at = beginField(4);
    sink_.commit(style_.json ? std::copy_n("null", 4, at) : at);
}

void TableWriter::endRow() {
    char* at = sink_.reserve(2);
    if (style_.json) {
        at = std::copy_n("}\n", 2, at);
    } else {
        at = style_.crlf ? std::copy_n("\r\n", 2, at) : std::copy_n("\n", 1, at);
    }
    sink_.commit(at);
    field_ = 0;
    sink_.flushIfFull();
}

}  // namespace tarnvale::cli
