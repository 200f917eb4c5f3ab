#include "cli/arguments.h"
#include "cli/carrier_reading.h"
#include "cli/cell_reading.h"
#include "cli/commands.h"
#include "cli/options.h"
#include "engine/cell_config.h"
#include "engine/nr_raster.h"
#include "report/cell_columns.h"
#include "report/cell_rows.h"
#include "report/rows.h"

namespace tarnvale::cli::commands {
namespace {

constexpr Option kGscnOption{.flag = "--gscn",
                             .valueName = "G",
                             .help = "the SS block at this GSCN (default: config picks)",
                             .whenMissing = "--gscn needs a GSCN"};
constexpr Option kAllOption{
    .flag = "--all",
    .help = "every SS block position with each CORESET#0 that fits, instead of the fields"};

// Every (GSCN, controlResourceSetZero) pair of the carrier.
void allPairs(const Request& request, const BandwidthCarrier& carrier, report::Sink& out,
              Diagnostics& diagnostics) {
    report::Rows<report::kConfigPairColumns> rows(out, request.style);
    bool any = false;
    for (const auto& choice : ssbChoices(carrier)) {
        for (const int index : choice.coreset0) {
            const auto place = *coreset0At(carrier, choice.position, index).value;
            rows.write({&choice.position, &place});
            any = true;
        }
    }
    if (!any) {
        diagnostics.warning("no SS block position of this carrier has a CORESET#0 that fits");
    }
}

void run(const Request& request, report::Sink& out, Diagnostics& diagnostics) {
    const auto band = readNrBand(request, "config", diagnostics);
    const auto shape = band ? readCarrierShape(request, *band, diagnostics) : std::nullopt;
    OptionReader read(request, diagnostics);
    const auto gscn = read.number(kGscnOption, kFirstGscn, kLastGscn, "a GSCN");
    const auto coreset0 = read.number(kCoreset0Option, 0, 15, "controlResourceSetZero");
    const auto ss0 = read.number(kSearchSpaceZeroOption, 0, 15, "searchSpaceZero");
    const auto channel =
        shape ? diagnostics.accept(readChannelNumber(request.arguments[2])) : std::nullopt;
    const auto carrier =
        channel ? diagnostics.accept(carrierAt(*band, *channel, *shape)) : std::nullopt;
    if (!carrier || !read.ok()) {
        return;
    }
    if (!carrier->downlink) {
        diagnostics.badInput(fullName(*band) +
                             " is a supplementary uplink band: it carries no SS "
                             "blocks");
        return;
    }
    if (request.given(kAllOption)) {
        allPairs(request, *carrier, out, diagnostics);
        return;
    }
    const auto narrow = [](const std::optional<std::int64_t>& v) {
        return v ? std::optional<int>(static_cast<int>(*v)) : std::nullopt;
    };
    const auto config = diagnostics.accept(configureCell(
        *carrier, {gscn ? std::optional<Channel>(static_cast<Channel>(*gscn)) : std::nullopt,
                   narrow(coreset0), narrow(ss0)}));
    if (!config) {
        return;
    }
    report::Rows<report::kFieldColumns> rows(out, request.style);
    for (const auto& row : report::configRows(*config)) {
        rows.write(row);
    }
    if (config->noCoreset0) {
        diagnostics.warning(*config->noCoreset0);
    }
}

constexpr Argument kArguments[] = {{.name = "NR", .help = "the format: these are NR cells"},
                                   kBandArgument,
                                   {.name = "CHANNEL", .help = "the carrier's channel number"}};
constexpr const Option* kOptions[] = {&kBandwidthOption, &kScsOption,      &kOffsetToCarrierOption,
                                      &kGscnOption,      &kCoreset0Option, &kSearchSpaceZeroOption,
                                      &kAllOption};
constexpr auto kColumns = report::namesOf(report::kFieldColumns);
constexpr auto kPairColumns = report::namesOf(report::kConfigPairColumns);
constexpr OtherRows kOtherRows[] = {
    {.intro = "With --all, every SS block position with each controlResourceSetZero whose "
              "CORESET#0 fits, with the columns",
     .columns = kPairColumns}};

}  // namespace

const Command config{
    .name = "config",
    .summary = "one consistent set of a carrier's NR cell fields",
    .arguments = kArguments,
    .whenTooFew = "config needs NR, a band and a channel",
    .options = kOptions,
    .details =
        "One row a field, as a gNB configuration, the MIB and SIB1 hold them: part names where "
        "(downlink and uplink FrequencyInfo, cell, MIB, initial downlink BWP, CORESET#0), field "
        "its TS 38.331 name, and meaning what the value stands for. Without --gscn, config takes "
        "the SS block nearest the carrier's centre among those with a CORESET#0 that fits; "
        "without --coreset0, the widest CORESET#0 that fits (most blocks, then symbols, then the "
        "lowest index); searchSpaceZero 0 without --search-space-zero; each choice is said in its "
        "meaning. subCarrierSpacingCommon is the carrier's spacing (30 kHz for an FR1 carrier of "
        "60 kHz, where no CORESET#0 fits: a line says so, status 1). locationAndBandwidth is the "
        "RIV of TS 38.214 clause 5.1.2.2.2 with N = 275: the whole carrier for the initial BWP, "
        "and CORESET#0's span.",
    .columns = kColumns,
    .otherRows = kOtherRows,
    .example = "tarnvale-cli config NR n78 636666 --bandwidth 100",
    .run = run};

}  // namespace tarnvale::cli::commands
