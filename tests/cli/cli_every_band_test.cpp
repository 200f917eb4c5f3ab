#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli_test_support.h"
#include "engine/arfcn_plan.h"
#include "engine/band_table.h"
#include "engine/channel_list.h"
#include "engine/channel_record.h"
#include "engine/number_text.h"
#include "engine/run_union.h"
#include "tests/support/listed_channels.h"

// What the commands print, checked field by field against the band rows it comes from, for
// every band.
namespace tarnvale::testing {
namespace {

// The three digits of kilohertz below a whole MHz.
std::string thousandths(std::int64_t khz) {
    return std::to_string(1000 + std::abs(khz) % 1000).substr(1);
}

// Whole kilohertz as the CSV writes MHz: four decimals, nothing before the point below 1 MHz.
std::string mhzText(std::int64_t khz) {
    std::string text = khz >= 1000 ? std::to_string(khz / 1000) : std::string();
    text += '.';
    text += thousandths(khz);
    text += '0';
    return text;
}

// Whole kilohertz as a general number of MHz: no trailing zeros, no point for a whole number.
std::string generalMhzText(std::int64_t khz) {
    std::string text = khz < 0 ? "-" : "";
    text += std::to_string(std::abs(khz) / 1000);
    std::string decimals = thousandths(khz);
    while (!decimals.empty() && decimals.back() == '0') {
        decimals.pop_back();
    }
    if (!decimals.empty()) {
        text += '.';
        text += decimals;
    }
    return text;
}

std::string carrierField(const CarrierRuns& runs, const std::string& number) {
    if (number.empty()) {
        return "";
    }
    const auto khz = carrierKhz(runs, std::stoi(number));
    return khz ? mhzText(*khz) : "not in the band's runs";
}

TEST(CliEveryBand, TablePrintsWhatTheBandRowsHold) {
    for (const auto format : {Format::Lte, Format::Nr, Format::Umts}) {
        const auto r = cli({"--no-header", "table", std::string(formatName(format))});
        ASSERT_EQ(r.status, 0) << r.err;
        std::map<std::string, std::size_t> rowsOfBand;
        int wrong = 0;
        for (const auto& line : lines(r.out)) {
            const auto f = csvFields(line);
            ASSERT_EQ(f.size(), 11u) << line;
            const auto band = findBand(f[0], f[1]);
            ASSERT_TRUE(band) << line;
            ++rowsOfBand[f[1]];
            const auto& plan = *band->plan<ArfcnPlan>();
            const std::string forward = carrierField(plan.downlink, f[8]);
            const std::string reverse = carrierField(plan.uplink, f[9]);
            const bool both = !forward.empty() && !reverse.empty();
            const std::string gap =
                both ? generalMhzText(*carrierKhz(plan.downlink, std::stoi(f[8])) -
                                      *carrierKhz(plan.uplink, std::stoi(f[9])))
                     : "";
            const bool right = f[4] == forward && f[5] == reverse && f[6] == gap &&
                               f[7] == std::to_string(plan.spacingKhz) &&
                               f[10] == duplexName(plan.duplex) &&
                               f[3] == (f[8].empty() ? f[9] : f[8]);
            if (!right && ++wrong <= 5) {
                ADD_FAILURE() << line << ": expected carriers " << forward << " / " << reverse;
            }
        }
        for (const BandRef band : bandsOf(format)) {
            EXPECT_EQ(rowsOfBand[std::string(band.name())], recordCount(band)) << band.name();
        }
    }
}

// The GSCNs of each SS block spacing and pattern of a row, as one set.
std::map<std::pair<std::string, std::string>, std::vector<ChannelRun>> gscnSets(BandRef band) {
    std::map<std::pair<std::string, std::string>, std::vector<ChannelRun>> sets;
    for (const auto& range : band.plan<ArfcnPlan>()->gscn) {
        sets[{std::to_string(range.scsKhz), std::string(1, range.pattern)}].push_back(range.gscn);
    }
    return sets;
}

TEST(CliEveryBand, GscnBandPrintsEachRowsSpacingsAndPatterns) {
    for (const BandRef band : bandsOf(Format::Nr)) {
        const auto sets = gscnSets(band);
        const std::string name(band.name());
        const auto csv = lines(cli({"--no-header", "gscn", "--band", name}).out);
        const auto json = lines(cli({"--json", "gscn", "--band", name}).out);
        ASSERT_EQ(csv.size(), json.size()) << name;
        std::size_t expected = 0;
        for (const auto& [key, runs] : sets) {
            expected += unionCount(runs);
        }
        EXPECT_EQ(csv.size(), expected) << name;
        int wrong = 0;
        for (std::size_t i = 0; i < csv.size() && wrong < 5; ++i) {
            const auto f = csvFields(csv[i]);
            const auto object = nlohmann::json::parse(json[i]);
            EXPECT_EQ(object["scs_khz"].get<int>(), std::stoi(f[1])) << json[i];
            EXPECT_EQ(object["ssb_pattern"].get<std::string>(), f[2]) << json[i];
            EXPECT_EQ(object["gscn"].get<int>(), std::stoi(f[3])) << json[i];
            const auto set = sets.find({f[1], f[2]});
            const bool held = set != sets.end() && unionHolds(set->second, std::stoi(f[3]));
            if (f[0] != name || !held) {
                ++wrong;
                ADD_FAILURE() << csv[i] << " is not of the row of " << name;
            }
        }
    }
}

// Every band's first and last listed channel, looked up by number and found by its carrier.
TEST(CliEveryBand, LookupAndFindGiveBackEachBandsEnds) {
    for (const auto format : kFormats) {
        std::vector<std::string> args = {"--no-header", "lookup", "--format",
                                         std::string(formatName(format))};
        std::vector<std::string> expected;
        for (const BandRef band : bandsOf(format)) {
            const auto list = testing::listedChannels(band);
            for (const auto index : {std::size_t{0}, list.size() - 1}) {
                const auto channel = std::to_string(list[index]);
                args.push_back(channel);
                const auto record = channelRecords(band, list[index]).front();
                const auto carrier =
                    record.downlinkCarrier ? record.downlinkCarrier : record.uplinkCarrier;
                const auto mhz =
                    carrier->khz ? mhzText(*carrier->khz) : frequencyText(carrier->mhz, ".");
                const auto found =
                    cli({"--no-header", "find", mhz, "--format", std::string(formatName(format))});
                const auto place =
                    std::string(band.name()) + "," + std::to_string(index) + "," + channel + ",";
                EXPECT_NE(found.out.find("," + place), std::string::npos)
                    << place << " at " << mhz << ":\n"
                    << found.out;
                expected.push_back(std::string(formatName(format)) + "," + place);
            }
        }
        const auto looked = lines(cli(args).out);
        for (const auto& place : expected) {
            EXPECT_TRUE(std::ranges::any_of(looked, [&place](const std::string& line) {
                return line.starts_with(place);
            })) << place;
        }
    }
}

}  // namespace
}  // namespace tarnvale::testing
