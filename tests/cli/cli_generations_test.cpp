#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_test_support.h"

// LTE, NR and UMTS through the command line: names, numbers, columns and lookups.
namespace tarnvale::testing {
namespace {

std::string convertRow(const std::vector<std::string>& args) {
    const auto r = cli(args);
    EXPECT_EQ(r.status, 0) << r.err;
    const auto out = lines(r.out);
    return out.size() == 2 ? out[1] : "rows: " + std::to_string(out.size());
}

TEST(CliGenerations, ConvertShowsBothNumbersAndTheDuplexMode) {
    const struct {
        std::vector<std::string> args;
        const char* row;
    } rows[] = {
        // Band and format names in any case, or the band's number alone.
        {{"convert", "lte", "3", "1300"},
         "LTE,Band 3,100,1300,1815.0000,1720.0000,95,100,1300,19300,FDD"},
        {{"convert", "LTE", "band 3", "19300"},
         "LTE,Band 3,100,1300,1815.0000,1720.0000,95,100,1300,19300,FDD"},
        {{"convert", "NR", "78", "632628"},
         "NR,n78,12628,632628,3489.4200,3489.4200,0,15,632628,632628,TDD"},
        {{"convert", "umts", "III", "1400"},
         "UMTS,Band III,238,1400,1855.0000,1760.0000,95,200,1400,1175,FDD"},
        {{"convert", "UMTS", "4", "1312"},
         "UMTS,Band IV,0,1537,2112.4000,1712.4000,400,200,1537,1312,FDD"},
        // Downlink only: no uplink carrier, no gap.
        {{"convert", "LTE", "29", "9660"}, "LTE,Band 29,0,9660,717.0000,,,100,9660,,SDL"},
        // Uplink only: the channel is the uplink number.
        {{"convert", "NR", "n80", "342000"}, "NR,n80,0,342000,,1710.0000,,100,,342000,SUL"},
        // A downlink channel whose pair would leave the uplink band keeps FDD without an uplink.
        {{"convert", "LTE", "66", "67335"}, "LTE,Band 66,899,67335,2199.9000,,,100,67335,,FDD"},
        // The finest of several rasters.
        {{"convert", "NR", "n41", "499206"},
         "NR,n41,2,499206,2496.0300,2496.0300,0,15,499206,499206,TDD"},
        // An additional UMTS channel, 100 kHz off the general raster, with its additional pair.
        {{"convert", "UMTS", "Band II", "12"},
         "UMTS,Band II,0,412,1932.5000,1852.5000,80,200,412,12,FDD"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(convertRow(row.args), row.row) << row.args[3];
    }
}

TEST(CliGenerations, LookupFindsEveryBandOfANumber) {
    const auto r = cli({"lookup", "--format", "GSM", "512"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(lines(r.out),
              (std::vector<std::string>{kChannelHeader,
                                        "GSM,DCS 1800,0,512,1805.2000,1710.2000,95,200,,,FDD",
                                        "GSM,PCS 1900,0,512,1930.2000,1850.2000,80,200,,,FDD"}));
    const auto nr = lines(cli({"lookup", "--format", "nr", "632628"}).out);
    ASSERT_EQ(nr.size(), 3u);
    EXPECT_EQ(nr[1].substr(0, 7), "NR,n77,");
    EXPECT_EQ(nr[2].substr(0, 7), "NR,n78,");
    // Band XXV's additional channels are uplink and downlink numbers at once: one row each way.
    const auto both = lines(cli({"lookup", "--format", "UMTS", "6292"}).out);
    EXPECT_EQ(both,
              (std::vector<std::string>{
                  kChannelHeader, "UMTS,Band XXV,302,6292,1932.5000,1852.5000,80,200,6292,6067,FDD",
                  "UMTS,Band XXV,311,6517,1977.5000,1897.5000,80,200,6517,6292,FDD"}));
    // A number no band holds is said so, as grep says nothing matched: status 1.
    const auto none = cli({"lookup", "99999999"});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(lines(none.out), (std::vector<std::string>{kChannelHeader}));
    EXPECT_EQ(none.err, "tarnvale-cli: no band of any format has channel 99999999\n");
    EXPECT_EQ(cli({"lookup", "--format", "LTE", "65535"}).err,
              "tarnvale-cli: no LTE band has channel 65535\n");
}

TEST(CliGenerations, TableListsDownlinkChannelsInAscendingOrder) {
    const auto umts = lines(cli({"table", "UMTS", "Band V"}).out);
    ASSERT_EQ(umts.size(), 1u + 6 + 102);
    EXPECT_EQ(umts[1], "UMTS,Band V,0,1007,871.5000,826.5000,45,200,1007,782,FDD");
    EXPECT_EQ(umts[6], "UMTS,Band V,5,1087,887.5000,842.5000,45,200,1087,862,FDD");
    EXPECT_EQ(umts[7], "UMTS,Band V,6,4357,871.4000,826.4000,45,200,4357,4132,FDD");
    // n90's 100 kHz raster adds points its 15 kHz raster lacks, in order among them.
    const auto n90 = lines(cli({"table", "NR", "n90"}).out);
    ASSERT_EQ(n90.size(), 1u + 14228);
    EXPECT_EQ(n90[2].substr(0, 15), "NR,n90,1,499203");
    EXPECT_EQ(n90.back().substr(0, 20), "NR,n90,14227,538000,");
}

TEST(CliGenerations, GscnGivesSsBlockFrequencies) {
    const auto r = cli({"gscn", "2156", "7499", "22256", "26640", "41639"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(lines(r.out),
              (std::vector<std::string>{"gscn,frequency_mhz", "2156,862.8500", "7499,3000.0000",
                                        "22256,24250.0800", "26640,.9500"}));
    EXPECT_EQ(lines(r.err).size(), 1u);
    const auto band = lines(cli({"gscn", "--band", "78"}).out);
    ASSERT_EQ(band.size(), 1u + 8051 - 7711 + 1);
    EXPECT_EQ(band[0], "band,scs_khz,ssb_pattern,gscn,frequency_mhz");
    EXPECT_EQ(band[1], "n78,30,C,7711,3305.2800");
}

}  // namespace
}  // namespace tarnvale::testing
