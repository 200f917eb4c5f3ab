#include "cli/arguments.h"
#include "cli/cell_reading.h"
#include "cli/commands.h"
#include "cli/options.h"
#include "engine/nr_raster.h"
#include "gnb_config/oai_config.h"
#include "report/cell_columns.h"
#include "report/rows.h"

namespace tarnvale::cli::commands {
namespace {

constexpr Option kOaiConfOption{
    .flag = "--oai-conf",
    .valueName = "FILE",
    .help = "the cells of an OpenAirInterface gNB configuration file instead",
    .whenMissing = "--oai-conf needs a file"};

// The fields the options give, or nullopt with the problems said.
std::optional<GivenCell> givenCell(const Request& request, Diagnostics& diagnostics) {
    if (request.arguments.size() != 2) {
        diagnostics.badInput("check needs NR and a band, or --oai-conf FILE");
        return std::nullopt;
    }
    const auto band = readNrBand(request, "check", diagnostics);
    OptionReader read(request, diagnostics);
    const auto pointA = read.required(kPointAOption, 0, kLastNrArfcn, "absoluteFrequencyPointA");
    const auto rbs = read.required(kCarrierRbsOption, 1, 275, "carrierBandwidth");
    const auto scs = read.required(kScsOption, 15, 960, "subcarrierSpacing");
    const auto offset = read.number(kOffsetToCarrierOption, 0, 2199, "offsetToCarrier");
    const auto ssb = read.required(kSsbArfcnOption, 0, kLastNrArfcn, "absoluteFrequencySSB");
    const auto ssbScs = read.number(kSsbScsOption, 15, 960, "ssbSubcarrierSpacing");
    const auto kSsb = read.number(kKssbOption, 0, 31, "k_SSB");
    const auto offsetToPointA = read.number(kOffsetToPointAOption, 0, 2199, "offsetToPointA");
    const auto coreset0 = read.number(kCoreset0Option, 0, 15, "controlResourceSetZero");
    const auto ss0 = read.number(kSearchSpaceZeroOption, 0, 15, "searchSpaceZero");
    if (!band || !read.ok()) {
        return std::nullopt;
    }
    const auto small = [](const std::optional<std::int64_t>& v) {
        return v ? std::optional<int>(static_cast<int>(*v)) : std::nullopt;
    };
    const auto spacing = [](const std::optional<std::int64_t>& v) {
        return v ? std::optional<std::int32_t>(static_cast<std::int32_t>(*v)) : std::nullopt;
    };
    GivenCell given{*band};
    given.pointA = pointA;
    given.offsetToCarrier = small(offset).value_or(0);
    given.carrierBandwidth = small(rbs);
    given.scsKhz = spacing(scs);
    given.ssbArfcn = ssb;
    given.ssbScsKhz = spacing(ssbScs);
    given.kSsb = small(kSsb);
    given.offsetToPointA = small(offsetToPointA);
    given.coreset0 = small(coreset0);
    given.searchSpaceZero = small(ss0);
    return given;
}

void writeProblems(report::Rows<report::kProblemColumns>& rows, std::string_view cell,
                   const std::vector<ConfigProblem>& problems, Diagnostics& diagnostics) {
    for (const auto& problem : problems) {
        rows.write({cell, &problem});
    }
    if (!problems.empty()) {
        diagnostics.warning(std::string(cell) + ": " + std::to_string(problems.size()) +
                            (problems.size() == 1 ? " problem" : " problems"));
    }
}

void run(const Request& request, report::Sink& out, Diagnostics& diagnostics) {
    if (const auto path = request.value(kOaiConfOption)) {
        if (!request.arguments.empty()) {
            diagnostics.badInput("check takes NR and a band, or --oai-conf FILE, not both");
            return;
        }
        std::vector<OaiCell> cells;
        try {
            cells = readOaiConfig(*path);
        } catch (const ConfigFileError& e) {
            diagnostics.badInput(e.what());
            return;
        }
        report::Rows<report::kProblemColumns> rows(out, request.style);
        for (const auto& cell : cells) {
            auto problems = cell.problems;
            if (cell.fields) {
                const auto check = checkCell(*cell.fields);
                problems.insert(problems.end(), check.problems.begin(), check.problems.end());
            }
            writeProblems(rows, cell.name, problems, diagnostics);
        }
        return;
    }
    const auto given = givenCell(request, diagnostics);
    if (!given) {
        return;
    }
    const auto check = checkCell(*given);
    report::Rows<report::kProblemColumns> rows(out, request.style);
    writeProblems(rows, fullName(given->band), check.problems, diagnostics);
}

constexpr Argument kArguments[] = {
    {.name = "NR", .help = "the format: these are NR cells", .optional = true},
    {.name = kBandArgument.name, .help = kBandArgument.help, .optional = true}};
constexpr const Option* kOptions[] = {
    &kPointAOption,   &kCarrierRbsOption,      &kScsOption,    &kOffsetToCarrierOption,
    &kSsbArfcnOption, &kSsbScsOption,          &kKssbOption,   &kOffsetToPointAOption,
    &kCoreset0Option, &kSearchSpaceZeroOption, &kOaiConfOption};
constexpr auto kColumns = report::namesOf(report::kProblemColumns);

}  // namespace

const Command check{
    .name = "check",
    .summary = "the problems of an NR cell's frequency fields, each named",
    .arguments = kArguments,
    .options = kOptions,
    .details =
        "Checks every relation between the fields as given: a carrier bandwidth and spacing the "
        "band allows, a carrier on the channel raster inside the band, an SS block on the band's "
        "synchronisation raster inside the carrier's resource blocks, k_SSB and offsetToPointA "
        "as Point A and the SS block make them, a CORESET#0 row that exists and lies inside the "
        "carrier, searchSpaceZero, the initial BWP inside the carrier and, for FDD, an uplink "
        "carrier of the band. One row a problem: the field, the value given and a value (or "
        "range) that would mend it with the others as they are; a relation several fields could "
        "mend gets a row for each. Status 1 where a problem is found (and a line a cell on "
        "standard error), 0 where none. --oai-conf reads each gNB's servingCellConfigCommon "
        "(dl_* and ul_* fields, initialDLBWP*, subcarrierSpacing of the SS block, and "
        "pdcch_ConfigSIB1 where the initial BWP has no CORESET#0); k_SSB is no field there, so "
        "it is worked out and CORESET#0 checked with it.",
    .columns = kColumns,
    .example =
        "tarnvale-cli check NR n78 --point-a 640008 --carrier-rbs 106 --scs 30 --ssb-arfcn "
        "641280 --coreset0 12 --search-space-zero 0",
    .run = run};

}  // namespace tarnvale::cli::commands
