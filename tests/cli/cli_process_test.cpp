#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "process.h"

namespace tarnvale {
namespace {

using testing::runProcess;

testing::ProcessResult cli(const std::vector<std::string>& args) {
    return runProcess(TARNVALE_CLI_PATH, args);
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        result.push_back(line);
    }
    return result;
}

constexpr const char* kChannelHeader =
    "format,band,index,channel,forward_mhz,reverse_mhz,gap_mhz,spacing_khz,dl_channel";

TEST(CliProcess, BandsListsTheCatalogueInOrder) {
    const auto r = cli({"bands"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto out = lines(r.out);
    ASSERT_EQ(out.size(), 27u);
    EXPECT_EQ(out[0], "format,band");
    EXPECT_EQ(out[1], "CDMA,Cell 800");
    EXPECT_EQ(out[4], "CDMA,TACS (Japan)");
    EXPECT_EQ(out[26], "AMPS,Cell 800");
    EXPECT_NE(r.out.find("\r\n"), std::string::npos);
}

TEST(CliProcess, PlanQuotesTheValidChannelText) {
    const auto r = cli({"plan", "CDMA", "TACS (Japan)"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(lines(r.out), (std::vector<std::string>{
                                "format,band,valid_channels,channel_count,window_start_mhz,"
                                "window_stop_mhz",
                                "CDMA,TACS (Japan),\"1-799, 801-1039, 1041-1199, 1201-1600\",1597,"
                                "832.0125,924.9875"}));
    EXPECT_EQ(lines(cli({"plan", "GSM", "GSM 480"}).out)[1], "GSM,GSM 480,306-340,35,479,495.8");
}

TEST(CliProcess, ConvertGivesIndexCarriersGapSpacingAndDownlink) {
    const auto r = cli({"convert", "WCDMA", "Band IV", "1362", "8562"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(lines(r.out),
              (std::vector<std::string>{kChannelHeader,
                                        "WCDMA,Band IV,8,1362,2152.5000,1752.5000,400,5000,1662",
                                        "WCDMA,Band IV,9,8562,2112.4000,1712.4000,400,200,10562"}));
    EXPECT_EQ(lines(cli({"convert", "CDMA", "TACS (Japan)", "1"}).out)[1],
              "CDMA,TACS (Japan),798,1,860.0125,915.0125,-55,12.5,");
    EXPECT_EQ(lines(cli({"convert", "WCDMA", "Band V", "782"}).out)[1],
              "WCDMA,Band V,0,782,871.5000,826.5000,45,0,1007");
}

TEST(CliProcess, ConvertKeepsGoodChannelsWhenOthersAreBad) {
    const auto r =
        cli({"convert", "CDMA", "Cell 800", "991", "800", "abc", "99999", "", "1.5", "1"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(lines(r.out), (std::vector<std::string>{
                                kChannelHeader, "CDMA,Cell 800,0,991,869.0400,824.0400,45,30,",
                                "CDMA,Cell 800,33,1,870.0300,825.0300,45,30,"}));
    const auto err = lines(r.err);
    ASSERT_EQ(err.size(), 5u) << r.err;
    EXPECT_NE(err[0].find("1-799, 991-1023"), std::string::npos) << err[0];
    EXPECT_NE(err[1].find("\"abc\""), std::string::npos) << err[1];
}

TEST(CliProcess, UnknownFormatOrBandNamesTheValidOnes) {
    const struct {
        std::vector<std::string> args;
        const char* mention;
    } rows[] = {
        {{"plan", "cdma", "Cell 800"}, "\"WCDMA\""},
        {{"plan", "CDMA", "PCS 1900"}, "\"US PCS 1900\""},
        {{"convert", "CDMA", "cell 800", "991"}, "\"Cell 800\""},
        {{"table", "GSM", "Band I"}, "\"R-GSM 900\""},
        {{"table", "UMTS"}, "\"AMPS\""},
    };
    for (const auto& row : rows) {
        const auto r = cli(row.args);
        EXPECT_EQ(r.status, 2) << row.args[1];
        EXPECT_TRUE(r.out.empty()) << r.out;
        EXPECT_EQ(lines(r.err).size(), 1u) << r.err;
        EXPECT_NE(r.err.find(row.mention), std::string::npos) << r.err;
    }
}

TEST(CliProcess, UsageErrorsExitWithTwo) {
    for (const auto& args : std::vector<std::vector<std::string>>{{},
                                                                  {"frobnicate"},
                                                                  {"plan", "CDMA"},
                                                                  {"convert", "CDMA", "Cell 800"},
                                                                  {"bands", "extra"}}) {
        const auto r = cli(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_TRUE(r.out.empty());
        EXPECT_NE(r.err.find("tarnvale-cli:"), std::string::npos);
    }
}

TEST(CliProcess, HelpAndVersion) {
    const auto help = cli({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("convert FORMAT BAND CHANNEL"), std::string::npos);
    const auto version = cli({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "tarnvale-cli 2.20\n");
}

TEST(CliProcess, FindListsEveryCarrierAtAFrequency) {
    const auto r = cli({"find", "1930.2"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto out = lines(r.out);
    ASSERT_GE(out.size(), 2u);
    EXPECT_EQ(out[0], "format,band,index,channel,direction,frequency_mhz,offset_khz");
    EXPECT_EQ(out[1], "CDMA,US PCS 1900,4,4,forward,1930.2000,0");
    const auto near = lines(cli({"find", "--tolerance-khz=12.5", "843.01"}).out);
    ASSERT_EQ(near.size(), 8u);
    EXPECT_EQ(near[1], "CDMA,TACS (Japan),559,801,forward,843.0125,2.5");
    // Ties at 10 kHz follow the catalogue: Cell 800 comes before TACS in CDMA.
    EXPECT_EQ(near[2], "CDMA,Cell 800,632,600,reverse,843.0000,-10");
    EXPECT_EQ(near[3], "CDMA,TACS (Japan),558,1600,forward,843.0000,-10");
    EXPECT_EQ(near[7], "AMPS,Cell 800,632,600,reverse,843.0000,-10");
}

TEST(CliProcess, FindWithNoCarrierPrintsOnlyTheHeader) {
    const auto r = cli({"find", "2300", "--tolerance-khz", "100"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(lines(r.out).size(), 1u);
}

TEST(CliProcess, FindRejectsBadNumbers) {
    for (const auto& args :
         std::vector<std::vector<std::string>>{{"find", "abc"},
                                               {"find", "inf"},
                                               {"find", "nan"},
                                               {"find", "1e400"},
                                               {"find", "900", "--tolerance-khz", "-1"},
                                               {"find", "900", "--tolerance-khz", "x"},
                                               {"find", "900", "--tolerance-khz"},
                                               {"find", "--tolerance-khz", "5"}}) {
        const auto r = cli(args);
        EXPECT_EQ(r.status, 2) << args.back();
        EXPECT_TRUE(r.out.empty()) << args.back();
        EXPECT_EQ(lines(r.err).size(), 1u) << r.err;
    }
}

TEST(CliProcess, TableWalksBandsInListOrder) {
    const auto band = lines(cli({"table", "CDMA", "NMT450"}).out);
    ASSERT_EQ(band.size(), 1294u);
    EXPECT_EQ(band[1], "CDMA,NMT450,0,539,421.6750,411.6750,10,25,");
    EXPECT_EQ(band[334], "CDMA,NMT450,333,1,460.0000,450.0000,10,25,");

    const auto all = cli({"table"});
    ASSERT_EQ(all.status, 0);
    const auto rows = lines(all.out);
    ASSERT_EQ(rows.size(), 14703u);
    EXPECT_EQ(rows[0], kChannelHeader);
    EXPECT_EQ(rows[1], "CDMA,Cell 800,0,991,869.0400,824.0400,45,30,");
    EXPECT_EQ(rows.back(), "AMPS,Cell 800,831,799,893.9700,848.9700,45,30,");

    EXPECT_EQ(lines(cli({"table", "IS-136"}).out).size(), 1u + 832 + 1997);
}

}  // namespace
}  // namespace tarnvale
