#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli_test_support.h"
#include "engine/band_table.h"
#include "engine/carrier.h"
#include "engine/number_text.h"

// bandwidths, carrier, ssb and table --bandwidth through the command line.
namespace tarnvale::testing {
namespace {

std::string general(std::int64_t thousandths) {
    return numberText(static_cast<double>(thousandths) / 1000.0, ".");
}

// What bandwidths prints is each band's allowed bandwidths, row by row, in CSV and JSON.
TEST(CliCarriers, BandwidthsPrintsWhatEachBandAllows) {
    for (const auto format : {Format::Lte, Format::Nr, Format::Umts}) {
        const std::string name(formatName(format));
        const auto csv = lines(cli({"--no-header", "bandwidths", name}).out);
        const auto json = lines(cli({"--json", "bandwidths", name}).out);
        std::vector<std::string> expected;
        for (const BandRef band : bandsOf(format)) {
            for (const auto& a : allowedBandwidths(band)) {
                expected.push_back(name + "," + std::string(band.name()) + "," +
                                   (a.scsKhz == 0 ? "" : std::to_string(a.scsKhz)) + "," +
                                   general(a.bandwidthKhz) + "," +
                                   (a.resourceBlocks ? std::to_string(*a.resourceBlocks) : "") +
                                   "," + (a.minimumGuardHz ? general(*a.minimumGuardHz) : ""));
            }
        }
        EXPECT_EQ(csv, expected) << name;
        ASSERT_EQ(json.size(), expected.size());
        for (std::size_t i = 0; i < json.size(); ++i) {
            const auto object = nlohmann::json::parse(json[i]);
            EXPECT_EQ(object["band"].get<std::string>(), csvFields(expected[i])[1]);
        }
    }
}

TEST(CliCarriers, CarrierRowsForEachDuplexMode) {
    const struct {
        std::vector<std::string> args;
        std::vector<std::string> rows;
    } cases[] = {
        // TS 38.508-1's n48 worked example: Point A 3569.19 MHz.
        {{"carrier", "NR", "n48", "641666", "--bandwidth", "40", "--scs", "30",
          "--offset-to-carrier", "102"},
         {"NR,n48,641666,both,TDD,40,30,106,3624.9900,3604.9900,3644.9900,637946,3569.1900"}},
        // FDD, given by its uplink number: the downlink row, then the uplink.
        {{"carrier", "NR", "n1", "390000", "--bandwidth", "5"},
         {"NR,n1,428000,downlink,FDD,5,15,25,2140.0000,2137.5000,2142.5000,427550,2137.7500",
          "NR,n1,390000,uplink,FDD,5,15,25,1950.0000,1947.5000,1952.5000,389550,1947.7500"}},
        // Downlink-only: the uplink pair would leave n66's uplink band.
        {{"carrier", "NR", "n66", "435740", "--bandwidth", "20", "--scs", "30"},
         {"NR,n66,435740,downlink,FDD,20,30,51,2178.7000,2168.7000,2188.7000,433904,2169.5200"}},
        {{"carrier", "NR", "n80", "343000", "--bandwidth", "10"},
         {"NR,n80,343000,uplink,SUL,10,15,52,1715.0000,1710.0000,1720.0000,342064,1710.3200"}},
        {{"carrier", "LTE", "3", "1300", "--bandwidth", "1.4"},
         {"LTE,Band 3,1300,downlink,FDD,1.4,15,6,1815.0000,1814.3000,1815.7000,,",
          "LTE,Band 3,19300,uplink,FDD,1.4,15,6,1720.0000,1719.3000,1720.7000,,"}},
        {{"carrier", "UMTS", "I", "10562"},
         {"UMTS,Band I,10562,downlink,FDD,5,,,2112.4000,2109.9000,2114.9000,,",
          "UMTS,Band I,9612,uplink,FDD,5,,,1922.4000,1919.9000,1924.9000,,"}},
    };
    for (const auto& c : cases) {
        const auto r = cli(c.args);
        EXPECT_EQ(r.status, 0) << r.err;
        auto out = lines(r.out);
        ASSERT_FALSE(out.empty());
        out.erase(out.begin());
        EXPECT_EQ(out, c.rows) << c.args[2];
    }
}

TEST(CliCarriers, SsbListsThePositionsOfTheCarrier) {
    const auto r = cli({"ssb", "NR", "n48", "641666", "--bandwidth", "40", "--scs", "30",
                        "--offset-to-carrier", "102"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto out = lines(r.out);
    EXPECT_EQ(out[0],
              "gscn,ssb_scs_khz,pattern,ss_ref_mhz,ssb_arfcn,offset_to_point_a,k_ssb,coreset0");
    EXPECT_NE(std::ranges::find(out, R"(7923,30,C,3610.5600,640704,208,22,"0-2,5-7")"), out.end());
    for (std::size_t i = 2; i < out.size(); ++i) {
        EXPECT_LT(std::stoi(out[i - 1]), std::stoi(out[i]));  // ascending GSCN
    }
}

// table --bandwidth lists exactly the channels where such a carrier is valid.
TEST(CliCarriers, TableWithABandwidthListsTheValidCentres) {
    const auto band = *findBand("NR", "n78");
    const auto valid = carrierChannels(band, {100000, 30, 0});
    const auto out = lines(cli({"--no-header", "table", "NR", "n78", "--bandwidth", "100"}).out);
    ASSERT_EQ(out.size(), valid.size());
    EXPECT_EQ(csvFields(out.front())[3], std::to_string(valid.at(0)));
    EXPECT_EQ(csvFields(out.back())[3], std::to_string(valid.at(valid.size() - 1)));
    const auto n46 = lines(cli({"--no-header", "table", "NR", "n46", "--bandwidth", "100"}).out);
    EXPECT_EQ(n46.size(), 4u);
}

// Each of these is bad input: status 2, one line, and the good channels still answered.
TEST(CliCarriers, BadInputSaysWhatTheBandAllows) {
    const struct {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {{"carrier", "NR", "n78", "636666", "--bandwidth", "7"},
         "NR n78 has no 7 MHz channel; it allows 10, 15, 20, 25, 30, 40, 50, 60, 70, 80, 90 "
         "and 100 MHz"},
        {{"carrier", "NR", "n78", "636666", "--bandwidth", "100", "--scs", "15"},
         "NR n78 allows no 15 kHz subcarriers with a 100 MHz channel; it allows 30 and 60 kHz"},
        {{"carrier", "NR", "n78", "636667", "--bandwidth", "100"},
         "channel 636667 is off NR n78's 30 kHz channel raster (620000-653332 [step 2]); the "
         "nearest valid centre is 3549.9900 MHz, channel 636666"},
        {{"carrier", "NR", "n78", "620000", "--bandwidth", "100"},
         "a 100 MHz carrier at channel 620000 (3300.0000 MHz) crosses NR n78's lower downlink "
         "edge (3300 MHz); the nearest valid centre is 3350.0100 MHz, channel 623334"},
        {{"ssb", "LTE", "3", "1300", "--bandwidth", "5"},
         "ssb is for NR bands: LTE has no SS block raster"},
        {{"carrier", "LTE", "103", "70650", "--bandwidth", "1.4"},
         "LTE Band 103 has no channel bandwidth in TS 36.101 Table 5.6.1-1"},
        {{"carrier", "NR", "n78", "636666"},
         "a carrier needs --bandwidth MHZ, its channel bandwidth"},
        {{"carrier", "NR", "n78", "636666", "--bandwidth", "x"},
         "\"x\" is not a channel bandwidth in MHz (a number such as 20 or 1.4)"},
        {{"bandwidths", "GSM"},
         "GSM carriers have no channel bandwidths: bandwidths is for LTE, NR and UMTS"},
    };
    for (const auto& c : cases) {
        const auto r = cli(c.args);
        EXPECT_EQ(r.status, 2) << c.message;
        EXPECT_EQ(r.err, "tarnvale-cli: " + std::string(c.message) + "\n");
    }
    const auto mixed =
        cli({"carrier", "NR", "n78", "620000", "636666", "abc", "--bandwidth", "100"});
    EXPECT_EQ(mixed.status, 2);
    EXPECT_EQ(lines(mixed.out).size(), 2u);
    EXPECT_EQ(lines(mixed.err).size(), 2u);
}

// A carrier's centre is the frequency convert gives its channel, for a carrier of every band.
TEST(CliCarriers, CarrierCentresAreTheChannelsFrequencies) {
    for (const auto format : {Format::Lte, Format::Nr, Format::Umts}) {
        for (const BandRef band : bandsOf(format)) {
            const auto allowed = allowedBandwidths(band);
            if (allowed.empty()) {
                continue;
            }
            const CarrierShape shape{allowed.front().bandwidthKhz, allowed.front().scsKhz, 0};
            const auto valid = carrierChannels(band, shape);
            if (valid.empty()) {
                continue;
            }
            const auto channel = std::to_string(valid.at(valid.size() / 2));
            const std::string f(formatName(format));
            const std::string b(band.name());
            const auto convert = lines(cli({"--no-header", "convert", f, b, channel}).out);
            auto args = std::vector<std::string>{"--no-header",
                                                 "carrier",
                                                 f,
                                                 b,
                                                 channel,
                                                 "--bandwidth",
                                                 general(shape.bandwidthKhz)};
            const auto carrier = lines(cli(args).out);
            ASSERT_FALSE(convert.empty() || carrier.empty()) << b;
            // An SUL carrier is an uplink one: convert's reverse carrier.
            const auto fields = csvFields(convert.front());
            EXPECT_EQ(csvFields(carrier.front())[8], fields[4].empty() ? fields[5] : fields[4])
                << b;
        }
    }
}

// An SS block position is kept where its occupied band lies in the carrier's transmission
// bandwidth, on the common grid of its spacing in the shared-spectrum bands.
TEST(CliCarriers, SsbPositionsFollowTheOccupiedBandAndTheirGrid) {
    const struct {
        std::vector<std::string> args;
        const char* row;
    } cases[] = {
        {{"n1", "428000", "--bandwidth", "30", "--scs", "60"},
         "5380,15,A,2151.8500,430370,130,22,"},
        {{"n46", "744000", "--bandwidth", "20", "--scs", "15"}, "8996,30,C,5155.6800,743712,8,12,"},
        {{"n96", "797668", "--bandwidth", "40", "--scs", "15"}, "9548,30,C,5950.5600,796704,6,20,"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args{"ssb", "NR"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const auto out = lines(cli(args).out);
        EXPECT_NE(std::ranges::find(out, c.row), out.end()) << c.row;
    }
}

// An empty answer says why, with status 1.
TEST(CliCarriers, AnEmptyAnswerSaysWhy) {
    const struct {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {{"table", "NR", "n91", "--bandwidth", "10"},
         "no 10 MHz carrier fits NR n91 (1427 to 1432 MHz)"},
        {{"ssb", "NR", "n46", "782000", "--bandwidth", "10", "--scs", "30"},
         "no GSCN of NR n46 puts an SS block inside the resource blocks of the 10 MHz carrier at "
         "channel 782000 on its common resource grid"},
    };
    for (const auto& c : cases) {
        const auto r = cli(c.args);
        EXPECT_EQ(r.status, 1) << c.args[0];
        EXPECT_EQ(lines(r.out).size(), 1u) << c.args[0];
        EXPECT_EQ(r.err, "tarnvale-cli: " + std::string(c.message) + "\n");
    }
}

// table --carriers writes, for every band's first bandwidth, the rows carrier writes for the
// channels table --bandwidth lists.
TEST(CliCarriers, TableCarriersAreTheCarrierRowsOfTheValidChannels) {
    for (const auto format : kBandwidthFormats) {
        const std::string name(formatName(format));
        for (const BandRef band : bandsOf(format)) {
            const auto allowed = allowedBandwidths(band);
            if (allowed.empty()) {
                continue;
            }
            const auto width = general(allowed.front().bandwidthKhz);
            const std::string bandName(band.name());
            std::vector<std::string> carrier{"--no-header", "carrier", name, bandName};
            for (const auto& line :
                 lines(cli({"--no-header", "table", name, bandName, "--bandwidth", width}).out)) {
                carrier.push_back(csvFields(line)[3]);
            }
            carrier.insert(carrier.end(), {"--bandwidth", width});
            const std::vector<std::string> table{"--no-header", "table", name,        bandName,
                                                 "--bandwidth", width,   "--carriers"};
            EXPECT_EQ(cli(table).out, cli(carrier).out) << band.name();
        }
    }
}

}  // namespace
}  // namespace tarnvale::testing
