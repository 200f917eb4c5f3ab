#include <array>
#include <limits>

#include "cli/annotation.h"
#include "cli/commands.h"
#include "report/band_columns.h"
#include "report/bandwidth_columns.h"
#include "report/carrier_columns.h"
#include "report/channel_columns.h"
#include "report/find_columns.h"
#include "report/gscn_columns.h"
#include "report/ssb_columns.h"

namespace tarnvale::cli {
namespace {

constexpr auto kAny = std::numeric_limits<std::size_t>::max();

// Each command's columns are the names of its row kind's column table.
constexpr auto kBandNames = report::namesOf(report::kBandColumns);
constexpr auto kPlanNames = report::namesOf(report::kPlanColumns);
constexpr auto kChannelNames = report::namesOf(report::kChannelColumns);
constexpr auto kFindNames = report::namesOf(report::kFindColumns);
constexpr auto kGscnNames = report::namesOf(report::kGscnColumns);
constexpr auto kBandGscnNames = report::namesOf(report::kBandGscnColumns);
constexpr auto kBandwidthNames = report::namesOf(report::kBandwidthColumns);
constexpr auto kCarrierNames = report::namesOf(report::kCarrierColumns);
constexpr auto kSsbNames = report::namesOf(report::kSsbColumns);

constexpr ValueOption kTolerance{"--tolerance-khz", "K",
                                 "carriers within K kHz (default 0: equal at four decimals)",
                                 "--tolerance-khz needs a number of kHz", &Request::toleranceKhz};
constexpr ValueOption kFormatFilter{"--format", "FORMAT", "only the bands of this format",
                                    "--format needs a format name", &Request::format};
constexpr ValueOption kBandOption{"--band", "NAME",
                                  "the GSCNs of an NR band's synchronisation raster",
                                  "--band needs an NR band name", &Request::band};

constexpr ValueOption kBandwidth{"--bandwidth", "MHZ",
                                 "the channel bandwidth in MHz, e.g. 20 or 1.4",
                                 "--bandwidth needs a number of MHz", &Request::bandwidth};
constexpr ValueOption kScs{"--scs", "KHZ",
                           "the subcarrier spacing in kHz (NR; default: the smallest the band "
                           "allows with the bandwidth)",
                           "--scs needs a number of kHz", &Request::scs};
constexpr ValueOption kOffsetToCarrier{
    "--offset-to-carrier", "RBS",
    "resource blocks from Point A to the carrier's lowest subcarrier (NR; default 0)",
    "--offset-to-carrier needs a number of resource blocks", &Request::offsetToCarrier};

constexpr ValueOption kAnnotatedFormat{"--format", "FORMAT",
                                       "the format whose channel numbers the column holds",
                                       "--format needs a format name", &Request::format};
constexpr ValueOption kColumn{"--column", "NAME", "the header name of the channel number column",
                              "--column needs a column name", &Request::column};
constexpr ValueOption kAnnotatedBand{"--band", "BAND", "only this band of the format",
                                     "--band needs a band name", &Request::band};
constexpr ValueOption kDirection{"--direction", "DIR",
                                 "the numbers' direction: downlink (default), uplink or any",
                                 "--direction needs downlink, uplink or any", &Request::direction};

constexpr std::array kFindOptions = {kTolerance, kFormatFilter};
constexpr std::array kAnnotateOptions = {kAnnotatedFormat, kColumn, kAnnotatedBand, kDirection};
constexpr std::array kTableOptions = {kBandwidth, kScs};
constexpr std::array kCarrierOptions = {kBandwidth, kScs, kOffsetToCarrier};
constexpr std::array kLookupOptions = {kFormatFilter};
constexpr std::array kGscnOptions = {kBandOption};

constexpr std::string_view kChannelDetails =
    "index is the channel's place in the band's list; channel is the listed channel (classic\n"
    "formats), or the downlink channel (LTE, NR, UMTS; the uplink one where there is no\n"
    "downlink). forward_mhz is the downlink and reverse_mhz the uplink carrier, empty where the\n"
    "band has none; gap_mhz is their difference; spacing_khz the channel spacing or raster, 0\n"
    "for a variable spacing; dl_channel and ul_channel the pair's numbers; duplex FDD, TDD,\n"
    "SDL or SUL.";

constexpr std::string_view kCarrierDetails =
    "A carrier's centre is its channel's frequency, its edges are the centre -/+ half the\n"
    "bandwidth. It is valid on the channel raster of its spacing with its downlink inside the\n"
    "band (an SUL carrier's uplink). direction is downlink and uplink for FDD (a carrier whose\n"
    "uplink pair would leave the band is downlink-only and has the first row alone), both for\n"
    "TDD; n_rb is N_RB; point_a_* is Point A (absoluteFrequencyPointA), offset-to-carrier\n"
    "resource blocks below the lowest subcarrier, for NR only.";

constexpr std::string_view kAnnotateDetails =
    "Writes the CSV back with every byte as it was and the columns below appended: the bands of\n"
    "the format (or --band) that hold the row's number as a channel of the direction, in\n"
    "catalogue order, and the direction and carrier of each, joined by |; one direction and\n"
    "carrier where all agree. A classic or TDD channel names a pair: downlink gives its forward\n"
    "carrier, uplink its reverse one, any the forward one. A row whose number is missing, no\n"
    "number or in no band gets empty fields and a warning naming its line; so does a row\n"
    "shorter than the header. Blank lines are kept as they are.";

constexpr std::array<Command, 11> kCommands = {{
    {"bands",
     "[FORMAT]",
     "every band of every format, or of one",
     "Formats and their bands in catalogue order.",
     0,
     1,
     "",
     {},
     kBandNames,
     "tarnvale-cli bands NR",
     bandsCommand},
    {"plan",
     "FORMAT BAND",
     "a band's valid channels and band window",
     "valid_channels names the band's channels; channel_count counts them (the rows of\n"
     "`table`: the list, and uplink channels without a downlink pair); the window runs from\n"
     "its lowest to its highest carrier.",
     2,
     2,
     "plan needs a format and a band",
     {},
     kPlanNames,
     "tarnvale-cli plan CDMA \"TACS (Japan)\"",
     planCommand},
    {"convert",
     "FORMAT BAND CHANNEL...",
     "carrier frequencies of channels of a band",
     kChannelDetails,
     3,
     kAny,
     "convert needs a format, a band and channels",
     {},
     kChannelNames,
     "tarnvale-cli convert LTE 3 1300",
     convertCommand},
    {"table", "[FORMAT [BAND]]", "every channel of a band, of a format's bands, or of all",
     kChannelDetails, 0, 2, "", kTableOptions, kChannelNames, "tarnvale-cli table WCDMA \"Band I\"",
     tableCommand},
    {"lookup", "CHANNEL...", "every band that has a channel number, downlink or uplink",
     kChannelDetails, 1, kAny, "lookup needs channel numbers", kLookupOptions, kChannelNames,
     "tarnvale-cli lookup 512", lookupCommand},
    {"find", "FREQUENCY_MHZ...", "every carrier at or near each frequency",
     "Carriers are compared at four decimals, sorted by offset, then catalogue and list order;\n"
     "direction is forward (downlink) or reverse (uplink); a TDD channel's carrier is forward.\n"
     "offset_khz is the carrier minus the frequency asked for.",
     1, kAny, "find needs a frequency in MHz", kFindOptions, kFindNames,
     "tarnvale-cli find 869.05 --tolerance-khz 15", findCommand},
    {"gscn", "[NUMBER...]", "SS block frequencies of NR GSCNs",
     "With --band, the band's GSCNs for each SS block subcarrier spacing, with the columns", 0,
     kAny, "", kGscnOptions, kGscnNames, "tarnvale-cli gscn 2156", gscnCommand, kBandGscnNames},
    {"bandwidths",
     "FORMAT [BAND]",
     "the channel bandwidths of LTE, NR or UMTS bands",
     "One row for each subcarrier spacing and bandwidth a band allows, ascending. LTE has\n"
     "15 kHz subcarriers and no minimum guard band here; a UMTS carrier is 5 MHz wide. n_rb is\n"
     "N_RB, min_guard_khz the minimum guard band.",
     1,
     2,
     "bandwidths needs a format",
     {},
     kBandwidthNames,
     "tarnvale-cli bandwidths NR n78",
     bandwidthsCommand},
    {"carrier", "FORMAT BAND CHANNEL...", "a carrier of a bandwidth: its edges and Point A",
     kCarrierDetails, 3, kAny, "carrier needs a format, a band and channels", kCarrierOptions,
     kCarrierNames, "tarnvale-cli carrier NR n78 636666 --bandwidth 100", carrierCommand},
    {"ssb", "NR BAND CHANNEL", "the SS block positions of an NR carrier",
     "Every valid SS block position of the carrier, by GSCN: ss_ref_mhz is SS_REF, ssb_arfcn\n"
     "absoluteFrequencySSB, offset_to_point_a and k_ssb what a cell configures (15 kHz units\n"
     "in FR1; offsetToPointA in 60 kHz resource blocks and k_SSB in common subcarriers in FR2).",
     3, 3, "ssb needs NR, a band and a channel", kCarrierOptions, kSsbNames,
     "tarnvale-cli ssb NR n78 636666 --bandwidth 100", ssbCommand},
    {"annotate", "[FILE]", "a CSV log with the bands and carriers of its channel numbers",
     kAnnotateDetails, 0, 1, "", kAnnotateOptions, kAnnotationColumns,
     "tarnvale-cli annotate --format LTE --column earfcn log.csv > annotated.csv", annotateCommand},
}};

}  // namespace

std::span<const Command> commandTable() {
    return kCommands;
}

}  // namespace tarnvale::cli
