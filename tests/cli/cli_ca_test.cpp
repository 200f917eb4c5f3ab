#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli_test_support.h"
#include "engine/band_table.h"
#include "engine/carrier.h"
#include "engine/number_text.h"

// ca through the command line: its blocks against carrier's rows, --next against the pair it
// makes, what is no valid aggregation and what is bad input.
namespace tarnvale::testing {
namespace {

// The blank-line separated blocks of ca's CSV output.
std::vector<std::vector<std::string>> blocksOf(const std::string& out) {
    std::vector<std::vector<std::string>> blocks(1);
    for (const auto& line : lines(out)) {
        if (line.empty()) {
            blocks.emplace_back();
        } else {
            blocks.back().push_back(line);
        }
    }
    return blocks;
}

// Each component carrier's rows are the rows carrier prints for it, lowest carrier first,
// whatever the order given; a pair row for each neighbour, an aggregate row for each direction.
TEST(CliCa, BlocksAreCarrierRowsThenPairsThenTheAggregate) {
    const struct {
        std::vector<std::string> args;  // format, band, then carriers lowest first
        std::vector<std::string> given;
        const char* bandwidthMhz;  // BW_Channel_CA, as TS 36.101 5.6A and 38.101-1 5.3A.3 give it
        std::size_t directions;
    } cases[] = {
        {{"LTE", "3"}, {"1498:20", "1300:20"}, "39.8", 2},
        {{"LTE", "3"}, {"1300:5", "1372:10"}, "14.95", 2},
        {{"LTE", "41"}, {"39988:20", "39790:20", "40186:20"}, "59.6", 1},
        {{"NR", "n77"}, {"654324:80:30", "650000:50:30"}, "129.92", 1},
        {{"NR", "n1"}, {"428000:20", "431960:20"}, "39.74", 2},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args{"ca", c.args[0], c.args[1]};
        args.insert(args.end(), c.given.begin(), c.given.end());
        const auto r = cli(args);
        ASSERT_EQ(r.status, 0) << r.err;
        const auto blocks = blocksOf(r.out);
        ASSERT_EQ(blocks.size(), 3u);
        std::vector<std::string> carriers{blocks[0].front()};
        std::vector<std::pair<double, std::string>> sorted;
        for (const auto& each : c.given) {
            const auto channel = each.substr(0, each.find(':'));
            auto shape = each.substr(each.find(':') + 1);
            std::vector<std::string> carrierArgs{"--no-header",
                                                 "carrier",
                                                 c.args[0],
                                                 c.args[1],
                                                 channel,
                                                 "--bandwidth",
                                                 shape.substr(0, shape.find(':'))};
            if (shape.find(':') != std::string::npos) {
                carrierArgs.insert(carrierArgs.end(), {"--scs", shape.substr(shape.find(':') + 1)});
            }
            const auto rows = cli(carrierArgs).out;
            sorted.emplace_back(std::stod(csvFields(lines(rows).at(0)).at(8)), rows);
        }
        std::ranges::sort(sorted);
        std::string expected = blocks[0].front() + "\n";
        for (const auto& [centre, rows] : sorted) {
            expected += rows;
        }
        EXPECT_EQ(r.out.substr(0, expected.size()), expected) << c.args[1];
        EXPECT_EQ(blocks[1].size(), c.given.size());  // a header and a row a pair
        ASSERT_EQ(blocks[2].size(), c.directions + 1);
        for (std::size_t i = 1; i < blocks[2].size(); ++i) {
            EXPECT_EQ(csvFields(blocks[2][i]).at(3), c.bandwidthMhz) << c.args[1];
        }
    }
}

// --next gives the carrier at the nominal spacing, and ca of the two is the same answer, for
// the lowest valid carrier of each band's narrowest bandwidth where a second one fits.
TEST(CliCa, NextMakesThePairCaGivesBack) {
    int checked = 0;
    for (const Format format : {Format::Lte, Format::Nr}) {
        for (const BandRef band : bandsOf(format)) {
            const auto allowed = allowedBandwidths(band);
            if (allowed.empty() || band.name() == "n263") {
                continue;
            }
            const CarrierShape shape{allowed.front().bandwidthKhz, allowed.front().scsKhz, 0};
            const auto channels = carrierChannels(band, shape);
            if (channels.empty()) {
                continue;
            }
            const std::string component = channelText(*channels.nearest(0)) + ":" +
                                          megahertzText(shape.bandwidthKhz) + ":" +
                                          channelText(shape.scsKhz);
            const std::string next =
                megahertzText(shape.bandwidthKhz) + ":" + channelText(shape.scsKhz);
            const std::string formatName(band.formatName());
            const std::string bandName(band.name());
            const auto fromNext = cli({"ca", formatName, bandName, component, "--next", next});
            if (fromNext.status != 0) {
                EXPECT_EQ(fromNext.status, 1) << bandName << fromNext.err;
                EXPECT_NE(fromNext.err.find("no " + megahertzText(shape.bandwidthKhz) +
                                            " MHz carrier fits the nominal"),
                          std::string::npos)
                    << fromNext.err;
                continue;
            }
            const auto pairs = blocksOf(fromNext.out).at(1);
            const auto high = csvFields(pairs.at(1)).at(1);
            const auto fromBoth = cli({"ca", formatName, bandName, high + ":" + next, component});
            EXPECT_EQ(fromBoth.out, fromNext.out) << bandName;
            EXPECT_EQ(csvFields(pairs.at(1)).at(2), csvFields(pairs.at(1)).at(3)) << bandName;
            ++checked;
        }
    }
    EXPECT_GT(checked, 120);
}

// A combination that is no valid aggregation gets its rows and a line for each reason, status 1.
TEST(CliCa, WhatIsNoValidAggregationIsSaid) {
    const struct {
        std::vector<std::string> args;
        std::vector<std::string> messages;
    } cases[] = {
        {{"LTE", "3", "1300:20", "1501:20"},
         {"channels 1300 and 1501 are 20.1 MHz apart, more than the nominal spacing of 19.8 MHz"}},
        {{"LTE", "3", "1300:20", "1497:20"},
         {"channels 1300 and 1497 are 19.7 MHz apart, no multiple of 300 kHz"}},
        {{"LTE", "3", "1300:20", "1400:20", "1500:20"},
         {"the resource blocks of channels 1300 and 1400 overlap by 8015 kHz",
          "the resource blocks of channels 1400 and 1500 overlap by 8015 kHz"}},
        {{"LTE", "1", "100:20", "298:20", "--next", "20", "--below"}, {}},
        {{"NR", "n78", "620334:10:30", "--next", "10:30", "--below"},
         {"no 10 MHz carrier fits the nominal 9.96 MHz below channel 620334: 3295.0500 MHz is no "
          "channel of NR n78"}},
        {{"LTE", "3", "1850:20", "--next", "20"},
         {"no 20 MHz carrier fits the nominal 19.8 MHz above channel 1850: 1889.8000 MHz is no "
          "channel of LTE Band 3"}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args{"ca"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const auto r = cli(args);
        if (c.messages.empty()) {
            EXPECT_EQ(r.status, 2) << r.err;  // --next with two carriers is bad input
            continue;
        }
        EXPECT_EQ(r.status, 1) << c.args[2];
        std::string expected;
        for (const auto& message : c.messages) {
            expected += "tarnvale-cli: " + message + "\n";
        }
        EXPECT_EQ(r.err, expected);
    }
}

// Bad input: one line, status 2 and no rows.
TEST(CliCa, BadInputIsOneLine) {
    const struct {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {{"LTE", "3", "1300-20", "1498:20"},
         "\"1300-20\" is no component carrier: CHANNEL:BANDWIDTH or CHANNEL:BANDWIDTH:SCS, such "
         "as 1300:20 or 636666:100:30"},
        {{"LTE", "3", "1300:20"}, "ca needs two component carriers or more, or one and --next"},
        {{"LTE", "3", "1300:20", "38000:20"},
         "channel 38000 is not in LTE Band 3; the nearest valid centre is 1870.0000 MHz, channel "
         "1850"},
        {{"LTE", "3", "1300:7", "1498:20"},
         "LTE Band 3 has no 7 MHz channel; it allows 1.4, 3, 5, 10, 15 and 20 MHz"},
        {{"LTE", "3", "1300:5", "1350:5", "1400:5", "1450:5", "1500:5", "1550:5"},
         "ca takes 2 to 5 component carriers, not 6"},
        {{"GSM", "P-GSM 900", "1:20", "5:20"}, "ca aggregates LTE and NR carriers, not GSM ones"},
        {{"NR", "n263", "2564083:100:120", "2565763:100:120"},
         "NR n263 has no 60 kHz channel raster, and its contiguous aggregation spacing rule is "
         "not one of the three this program knows (TS 38.104 clause 5.4.1.2)"},
        {{"LTE", "3", "1300:20", "--next", "20:15:1"},
         "--next takes BANDWIDTH or BANDWIDTH:SCS, not \"20:15:1\""},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args{"ca"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const auto r = cli(args);
        EXPECT_EQ(r.status, 2) << c.message;
        EXPECT_EQ(r.out, "") << c.message;
        EXPECT_EQ(r.err, "tarnvale-cli: " + std::string(c.message) + "\n");
    }
}

// JSON Lines: an object a line, no blank lines, the pair's fields named as its columns.
TEST(CliCa, JsonHasAnObjectALine) {
    const auto r = cli({"--json", "ca", "LTE", "3", "1300:20", "1498:20"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto all = lines(r.out);
    ASSERT_EQ(all.size(), 7u);
    EXPECT_NE(all[4].find(R"("nominal_spacing_mhz":19.8000,)"), std::string::npos) << all[4];
    const auto pair = nlohmann::json::parse(all[4]);
    EXPECT_EQ(pair["allowed"], "yes");
    EXPECT_EQ(nlohmann::json::parse(all[6])["bandwidth_mhz"], 39.8);
}

}  // namespace
}  // namespace tarnvale::testing
