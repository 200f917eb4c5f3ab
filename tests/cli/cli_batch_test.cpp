#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_test_support.h"

// Values from standard input: the same answers as arguments, as they arrive, with line numbers.
namespace tarnvale::testing {
namespace {

// The values of each command, good and bad, and the options around them.
struct ValueCommand {
    std::vector<std::string> before;  // the command and what comes before its values
    std::vector<std::string> values;
    std::vector<std::string> after;
};

const std::vector<ValueCommand>& valueCommands() {
    static const std::vector<ValueCommand> commands = {
        {{"convert", "LTE", "3"}, {"1300", "abc", "99999", "19300", "-5", "1949"}, {}},
        {{"convert", "GSM", "DCS 1800"}, {"512", "885", "511"}, {}},
        {{"lookup"}, {"512", "65535", "632628", "6292", "1.5"}, {}},
        {{"lookup"}, {"632628", "9999999", "422000"}, {"--format", "NR"}},
        {{"gscn"}, {"2156", "1", "26639", "x"}, {}},
        {{"find"}, {"869.04", "6000.5", "1930.2", "nan"}, {"--tolerance-khz", "15"}},
        {{"carrier", "NR", "n78"}, {"636666", "620000", "653333"}, {"--bandwidth", "100"}},
        {{"--json", "lookup"}, {"512", "1"}, {}},
        {{"--crlf", "--no-header", "convert", "UMTS", "I"}, {"10562", "9612"}, {}},
    };
    return commands;
}

std::vector<std::string> withValues(const ValueCommand& c, const std::vector<std::string>& values) {
    auto args = c.before;
    args.insert(args.end(), values.begin(), values.end());
    args.insert(args.end(), c.after.begin(), c.after.end());
    return args;
}

// The messages without the "line N: " that names a value's input line.
std::string withoutLineNumbers(const std::string& err) {
    constexpr std::string_view kLine = "tarnvale-cli: line ";
    std::string out;
    for (const auto& line : lines(err)) {
        std::string_view rest = line;
        if (rest.starts_with(kLine)) {
            rest.remove_prefix(kLine.size());
            rest.remove_prefix(std::min(rest.find(": ") + 2, rest.size()));
            out += "tarnvale-cli: ";
        }
        out.append(rest).push_back('\n');
    }
    return out;
}

TEST(CliBatch, StandardInputGivesTheBytesArgumentsGive) {
    // Whitespace, commas and line ends separate values; empty values between them are skipped.
    const std::vector<std::string> separators = {"\n", " ", ",", "\r\n", ",,\t", "\n\n"};
    for (const auto& c : valueCommands()) {
        const auto byArguments = cli(withValues(c, c.values));
        std::string input;
        for (std::size_t i = 0; i < c.values.size(); ++i) {
            input += c.values[i] + separators[i % separators.size()];
        }
        const auto byInput = cliWithInput(withValues(c, {"-"}), input);
        EXPECT_EQ(byInput.out, byArguments.out) << c.before.back();
        EXPECT_EQ(byInput.status, byArguments.status) << c.before.back();
        EXPECT_EQ(withoutLineNumbers(byInput.err), byArguments.err) << c.before.back();
        // Without a line end after the last value, it is still read.
        input.erase(input.find_last_not_of(" ,\t\r\n") + 1);
        EXPECT_EQ(cliWithInput(withValues(c, {"-"}), input).out, byArguments.out);
    }
}

TEST(CliBatch, MessagesNameTheLineOfTheBadValue) {
    const auto r = cliWithInput({"convert", "LTE", "3", "-"}, "1300\n\n1301 abc\n\n\n99999\n1302");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(lines(r.out).size(), 4u);  // the header and three good channels
    EXPECT_EQ(lines(r.err),
              (std::vector<std::string>{
                  "tarnvale-cli: line 3: \"abc\" is not a channel number (a whole number)",
                  "tarnvale-cli: line 6: channel 99999 is not in LTE Band 3 (valid channels: "
                  "DL: 1200-1949; UL: 19200-19949)"}));
}

TEST(CliBatch, BadValuesInALongStreamLoseNoOtherValue) {
    std::string input;
    std::vector<std::string> expected;
    int good = 0;
    for (int line = 1; line <= 20000; ++line) {
        const std::string at = "tarnvale-cli: line " + std::to_string(line) + ": ";
        if (line % 997 == 0) {
            const std::string bad = std::string("x") + std::to_string(line);
            input += bad + "\n";
            expected.push_back(at + "\"" + bad + "\" is not a channel number (a whole number)");
        } else if (line % 1009 == 0) {
            input += "99999\n";  // in no LTE band: nothing found
            expected.push_back(at + "no LTE band has channel 99999");
        } else {
            input += std::to_string(1200 + line % 700) + "\n";
            ++good;
        }
    }
    const auto r = cliWithInput({"lookup", "--format", "LTE", "-"}, input);
    EXPECT_EQ(r.status, 2);  // bad input outweighs nothing found
    EXPECT_EQ(lines(r.err), expected);
    const auto rows = lines(r.out);
    ASSERT_EQ(rows.size(), 1u + good);
    EXPECT_EQ(rows.back().substr(0, 20), "LTE,Band 3,400,1600,");  // the last line's channel
}

TEST(CliBatch, NothingFoundAloneExitsWithOne) {
    const auto r = cliWithInput({"lookup", "-"}, "512\n65535\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "tarnvale-cli: line 2: no band of any format has channel 65535\n");
}

// A producer that writes one number and waits gets its answer before it writes the next.
TEST(CliBatch, ASlowProducerGetsEachAnswerBeforeItWritesMore) {
    PipedProcess lookup(TARNVALE_CLI_PATH, {"lookup", "--format", "GSM", "-"});
    ASSERT_EQ(lookup.readLine(30), std::optional<std::string>(kChannelHeader));
    lookup.write("512\n");
    EXPECT_EQ(lookup.readLine(30), "GSM,DCS 1800,0,512,1805.2000,1710.2000,95,200,,,FDD");
    EXPECT_EQ(lookup.readLine(30), "GSM,PCS 1900,0,512,1930.2000,1850.2000,80,200,,,FDD");
    lookup.write("128, ");
    EXPECT_EQ(lookup.readLine(30), "GSM,GSM 850,0,128,869.2000,824.2000,45,200,,,FDD");
    EXPECT_EQ(lookup.finish(), 0);
}

}  // namespace
}  // namespace tarnvale::testing
