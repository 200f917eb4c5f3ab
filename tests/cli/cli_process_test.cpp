#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_test_support.h"

// The classic formats as scripts have used them, and usage errors.
namespace tarnvale::testing {
namespace {

TEST(CliProcess, BandsListsTheCatalogueInOrder) {
    const auto r = cli({"bands"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto out = lines(r.out);
    ASSERT_EQ(out.size(), 1u + 26 + 74 + 81 + 21);
    EXPECT_EQ(out[0], "format,band");
    EXPECT_EQ(out[1], "CDMA,Cell 800");
    EXPECT_EQ(out[4], "CDMA,TACS (Japan)");
    EXPECT_EQ(out[26], "AMPS,Cell 800");
    EXPECT_EQ(out[27], "LTE,Band 1");
    EXPECT_EQ(out.back(), "UMTS,Band XXXII");
    EXPECT_EQ(lines(cli({"bands", "is-136"}).out),
              (std::vector<std::string>{"format,band", "IS-136,Cell 800", "IS-136,PCS 1900"}));
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
              (std::vector<std::string>{
                  kChannelHeader, "WCDMA,Band IV,8,1362,2152.5000,1752.5000,400,5000,1662,1362,FDD",
                  "WCDMA,Band IV,9,8562,2112.4000,1712.4000,400,200,10562,8562,FDD"}));
    EXPECT_EQ(lines(cli({"convert", "CDMA", "TACS (Japan)", "1"}).out)[1],
              "CDMA,TACS (Japan),798,1,860.0125,915.0125,-55,12.5,,,FDD");
    EXPECT_EQ(lines(cli({"convert", "WCDMA", "Band V", "782"}).out)[1],
              "WCDMA,Band V,0,782,871.5000,826.5000,45,0,1007,782,FDD");
    // A downlink channel of a WCDMA band names the uplink channel it pairs with.
    EXPECT_EQ(lines(cli({"convert", "WCDMA", "Band I", "10562"}).out)[1],
              "WCDMA,Band I,0,9612,2112.4000,1922.4000,190,200,10562,9612,FDD");
}

TEST(CliProcess, ConvertKeepsGoodChannelsWhenOthersAreBad) {
    const auto r =
        cli({"convert", "CDMA", "Cell 800", "991", "800", "abc", "99999", "", "1.5", "1"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(lines(r.out), (std::vector<std::string>{
                                kChannelHeader, "CDMA,Cell 800,0,991,869.0400,824.0400,45,30,,,FDD",
                                "CDMA,Cell 800,33,1,870.0300,825.0300,45,30,,,FDD"}));
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
        {{"plan", "cdmaone", "Cell 800"}, "\"WCDMA\""},
        {{"plan", "CDMA", "PCS 1900"}, "\"US PCS 1900\""},
        {{"convert", "CDMA", "cell 80", "991"}, "\"Cell 800\""},
        {{"table", "GSM", "Band I"}, "\"R-GSM 900\""},
        {{"table", "TDMA"}, "\"UMTS\""},
        {{"plan", "LTE", "15"}, "\"Band 14\""},
        {{"lookup", "--format", "5G", "1"}, "\"NR\""},
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
    const auto near =
        lines(cli({"find", "--tolerance-khz=12.5", "843.01", "--format", "cdma"}).out);
    ASSERT_EQ(near.size(), 4u);
    EXPECT_EQ(near[1], "CDMA,TACS (Japan),559,801,forward,843.0125,2.5");
    // Ties at 10 kHz follow the catalogue: Cell 800 comes before TACS in CDMA.
    EXPECT_EQ(near[2], "CDMA,Cell 800,632,600,reverse,843.0000,-10");
    EXPECT_EQ(near[3], "CDMA,TACS (Japan),558,1600,forward,843.0000,-10");
    // Across formats the catalogue order goes on: the classic formats, then LTE, NR, UMTS.
    const auto all = lines(cli({"find", "--tolerance-khz=12.5", "843.01"}).out);
    ASSERT_GT(all.size(), 8u);
    EXPECT_EQ(all[6], "IS-136,Cell 800,632,600,reverse,843.0000,-10");
    EXPECT_EQ(all[7], "AMPS,Cell 800,632,600,reverse,843.0000,-10");
    EXPECT_EQ(all[8], "LTE,Band 5,190,20590,reverse,843.0000,-10");
}

TEST(CliProcess, FindWithNoCarrierSaysSoAndExitsWithOne) {
    const auto r = cli({"find", "100", "--tolerance-khz", "100"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(lines(r.out).size(), 1u);
    EXPECT_EQ(r.err, "tarnvale-cli: no carrier within 100 kHz of 100 MHz\n");
    // Each frequency is answered in order; bad input outweighs nothing found.
    const auto several = cli({"find", "--format", "GSM", "6000.5", "935.2", "x"});
    EXPECT_EQ(several.status, 2);
    EXPECT_EQ(lines(several.out),
              (std::vector<std::string>{
                  "format,band,index,channel,direction,frequency_mhz,offset_khz",
                  "GSM,P-GSM 900,0,1,forward,935.2000,0", "GSM,E-GSM 900,50,1,forward,935.2000,0",
                  "GSM,R-GSM 900,70,1,forward,935.2000,0"}));
    EXPECT_EQ(lines(several.err),
              (std::vector<std::string>{
                  "tarnvale-cli: no GSM carrier within 0 kHz of 6000.5 MHz",
                  "tarnvale-cli: \"x\" is not a frequency in MHz (a plain decimal number such as "
                  "869.04)"}));
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
                                               {"find", "--tolerance-khz", "5"},
                                               {"find", "900", "--format", "GPRS"}}) {
        const auto r = cli(args);
        EXPECT_EQ(r.status, 2) << args.back();
        EXPECT_LE(lines(r.out).size(), 1u) << args.back();  // at most the header
        EXPECT_EQ(lines(r.err).size(), 1u) << r.err;
    }
}

// Negative numbers are bad input, and the window and the tool word a refusal alike.
TEST(CliProcess, NegativeAndOverlongNumbersAreRefusedWithTheirReason) {
    const struct {
        std::vector<std::string> args;
        const char* message;
    } rows[] = {
        {{"lookup", "-5"}, "-5 is not a channel number: channel numbers have no minus sign"},
        {{"convert", "LTE", "3", "-1300"},
         "-1300 is not a channel number: channel numbers have no minus sign"},
        {{"lookup", "4294967296"},
         "4294967296 is too large for a channel number (the largest is 2147483647)"},
        {{"find", "-1842.5"}, "-1842.5 is not a frequency: frequencies are not negative"},
        {{"find", "900", "--tolerance-khz", "x"},
         "\"x\" is not a tolerance in kHz (a plain decimal number such as 15)"},
    };
    for (const auto& row : rows) {
        const auto r = cli(row.args);
        EXPECT_EQ(r.status, 2) << row.args[1];
        EXPECT_EQ(r.err, "tarnvale-cli: " + std::string(row.message) + "\n");
    }
}

// Given twice, an option's last value counts.
TEST(CliProcess, ARepeatedOptionTakesItsLastValue) {
    const auto exact = cli({"find", "869.04", "--tolerance-khz", "100", "--tolerance-khz", "0"});
    EXPECT_EQ(exact.status, 0) << exact.err;
    EXPECT_EQ(lines(exact.out).size(), 4u);
    const auto nr = cli({"--no-header", "lookup", "--format", "LTE", "--format", "NR", "632628"});
    EXPECT_EQ(lines(nr.out).size(), 2u);
    EXPECT_EQ(nr.out.substr(0, 7), "NR,n77,");
}

// Far past every band: nothing, or every carrier for a tolerance that reaches them all.
TEST(CliProcess, FindAnswersHugeNumbersWithoutOverflow) {
    const auto far = cli({"find", "99999999999999999999999999999"});
    EXPECT_EQ(lines(far.out).size(), 1u);
    for (const char* khz : {"100000000000000000000", "1000000000000000000000000"}) {
        const auto all =
            cli({"--no-header", "find", "2000", "--tolerance-khz", khz, "--format", "AMPS"});
        EXPECT_EQ(lines(all.out).size(), 2u * 832u) << khz;
    }
}

TEST(CliProcess, TableWalksBandsInListOrder) {
    const auto band = lines(cli({"table", "CDMA", "NMT450"}).out);
    ASSERT_EQ(band.size(), 1294u);
    EXPECT_EQ(band[1], "CDMA,NMT450,0,539,421.6750,411.6750,10,25,,,FDD");
    EXPECT_EQ(band[334], "CDMA,NMT450,333,1,460.0000,450.0000,10,25,,,FDD");

    const struct {
        const char* format;
        std::size_t rows;
        const char* last;
    } formats[] = {
        {"CDMA", 8342, "CDMA,NMT450,1292,2016,493.4800,483.4800,10,20,,,FDD"},
        {"IS-136", 832 + 1997, "IS-136,PCS 1900,1996,1998,1989.9600,1909.9200,80.04,30,,,FDD"},
        {"AMPS", 832, "AMPS,Cell 800,831,799,893.9700,848.9700,45,30,,,FDD"},
    };
    for (const auto& f : formats) {
        const auto rows = lines(cli({"table", f.format}).out);
        ASSERT_EQ(rows.size(), 1 + f.rows) << f.format;
        EXPECT_EQ(rows[0], kChannelHeader);
        EXPECT_EQ(rows.back(), f.last);
    }
}

}  // namespace
}  // namespace tarnvale::testing
