#include "cli/csv.h"

namespace tarnvale::cli {
namespace {

bool needsQuotes(std::string_view field) {
    for (const char c : field) {
        if (c == ',' || c == '"' || c == '\r' || c == '\n') {
            return true;
        }
    }
    return false;
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

void appendCsvRecord(std::string& out, std::initializer_list<std::string_view> fields) {
    bool first = true;
    for (const auto field : fields) {
        if (!first) {
            out += ',';
        }
        first = false;
        appendCsvField(out, field);
    }
    out += "\r\n";
}

}  // namespace tarnvale::cli
