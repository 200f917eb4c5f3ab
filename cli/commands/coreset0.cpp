#include "cli/arguments.h"
#include "cli/carrier_reading.h"
#include "cli/cell_reading.h"
#include "cli/commands.h"
#include "cli/options.h"
#include "engine/arfcn_plan.h"
#include "engine/gscn.h"
#include "engine/input_text.h"
#include "engine/nr_raster.h"
#include "engine/number_text.h"
#include "engine/type0_pdcch.h"
#include "report/cell_columns.h"
#include "report/rows.h"

namespace tarnvale::cli::commands {
namespace {

constexpr Option kScsCommonOption{
    .flag = "--scs-common",
    .valueName = "KHZ",
    .help = "subCarrierSpacingCommon: 15 or 30 (FR1), 60 or 120 (FR2)",
    .whenMissing = "--scs-common needs a number of kHz"};
constexpr Option kIndexOption{.flag = "--index",
                              .valueName = "I",
                              .help = "controlResourceSetZero, 0 to 15",
                              .whenMissing = "--index needs an index from 0 to 15"};
constexpr Option kSsbIndexOption{.flag = "--ssb-index",
                                 .valueName = "N",
                                 .help = "with --search-space-zero, this SS block index alone",
                                 .whenMissing = "--ssb-index needs an SS block index"};

// The SS block the MIB came with: its GSCN on the band's raster and the raster entry.
struct FoundSsb {
    Channel gscn;
    const GscnRange* range;
};

std::optional<FoundSsb> findSsb(BandRef band, std::int64_t ssRefKhz,
                                std::optional<std::int64_t> scs, Diagnostics& diagnostics) {
    const auto near = gscnsNear(static_cast<double>(ssRefKhz) / 1000);
    for (const auto& each : near) {
        for (const auto& range : band.plan<ArfcnPlan>()->gscn) {
            if (each.offsetKhz == 0 && range.gscn.holds(each.gscn) &&
                (!scs || range.scsKhz == *scs)) {
                return FoundSsb{each.gscn, &range};
            }
        }
    }
    diagnostics.badInput(
        "absoluteFrequencySSB " + channelText(*nrArfcnAt(ssRefKhz)) + " (" +
        frequencyText(static_cast<double>(ssRefKhz) / 1000, ".") + " MHz) is no GSCN of " +
        fullName(band) +
        (scs ? " with " + channelText(static_cast<Channel>(*scs)) + " kHz SS blocks" : "") +
        (near.empty()
             ? std::string()
             : "; the nearest GSCN is " + channelText(near.front().gscn) +
                   ", absoluteFrequencySSB " + channelText(*nrArfcnAt(near.front().ssRefKhz))));
    return std::nullopt;
}

void hintRows(const Request& request, BandRef band, const FoundSsb& ssb, int kSsb, int index,
              std::optional<int> searchSpaceZero, report::Sink& out, Diagnostics& diagnostics) {
    const auto hint = diagnostics.accept(gscnHint(band, ssb.gscn, kSsb, index, searchSpaceZero));
    if (!hint) {
        return;
    }
    report::Rows<report::kGscnHintColumns> rows(out, request.style);
    rows.write({kSsb, ssb.gscn, *hint});
}

void run(const Request& request, report::Sink& out, Diagnostics& diagnostics) {
    const auto band = readNrBand(request, "coreset0", diagnostics);
    if (!band) {
        return;
    }
    OptionReader read(request, diagnostics);
    const auto arfcn = read.required(kSsbArfcnOption, 0, kLastNrArfcn, "absoluteFrequencySSB");
    const auto scsCommon = read.required(kScsCommonOption, 15, 960, "subCarrierSpacingCommon");
    const auto kSsb = read.required(kKssbOption, 0, 31, "k_SSB");
    const auto index = read.required(kIndexOption, 0, 15, "controlResourceSetZero");
    const auto searchSpaceZero = read.number(kSearchSpaceZeroOption, 0, 15, "searchSpaceZero");
    const auto ssbScs = read.number(kSsbScsOption, 15, 960, "a subcarrier spacing in kHz");
    const auto offsetToPointA = read.number(kOffsetToPointAOption, 0, 2199, "offsetToPointA");
    const auto ssbIndex = read.number(kSsbIndexOption, 0, 63, "an SS block index");
    if (!read.ok()) {
        return;
    }
    const bool fr2 = carrierKind(*band) == CarrierKind::NrFr2;
    if (fr2 && *kSsb > 15) {
        diagnostics.badInput("k_SSB is 0 to 15 in FR2: the PBCH payload gives FR1 a fifth bit");
        return;
    }
    const std::int64_t ssRef = nrArfcnKhz(static_cast<Channel>(*arfcn));
    const auto ssb = findSsb(*band, ssRef, ssbScs, diagnostics);
    if (!ssb) {
        return;
    }
    const int k = static_cast<int>(*kSsb);
    const int row = static_cast<int>(*index);
    const auto ss0 =
        searchSpaceZero ? std::optional<int>(static_cast<int>(*searchSpaceZero)) : std::nullopt;
    if (!hasCoreset0(*band, k)) {
        hintRows(request, *band, *ssb, k, row, ss0, out, diagnostics);
        return;
    }
    const bool threeMhz = ssb->gscn >= kFirst3MhzGscn;
    const std::int32_t bandwidth = threeMhz ? 3000 : 0;
    const auto mhz = request.value(kBandwidthOption);
    if (mhz && (parseNumber(trimmed(*mhz), ".") == 3.0) != threeMhz) {
        diagnostics.badInput(threeMhz ? "GSCN " + channelText(ssb->gscn) + " is for 3 MHz channels"
                                      : "GSCN " + channelText(ssb->gscn) +
                                            " is for channels wider than 3 MHz");
        return;
    }
    const std::int32_t scs = ssb->range->scsKhz;
    const auto common = static_cast<std::int32_t>(*scsCommon);
    const auto table = diagnostics.accept(coreset0Table({*band, scs, common, bandwidth}));
    if (!table) {
        return;
    }
    const SsbGrid grid = ssbGrid(*band, common, scs);
    if (k * grid.kSsbUnitKhz >= 12 * grid.commonScsKhz) {
        diagnostics.badInput("k_SSB " + channelText(k) + " passes a common resource block of " +
                             channelText(grid.commonScsKhz) + " kHz (0 to " +
                             channelText(12 * grid.commonScsKhz / grid.kSsbUnitKhz - 1) + ")");
        return;
    }
    const SsbOffsets offsets{static_cast<int>(offsetToPointA.value_or(0)), k};
    // Without offsetToPointA, Point A stands as if the SS block's common block were block 0.
    const std::int64_t pointA = ssbFirstSubcarrierKhz(ssRef, scs, ssbSubcarriers(bandwidth)) -
                                std::int64_t{k} * grid.kSsbUnitKhz -
                                std::int64_t{offsets.offsetToPointA} * grid.offsetRbKhz;
    const auto place =
        diagnostics.accept(placeCoreset0(**table, row, pointA, offsets, grid, bandwidth));
    if (!place) {
        return;
    }
    const auto firstCrb = offsetToPointA ? std::optional(place->firstCrb) : std::nullopt;
    const auto pbchBit = fr2 ? std::nullopt : std::optional<int>(k >> 4);
    report::Rows<report::kCoreset0Columns> rows(out, request.style);
    if (!ss0) {
        rows.write({&*place, firstCrb, k, pbchBit, std::nullopt, nullptr, nullptr});
        return;
    }
    const int candidates = ssbCandidates(*band, ssb->range->pattern, ssRef);
    if (ssbIndex && *ssbIndex >= candidates) {
        diagnostics.badInput("--ssb-index " + channelText(static_cast<Channel>(*ssbIndex)) +
                             " passes the " + channelText(candidates) +
                             " SS block candidates of case " + std::string(1, ssb->range->pattern) +
                             " here");
        return;
    }
    const auto search =
        diagnostics.accept(type0Search(*place, scs, ssb->range->pattern, candidates, *ss0));
    if (!search) {
        return;
    }
    for (const auto& occasion : search->occasions) {
        if (!ssbIndex || occasion.ssbIndex == *ssbIndex) {
            rows.write({&*place, firstCrb, k, pbchBit, ss0, &*search, &occasion});
        }
    }
}

constexpr Argument kArguments[] = {{.name = "NR", .help = "the format: CORESET#0 is NR's"},
                                   kBandArgument};
constexpr const Option* kOptions[] = {
    &kSsbArfcnOption,       &kScsCommonOption,       &kKssbOption,
    &kIndexOption,          &kSearchSpaceZeroOption, &kSsbScsOption,
    &kOffsetToPointAOption, &kBandwidthOption,       &kSsbIndexOption};
constexpr auto kColumns = report::namesOf(report::kCoreset0Columns);
constexpr auto kHintColumns = report::namesOf(report::kGscnHintColumns);
constexpr OtherRows kOtherRows[] = {
    {.intro = "With a k_SSB above 23 (FR1) or 11 (FR2), which says the SS block has no "
              "CORESET#0, the GSCNs TS 38.213 Tables 13-16 and 13-17 point to (3 times as far in "
              "FR2-2), with the columns",
     .columns = kHintColumns}};

}  // namespace

const Command coreset0{
    .name = "coreset0",
    .summary = "CORESET#0 and the SIB1 PDCCH occasions a MIB says",
    .arguments = kArguments,
    .whenTooFew = "coreset0 needs NR and a band",
    .options = kOptions,
    .details =
        "Decodes the MIB of the SS block at --ssb-arfcn, which must be a GSCN of the band: "
        "controlResourceSetZero (--index) picks a row of the TS 38.213 clause 13 table for the SS "
        "block's spacing, subCarrierSpacingCommon and the band (Table 13-0 for 3 MHz channels, "
        "13-5 and 13-6 for n79 and n104, 13-1A and 13-4A with shared spectrum, 13-10A in FR2-2). "
        "low_mhz and high_mhz are the edges of CORESET#0's resource blocks; first_crb is its first "
        "common resource block where --offset-to-point-a places Point A. The MIB's "
        "ssb-SubcarrierOffset holds k_SSB's 4 low bits; in FR1 the PBCH payload's bit a(A+5) "
        "is its fifth (pbch_bit). With --search-space-zero, one row for each SS block index 0 to "
        "L_max - 1 (or --ssb-index): slot n0 of CORESET#0's spacing and the second slot in frames "
        "of SFN parity sfn_parity (multiplexing pattern 1), or the slot of the SS block's own "
        "frame (patterns 2 and 3), from the first symbol.",
    .columns = kColumns,
    .otherRows = kOtherRows,
    .example =
        "tarnvale-cli coreset0 NR n78 --ssb-arfcn 641280 --scs-common 30 --k-ssb 0 "
        "--index 12 --search-space-zero 0 --offset-to-point-a 86",
    .run = run};

}  // namespace tarnvale::cli::commands
