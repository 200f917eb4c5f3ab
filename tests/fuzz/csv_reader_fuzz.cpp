// CSV logs of any bytes, arriving in pieces of any size: the fast split gives the plain split's
// fields, the reader gives back every byte, in rows whose line numbers never go back, and
// annotate keeps every input byte in order, ending with status 0, 1 or 2.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli.h"
#include "cli/csv_reader.h"

namespace {

using namespace tarnvale;

struct Row {
    std::string bytes;
    std::string lineEnd;
    std::size_t line;
    cli::NotCsv notCsv;
    std::vector<std::string> fields;
    bool operator==(const Row&) const = default;
};

std::vector<Row> readRows(const std::string& text, std::size_t pieceBytes, char delimiter,
                          cli::Splitting splitting) {
    cli::TextInput input(text, pieceBytes);
    cli::CsvReader reader(input, {}, delimiter, splitting);
    std::vector<Row> rows;
    while (const auto row = reader.next()) {
        rows.push_back(
            {std::string(row->bytes), std::string(row->lineEnd), row->line, row->notCsv, {}});
        for (std::size_t k = 0; k < reader.fieldCount(); ++k) {
            rows.back().fields.emplace_back(reader.field(k));
        }
    }
    return rows;
}

// The fast split gives the plain split's rows and fields; every byte is in a row, and line
// numbers never go back.
void checkRows(const std::string& text, std::size_t pieceBytes, char delimiter) {
    const auto rows = readRows(text, pieceBytes, delimiter, cli::Splitting::Fast);
    if (rows != readRows(text, pieceBytes, delimiter, cli::Splitting::Plain)) {
        std::abort();
    }
    std::string again;
    std::size_t line = 0;
    for (const auto& row : rows) {
        if (row.line < line || (row.notCsv == cli::NotCsv::No && row.fields.empty())) {
            std::abort();
        }
        line = row.line;
        again += row.bytes;
        again += row.lineEnd;
    }
    if (again != text) {
        std::abort();
    }
}

// Whether `inner` is `outer` with bytes left out.
bool keptInOrder(std::string_view inner, std::string_view outer) {
    std::size_t at = 0;
    for (const char c : outer) {
        at += at < inner.size() && inner[at] == c ? 1 : 0;
    }
    return at == inner.size();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::size_t pieceBytes = 1 + data[0] % 8;
    const char delimiter = (data[0] & 0x80) != 0 ? ';' : ',';
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    checkRows(text, pieceBytes, delimiter);
    checkRows(text, cli::InputBuffer::kBlockBytes, delimiter);

    const std::string log = "earfcn,x\n" + text;
    const std::vector<std::string_view> args = {"annotate", "--format",    "LTE", "--column",
                                                "earfcn",   "--direction", "any"};
    report::StringSink out;
    std::string err;
    const int status = cli::run(args, out, err, log);
    if (status < cli::kExitOk || status > cli::kExitBadInput ||
        (status != cli::kExitOk) == err.empty() || !keptInOrder(log, out.text())) {
        std::abort();
    }
    return 0;
}
