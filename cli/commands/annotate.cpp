#include <memory>
#include <optional>
#include <string>

#include "cli/annotation.h"
#include "cli/commands.h"
#include "cli/csv_reader.h"
#include "cli/options.h"
#include "engine/band_names.h"
#include "engine/band_table.h"
#include "engine/input_text.h"
#include "engine/number_text.h"

// annotate --format FORMAT --column NAME [--band BAND] [--direction D] [FILE]: a CSV log with
// the bands and carriers of its channel numbers appended, every input byte kept.
namespace tarnvale::cli::commands {
namespace {

struct AnnotateSettings {
    std::span<const BandRef> bands;
    std::optional<BandRef> band;  // storage for a one-band span
    DirectionChoice direction = DirectionChoice::Downlink;
    char delimiter = ',';
    bool wrapped = false;
};

Reading<DirectionChoice> readDirection(const std::optional<std::string>& text) {
    static constexpr std::array<std::pair<std::string_view, DirectionChoice>, 3> kNames = {{
        {"downlink", DirectionChoice::Downlink},
        {"uplink", DirectionChoice::Uplink},
        {"any", DirectionChoice::Any},
    }};
    if (!text) {
        return {DirectionChoice::Downlink, {}};
    }
    for (const auto& [name, choice] : kNames) {
        if (namesMatch(*text, name, NameMatch::IgnoreCase)) {
            return {choice, {}};
        }
    }
    return {std::nullopt, "--direction takes downlink, uplink or any, not " + inQuotes(*text)};
}

constexpr Option kDelimiterOption{.flag = "--delimiter",
                                  .valueName = "D",
                                  .help = "the field delimiter: , (default), ; or tab",
                                  .whenMissing = "--delimiter needs , ; or tab"};

Reading<char> readDelimiter(const std::optional<std::string>& text) {
    if (!text || *text == ",") {
        return {',', {}};
    }
    if (*text == ";") {
        return {';', {}};
    }
    if (*text == "\t" || namesMatch(*text, "tab", NameMatch::IgnoreCase) || *text == "\\t") {
        return {'\t', {}};
    }
    return {std::nullopt, "--delimiter takes , ; or tab, not " + inQuotes(*text)};
}

// The reasons a command line of annotate is refused before any input is read.
std::optional<std::string> usageProblem(const Request& request) {
    if (request.style.json) {
        return "annotate writes CSV: --json does not apply";
    }
    if (request.style.crlf || !request.style.header) {
        return "annotate keeps the input's header and line ends: --crlf and --no-header do not "
               "apply";
    }
    if (!request.given(kFormatOption)) {
        return "annotate needs --format FORMAT, the format of the channel numbers";
    }
    if (!request.given(kColumnOption)) {
        return "annotate needs --column NAME, the header name of the channel numbers";
    }
    return std::nullopt;
}

std::optional<AnnotateSettings> readSettings(const Request& request, Diagnostics& diagnostics) {
    if (const auto problem = usageProblem(request)) {
        diagnostics.badInput(*problem);
        return std::nullopt;
    }
    AnnotateSettings settings;
    const auto format = diagnostics.accept(resolveFormat(*request.value(kFormatOption)));
    if (!format) {
        return std::nullopt;
    }
    settings.bands = bandsOf(*format);
    if (const auto band = request.value(kBandOption)) {
        if (!(settings.band = diagnostics.accept(resolveBand(*format, *band)))) {
            return std::nullopt;
        }
    }
    const auto direction = diagnostics.accept(readDirection(request.value(kDirectionOption)));
    if (!direction) {
        return std::nullopt;
    }
    settings.direction = *direction;
    const auto delimiter = diagnostics.accept(readDelimiter(request.value(kDelimiterOption)));
    if (!delimiter) {
        return std::nullopt;
    }
    settings.delimiter = *delimiter;
    settings.wrapped = request.given(kEarfcnWrappedOption);
    if (settings.wrapped && *format != Format::Lte) {
        diagnostics.badInput("--earfcn-wrapped is for LTE: EARFCNs are the numbers that wrap");
        return std::nullopt;
    }
    return settings;
}

// The place of the column in the header: the field that is the name, or else the one field that
// is the name in another letter case; or nullopt with the problem said.
std::optional<std::size_t> columnIndex(CsvReader& reader, const std::string& name,
                                       Diagnostics& diagnostics) {
    std::vector<std::size_t> exact;
    std::vector<std::size_t> anyCase;
    std::string names;
    for (std::size_t k = 0; k < reader.fieldCount(); ++k) {
        const auto field = reader.field(k);
        names += (k > 0 ? ", " : "") + inQuotes(field);
        if (field == name) {
            exact.push_back(k);
        } else if (namesMatch(field, name, NameMatch::IgnoreCase)) {
            anyCase.push_back(k);
        }
    }
    const auto& found = exact.empty() ? anyCase : exact;
    if (found.size() == 1) {
        return found.front();
    }
    if (found.empty()) {
        diagnostics.badInput("the header has no column " + inQuotes(name) +
                             "; its columns: " + names);
    } else {
        diagnostics.badInput("the header names the column " + inQuotes(name) +
                             " more than once (columns " + std::to_string(found[0] + 1) + " and " +
                             std::to_string(found[1] + 1) + ")");
    }
    return std::nullopt;
}

class RowAnnotator {
  public:
    RowAnnotator(const AnnotateSettings& settings, std::size_t column, std::size_t headerFields,
                 std::string columnName)
        : annotator_(settings.band ? std::span<const BandRef>(&*settings.band, 1) : settings.bands,
                     settings.direction, settings.delimiter, settings.wrapped),
          column_(column),
          headerFields_(headerFields),
          columnName_(std::move(columnName)) {}

    // The fields to append to the row, with the problem (empty where none) said once.
    std::string_view fieldsFor(CsvReader& reader, std::string& problem) {
        const std::size_t count = reader.fieldCount();
        if (count < headerFields_) {
            problem = "the row has " + std::to_string(count) +
                      (count == 1 ? " field, the header " : " fields, the header ") +
                      std::to_string(headerFields_);
        }
        if (column_ >= count) {
            return kNoFields;
        }
        const auto text = trimmed(reader.field(column_));
        const auto number = parseChannel(text);
        const bool isNumber = number && *number >= 0;
        const auto fields = isNumber ? annotator_.fieldsOf(*number) : std::string_view();
        if (!fields.empty()) {
            return fields;
        }
        addProblem(problem, text.empty() ? "the " + columnName_ + " field is empty"
                            : !isNumber  ? readChannelNumber(text).problem
                                         : annotator_.nothingText(*number));
        return kNoFields;
    }

  private:
    static constexpr std::string_view kNoFields = ",,";

    static void addProblem(std::string& problem, const std::string& more) {
        problem += problem.empty() ? more : "; " + more;
    }

    Annotator annotator_;
    std::size_t column_;
    std::size_t headerFields_;
    std::string columnName_;
};

void writeRow(report::Sink& out, const CsvRow& row, char delimiter, std::string_view appended) {
    const bool blank = row.bytes.empty();
    char* at = out.reserve(row.bytes.size() + 1 + appended.size() + row.lineEnd.size());
    at = std::copy(row.bytes.begin(), row.bytes.end(), at);
    if (!blank) {
        *at++ = delimiter;
        at = std::copy(appended.begin(), appended.end(), at);
    }
    out.commit(std::copy(row.lineEnd.begin(), row.lineEnd.end(), at));
    out.flushIfFull();
}

void annotate(const Request& request, const AnnotateSettings& settings, Input& input,
              report::Sink& out, Diagnostics& diagnostics) {
    CsvReader reader(
        input,
        [&] {
            out.flush();
            diagnostics.flush();
        },
        settings.delimiter);
    const auto header = reader.next();
    if (!header || header->verbatim()) {
        diagnostics.badInput(!header ? "the input is empty: annotate needs a header row"
                             : header->notCsv == NotCsv::OpenQuote
                                 ? "the header row does not end: a quote in it never closes"
                                 : "the header row is longer than 1 MiB");
        return;
    }
    const auto columnName = *request.value(kColumnOption);
    const auto column = columnIndex(reader, columnName, diagnostics);
    if (!column) {
        return;
    }
    RowAnnotator rows(settings, *column, reader.fieldCount(), columnName);
    std::string names;
    for (const auto name : kAnnotationColumns) {
        if (!names.empty()) {
            names += settings.delimiter;
        }
        names += name;
    }
    writeRow(out, *header, settings.delimiter, names);
    std::string problem;
    while (const auto row = reader.next()) {
        diagnostics.atLine(row->line);
        problem.clear();
        if (row->verbatim()) {
            diagnostics.badInput(row->notCsv == NotCsv::OpenQuote
                                     ? "a quote in the row never closes: the rest of the input "
                                       "is copied as it is"
                                     : "the row is longer than 1 MiB: the rest of the input is "
                                       "copied as it is");
            out.write(row->bytes);
            while (const auto rest = reader.next()) {
                out.write(rest->bytes);
                out.flushIfFull();
            }
            break;
        }
        const auto appended =
            row->bytes.empty() ? std::string_view() : rows.fieldsFor(reader, problem);
        writeRow(out, *row, settings.delimiter, appended);
        if (!problem.empty()) {
            diagnostics.warning(problem);
        }
    }
}

void run(const Request& request, report::Sink& out, Diagnostics& diagnostics) {
    const auto settings = readSettings(request, diagnostics);
    if (!settings) {
        return;
    }
    const bool named = !request.arguments.empty() && request.arguments[0] != "-";
    const std::string name = named ? request.arguments[0] : "standard input";
    try {
        const auto file = named ? std::make_unique<OpenedFile>(name) : nullptr;
        annotate(request, *settings, file ? *file : *request.input, out, diagnostics);
    } catch (const ReadError& e) {
        out.flush();
        diagnostics.atLine(0);
        diagnostics.badInput("cannot read " + name + ": " + e.what());
    }
    diagnostics.atLine(0);
}

constexpr Argument kArguments[] = {
    {.name = "FILE",
     .help = "a CSV file with a header row; standard input if left out or -",
     .optional = true}};
constexpr const Option* kOptions[] = {&kFormatOption,    &kColumnOption,        &kBandOption,
                                      &kDirectionOption, &kEarfcnWrappedOption, &kDelimiterOption};

}  // namespace

const Command annotate{
    .name = "annotate",
    .summary = "a CSV log with the bands and carriers of its channel numbers",
    .arguments = kArguments,
    .options = kOptions,
    .details =
        "Writes the CSV back with every byte as it was and the columns below appended: the "
        "bands of the format (or --band) that hold the row's number as a channel of the "
        "direction, in catalogue order, and the direction and carrier of each, joined by "
        "|; one direction and carrier where all agree. A classic or TDD channel names a "
        "pair: downlink gives its forward carrier, uplink its reverse one, any the forward "
        "one; a WCDMA downlink number is a downlink channel. With --earfcn-wrapped, a band "
        "that holds the number plus 65536 is named with that EARFCN, \"Band 66 (66436)\". "
        "--column matches the header name exactly, or else in any letter case where one "
        "column does. A row whose number is missing, no number or in no band gets empty "
        "fields and a warning naming its line; so does a row shorter than the header. Blank "
        "lines are kept as they are; a line may end in LF, CRLF or CR.",
    .columns = kAnnotationColumns,
    .example = "tarnvale-cli annotate --format LTE --column earfcn log.csv > annotated.csv",
    .run = run};

}  // namespace tarnvale::cli::commands
