#include <string>
#include <string_view>
#include <vector>

#include "cli/arguments.h"
#include "cli/carrier_reading.h"
#include "cli/commands.h"
#include "engine/carrier_aggregation.h"
#include "engine/input_text.h"
#include "report/ca_columns.h"
#include "report/carrier_columns.h"
#include "report/rows.h"

namespace tarnvale::cli::commands {
namespace {

constexpr Option kNextOption{
    .flag = "--next",
    .valueName = "BW[:SCS]",
    .help = "the carrier of this bandwidth (and spacing) at the nominal spacing above",
    .whenMissing = "--next needs a bandwidth in MHz, such as 20 or 100:30"};
constexpr Option kBelowOption{.flag = "--below", .help = "with --next, below instead"};

std::vector<std::string_view> split(std::string_view text) {
    std::vector<std::string_view> parts;
    for (std::size_t from = 0;;) {
        const std::size_t colon = text.find(':', from);
        parts.push_back(text.substr(from, colon - from));
        if (colon == std::string_view::npos) {
            return parts;
        }
        from = colon + 1;
    }
}

// "BANDWIDTH[:SCS]" as a carrier shape of the band, or nullopt with the problem said.
std::optional<CarrierShape> readShape(BandRef band, std::string_view bandwidth,
                                      std::optional<std::string_view> scsText,
                                      Diagnostics& diagnostics) {
    const auto khz = diagnostics.accept(readBandwidth(std::string(bandwidth)));
    if (!khz) {
        return std::nullopt;
    }
    std::optional<std::int32_t> scs;
    if (scsText && !(scs = diagnostics.accept(readCount(
                         std::string(*scsText), "a subcarrier spacing in kHz (such as 30)")))) {
        return std::nullopt;
    }
    return diagnostics.accept(carrierShape(band, *khz, scs));
}

// "CHANNEL:BANDWIDTH[:SCS]" as a carrier of the band, or nullopt with the problem said.
std::optional<BandwidthCarrier> readComponent(BandRef band, std::string_view text,
                                              Diagnostics& diagnostics) {
    const auto parts = split(text);
    if (parts.size() < 2 || parts.size() > 3) {
        diagnostics.badInput(inQuotes(text) +
                             " is no component carrier: CHANNEL:BANDWIDTH or "
                             "CHANNEL:BANDWIDTH:SCS, such as 1300:20 or 636666:100:30");
        return std::nullopt;
    }
    const auto channel = diagnostics.accept(readChannelNumber(trimmed(parts[0])));
    const auto shape =
        channel ? readShape(band, parts[1],
                            parts.size() == 3 ? std::optional(parts[2]) : std::nullopt, diagnostics)
                : std::nullopt;
    return shape ? diagnostics.accept(carrierAt(band, *channel, *shape)) : std::nullopt;
}

void writeAggregation(const Request& request, const Aggregation& aggregation, report::Sink& out,
                      Diagnostics& diagnostics) {
    // CSV tables of different columns follow one another after a blank line.
    const std::string_view between = request.style.json ? "" : request.style.crlf ? "\r\n" : "\n";
    {
        report::Rows<report::kCarrierColumns> rows(out, request.style);
        for (const auto& carrier : aggregation.carriers) {
            for (const auto& row : report::carrierRows(carrier)) {
                rows.write(row);
            }
        }
    }
    out.write(between);
    {
        report::Rows<report::kCaPairColumns> rows(out, request.style);
        for (const auto& pair : aggregation.pairs) {
            rows.write({&aggregation, &pair});
        }
    }
    out.write(between);
    report::Rows<report::kCaAggregateColumns> rows(out, request.style);
    for (const auto& each : aggregation.aggregates) {
        rows.write(each);
    }
    for (const auto& problem : aggregation.problems) {
        diagnostics.warning(problem);
    }
}

void run(const Request& request, report::Sink& out, Diagnostics& diagnostics) {
    const auto band = readBand(request, diagnostics);
    if (!band) {
        return;
    }
    if (band->format() != Format::Lte && band->format() != Format::Nr) {
        diagnostics.badInput("ca aggregates LTE and NR carriers, not " +
                             std::string(band->formatName()) + " ones");
        return;
    }
    const auto next = request.value(kNextOption);
    const std::size_t given = request.arguments.size() - 2;
    if (!next && given < kFewestComponentCarriers) {
        diagnostics.badInput("ca needs two component carriers or more, or one and --next");
        return;
    }
    if (next && given != 1) {
        diagnostics.badInput("--next takes one component carrier, the one to go on from");
        return;
    }
    if (given > kMostComponentCarriers) {
        diagnostics.badInput("ca takes 2 to 5 component carriers, not " + std::to_string(given));
        return;
    }
    std::vector<BandwidthCarrier> carriers;
    for (std::size_t i = 2; i < request.arguments.size(); ++i) {
        if (auto carrier = readComponent(*band, request.arguments[i], diagnostics)) {
            carriers.push_back(*carrier);
        }
    }
    if (carriers.size() != given) {
        return;
    }
    if (next) {
        const auto parts = split(*next);
        const auto shape =
            parts.size() > 2
                ? (diagnostics.badInput("--next takes BANDWIDTH or BANDWIDTH:SCS, not " +
                                        inQuotes(*next)),
                   std::nullopt)
                : readShape(*band, parts[0],
                            parts.size() == 2 ? std::optional(parts[1]) : std::nullopt,
                            diagnostics);
        if (!shape) {
            return;
        }
        auto following = nextCarrier(carriers.front(), *shape, request.given(kBelowOption));
        if (!following.value) {
            diagnostics.warning(following.problem);
            return;
        }
        carriers.push_back(*following.value);
    }
    const auto aggregation = diagnostics.accept(aggregate(std::move(carriers)));
    if (aggregation) {
        writeAggregation(request, *aggregation, out, diagnostics);
    }
}

constexpr Argument kArguments[] = {
    kFormatArgument,
    kBandArgument,
    {.name = "CHANNEL:BANDWIDTH[:SCS]",
     .help = "a component carrier: its channel, its bandwidth in MHz and (NR) spacing in kHz",
     .repeats = true}};
constexpr const Option* kOptions[] = {&kNextOption, &kBelowOption};
constexpr auto kColumns = report::namesOf(report::kCarrierColumns);
constexpr auto kPairColumns = report::namesOf(report::kCaPairColumns);
constexpr auto kAggregateColumns = report::namesOf(report::kCaAggregateColumns);
constexpr OtherRows kOtherRows[] = {
    {.intro = "Then, after a blank line, one row for each adjacent pair, with the columns",
     .columns = kPairColumns},
    {.intro = "Then, after a blank line, the aggregate of each direction every carrier has, with "
              "the columns",
     .columns = kAggregateColumns}};

}  // namespace

const Command ca{
    .name = "ca",
    .summary = "contiguous carrier aggregation: spacings and the aggregate's edges",
    .arguments = kArguments,
    .whenTooFew = "ca needs LTE or NR, a band and component carriers",
    .options = kOptions,
    .details =
        "Two to five contiguous component carriers of an LTE or NR band, in any order, each a "
        "valid carrier of the band; first their carrier rows, lowest first. A pair's "
        "nominal_spacing_mhz is TS 36.101 clause 5.7.1A's (LTE) or TS 38.101-1 clause 5.4A.1's "
        "(NR: with the minimum guard bands at the largest spacing the band allows with both "
        "bandwidths); its spacing is allowed on a multiple of step_khz up to the nominal one "
        "(Band 46 also 20.1 MHz for 20+20 and 15 MHz for 10+20; with shared spectrum within "
        "0.3 MHz of it). rb_gap_khz is the room between their resource blocks, negative where "
        "they overlap. The aggregate's edges are F_edge,low and F_edge,high of TS 36.101 clause "
        "5.6A or TS 38.101-1 clause 5.3A.3, and bandwidth_mhz is BW_Channel_CA. A spacing not "
        "allowed, overlapping resource blocks or an aggregate leaving the band gets a line "
        "each, and status 1. With --next, the carrier of that bandwidth at the nominal spacing "
        "above the one given (below with --below), and the same rows for the two; where it "
        "does not fit the band, a line says why (status 1).",
    .columns = kColumns,
    .otherRows = kOtherRows,
    .example = "tarnvale-cli ca LTE 3 1300:20 1498:20",
    .run = run};

}  // namespace tarnvale::cli::commands
