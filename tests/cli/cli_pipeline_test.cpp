#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli/command.h"
#include "cli_test_support.h"

// tarnvale-cli in a Unix pipeline: failed writes, closed pipes, line ends, JSON Lines, help and
// the end of options.
namespace tarnvale::testing {
namespace {

ProcessResult shell(const std::string& script) {
    return runProcess("/bin/sh", {"-c", script, TARNVALE_CLI_PATH});
}

TEST(CliPipeline, AFailedWriteSaysSoAndExitsWithOne) {
    for (const auto& args : std::vector<std::vector<std::string>>{{"bands"}, {"table", "CDMA"}}) {
        const auto r = cli(args, "/dev/full");
        EXPECT_EQ(r.status, 1) << args[0];
        EXPECT_EQ(lines(r.err),
                  (std::vector<std::string>{
                      "tarnvale-cli: cannot write the output: No space left on device"}));
    }
    const auto closed = shell("\"$0\" bands >&-");
    EXPECT_EQ(closed.status, 1);
    EXPECT_NE(closed.err.find("cannot write the output"), std::string::npos) << closed.err;
}

TEST(CliPipeline, AClosedPipeEndsQuietly) {
    const auto r = shell(
        "e=$(mktemp); \"$0\" table 2>\"$e\" | head -n 1 >/dev/null; cat \"$e\"; rm -f \"$e\"");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "");
}

TEST(CliPipeline, LinesEndInLfOrOnRequestInCrlf) {
    const auto lf = cli({"bands"}).out;
    EXPECT_EQ(lf.find('\r'), std::string::npos);
    EXPECT_EQ(lf.substr(0, 26), "format,band\nCDMA,Cell 800\n");
    const auto crlf = cli({"--crlf", "plan", "GSM", "GSM 480"}).out;
    EXPECT_EQ(crlf,
              "format,band,valid_channels,channel_count,window_start_mhz,window_stop_mhz\r\n"
              "GSM,GSM 480,306-340,35,479,495.8\r\n");
}

TEST(CliPipeline, NoHeaderLeavesOutTheFirstLine) {
    EXPECT_EQ(cli({"convert", "GSM", "DCS 1800", "512", "--no-header"}).out,
              "GSM,DCS 1800,0,512,1805.2000,1710.2000,95,200,,,FDD\n");
}

// Every JSON line parses, names the CSV's columns, and holds the CSV's values: null for an
// empty field, numbers with the CSV's digits.
TEST(CliPipeline, JsonLinesHoldTheSameFieldsAsTheCsv) {
    const std::vector<std::vector<std::string>> commands = {
        {"plan", "CDMA", "TACS (Japan)"},
        {"convert", "LTE", "66", "67335", "66436"},
        {"lookup", "512"},
        {"find", "843.01", "--tolerance-khz", "12.5"},
        {"gscn", "--band", "n41"},
    };
    for (const auto& command : commands) {
        SCOPED_TRACE(command[0]);
        const auto csv = lines(cli(command).out);
        auto jsonArgs = command;
        jsonArgs.insert(jsonArgs.begin(), "--json");
        const auto json = lines(cli(jsonArgs).out);
        ASSERT_EQ(json.size() + 1, csv.size());
        const auto names = csvFields(csv[0]);
        for (std::size_t row = 0; row < json.size(); ++row) {
            const auto object = nlohmann::ordered_json::parse(json[row]);
            const auto fields = csvFields(csv[row + 1]);
            ASSERT_EQ(object.size(), names.size());
            std::size_t i = 0;
            for (const auto& [name, value] : object.items()) {
                EXPECT_EQ(name, names[i]);
                if (value.is_null()) {
                    EXPECT_EQ(fields[i], "") << name;
                } else if (value.is_string()) {
                    EXPECT_EQ(value.get<std::string>(), fields[i]) << name;
                } else {
                    EXPECT_TRUE(value.is_number()) << name;
                    EXPECT_NE(json[row].find("\"" + name + "\":" + fields[i]), std::string::npos)
                        << json[row];
                }
                ++i;
            }
        }
    }
}

TEST(CliPipeline, EveryCommandExplainsItself) {
    for (const char* command : {"bands", "plan", "convert", "table", "lookup", "find", "gscn"}) {
        const auto r = cli({command, "--help"});
        EXPECT_EQ(r.status, 0) << command;
        EXPECT_EQ(r.err, "") << command;
        EXPECT_NE(r.out.find("Usage: tarnvale-cli " + std::string(command)), std::string::npos)
            << r.out;
        EXPECT_NE(r.out.find("Columns: "), std::string::npos) << command;
        EXPECT_NE(r.out.find("Example: tarnvale-cli " + std::string(command)), std::string::npos)
            << command;
    }
}

TEST(CliPipeline, AMissingOptionValueIsNamed) {
    const struct {
        std::vector<std::string> args;
        const char* message;
    } rows[] = {
        {{"find", "900", "--tolerance-khz"}, "tarnvale-cli: --tolerance-khz needs a number of kHz"},
        {{"lookup", "1", "--format"}, "tarnvale-cli: --format needs a format name"},
        {{"gscn", "--band"}, "tarnvale-cli: --band needs a band name"},
    };
    for (const auto& row : rows) {
        const auto r = cli(row.args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(lines(r.err), (std::vector<std::string>{row.message}));
    }
}

TEST(CliPipeline, DoubleDashEndsTheOptions) {
    const auto r = cli({"convert", "CDMA", "Cell 800", "--", "-1", "991", "--json"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(lines(r.out),
              (std::vector<std::string>{kChannelHeader,
                                        "CDMA,Cell 800,0,991,869.0400,824.0400,45,30,,,FDD"}));
    EXPECT_EQ(lines(r.err).size(), 2u) << r.err;
    const auto negative = cli({"find", "--", "-869.04"});
    EXPECT_EQ(negative.status, 2);
    EXPECT_EQ(negative.err,
              "tarnvale-cli: -869.04 is not a frequency: frequencies are not negative\n");
}

// Help and version that cannot be written end in one line and status 1, as any output does.
TEST(CliPipeline, HelpThatCannotBeWrittenSaysSo) {
    for (const auto& args :
         std::vector<std::vector<std::string>>{{"--help"}, {"convert", "--help"}, {"--version"}}) {
        const auto r = cli(args, "/dev/full");
        EXPECT_EQ(r.status, 1) << args[0];
        EXPECT_EQ(lines(r.err).size(), 1u) << r.err;
    }
    EXPECT_EQ(shell("\"$0\" --version >&-").status, 1);
}

// What a message quotes of the input is escaped and cut, however the input came; blanks around
// a value are no part of it.
TEST(CliPipeline, MessagesQuoteInputEscapedAndCut) {
    const std::string huge(100000, '9');
    EXPECT_EQ(cli({"convert", "LTE", "Band\x1b[31m3", "1"}).err.find('\x1b'), std::string::npos);
    for (const auto& r : {cli({"lookup", huge}), cliWithInput({"lookup", "-"}, huge)}) {
        EXPECT_EQ(r.status, 2);
        EXPECT_LT(r.err.size(), 200u) << r.err.substr(0, 200);
        EXPECT_NE(r.err.find("..."), std::string::npos);
    }
    const auto blanks = cli({"--no-header", "convert", " LTE", "Band 3 ", " 1300 "});
    EXPECT_EQ(blanks.status, 0) << blanks.err;
    EXPECT_EQ(lines(blanks.out).size(), 1u);
}

// A mistake before the command word is the program's, after it the command's.
TEST(CliPipeline, UnknownOptionsPointAtTheRightHelp) {
    EXPECT_EQ(cli({"--bogus", "bands"}).err,
              "tarnvale-cli: unknown option \"--bogus\"; try 'tarnvale-cli --help'\n");
    EXPECT_EQ(cli({"bands", "--bogus"}).err,
              "tarnvale-cli: bands has no option \"--bogus\"; try 'tarnvale-cli bands --help'\n");
    std::vector<std::vector<std::string>> helps{{"--help"}};
    for (const auto* command : cli::commandTable()) {
        helps.push_back({std::string(command->name), "--help"});
    }
    for (const auto& args : helps) {
        for (const auto& line : lines(cli(args).out)) {
            EXPECT_LE(line.size(), 80u) << args[0] << ": " << line;
        }
    }
}

}  // namespace
}  // namespace tarnvale::testing
