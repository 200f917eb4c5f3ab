#include <array>
#include <limits>

#include "cli/commands.h"
#include "report/band_columns.h"
#include "report/carrier_columns.h"
#include "report/channel_columns.h"
#include "report/gscn_columns.h"

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

constexpr ValueOption kTolerance{"--tolerance-khz", "K",
                                 "carriers within K kHz (default 0: equal at four decimals)",
                                 "--tolerance-khz needs a number of kHz", &Request::toleranceKhz};
constexpr ValueOption kFormatFilter{"--format", "FORMAT", "only the bands of this format",
                                    "--format needs a format name", &Request::format};
constexpr ValueOption kBandOption{"--band", "NAME",
                                  "the GSCNs of an NR band's synchronisation raster",
                                  "--band needs an NR band name", &Request::band};

constexpr std::array kFindOptions = {kTolerance, kFormatFilter};
constexpr std::array kLookupOptions = {kFormatFilter};
constexpr std::array kGscnOptions = {kBandOption};

constexpr std::string_view kChannelDetails =
    "index is the channel's place in the band's list; channel is the listed channel (classic\n"
    "formats), or the downlink channel (LTE, NR, UMTS; the uplink one where there is no\n"
    "downlink). forward_mhz is the downlink and reverse_mhz the uplink carrier, empty where the\n"
    "band has none; gap_mhz is their difference; spacing_khz the channel spacing or raster, 0\n"
    "for a variable spacing; dl_channel and ul_channel the pair's numbers; duplex FDD, TDD,\n"
    "SDL or SUL.";

constexpr std::array<Command, 7> kCommands = {{
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
    {"table",
     "[FORMAT [BAND]]",
     "every channel of a band, of a format's bands, or of all",
     kChannelDetails,
     0,
     2,
     "",
     {},
     kChannelNames,
     "tarnvale-cli table WCDMA \"Band I\"",
     tableCommand},
    {"lookup", "CHANNEL...", "every band that has a channel number, downlink or uplink",
     kChannelDetails, 1, kAny, "lookup needs channel numbers", kLookupOptions, kChannelNames,
     "tarnvale-cli lookup 512", lookupCommand},
    {"find", "FREQUENCY_MHZ", "every carrier at or near a frequency",
     "Carriers are compared at four decimals, sorted by offset, then catalogue and list order;\n"
     "direction is forward (downlink) or reverse (uplink); a TDD channel's carrier is forward.\n"
     "offset_khz is the carrier minus the frequency asked for.",
     1, 1, "find needs a frequency in MHz", kFindOptions, kFindNames,
     "tarnvale-cli find 869.05 --tolerance-khz 15", findCommand},
    {"gscn", "[NUMBER...]", "SS block frequencies of NR GSCNs",
     "With --band, the band's GSCNs for each SS block subcarrier spacing, with the columns", 0,
     kAny, "", kGscnOptions, kGscnNames, "tarnvale-cli gscn 2156", gscnCommand, kBandGscnNames},
}};

}  // namespace

std::span<const Command> commandTable() {
    return kCommands;
}

}  // namespace tarnvale::cli
