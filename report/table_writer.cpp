#include "report/table_writer.h"

#include <algorithm>

#include "engine/number_text.h"

namespace tarnvale::report {
namespace {

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

TableWriter::TableWriter(Sink& sink, std::span<const std::string_view> names, OutputStyle style)
    : sink_(sink), names_(names), style_(style), lastText_(names.size()) {
    // Each cache starts with the empty text, encoded as any other ("" in JSON).
    for (auto& last : lastText_) {
        encode(last, {});
    }
    if (style_.json || !style_.header) {
        return;
    }
    for (const auto name : names_) {
        text(name);
    }
    endRow();
}

void TableWriter::encode(WrittenText& last, std::string_view value) const {
    last.raw = value;
    last.encoded.clear();
    if (style_.json) {
        appendJsonString(last.encoded, value);
    } else {
        appendCsvField(last.encoded, value);
    }
}

// JSON wants a digit before a decimal point: ".5" is written 0.5 there.
char* TableWriter::leadingZero(char* start, char* end) {
    char* point = *start == '-' ? start + 1 : start;
    std::copy_backward(point, end, end + 1);
    *point = '0';
    return end + 1;
}

char* TableWriter::beginJsonField(std::size_t valueBytes) {
    const auto name = names_[field_];
    char* at = sink_.reserve(valueBytes + name.size() + 5);
    at = std::copy_n(field_ == 0 ? "{\"" : ",\"", 2, at);
    at = std::copy(name.begin(), name.end(), at);
    ++field_;
    return std::copy_n("\":", 2, at);
}

}  // namespace tarnvale::report
