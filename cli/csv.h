#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace tarnvale::cli {

// Appends one field, quoted where it holds a comma, quote or line break.
void appendCsvField(std::string& out, std::string_view field);

// Appends one RFC 4180 record: fields quoted where they hold a comma, quote or line break;
// lines end in CRLF as the RFC asks.
void appendCsvRecord(std::string& out, std::initializer_list<std::string_view> fields);

}  // namespace tarnvale::cli
