#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "cli/csv_reader.h"
#include "cli_test_support.h"
#include "engine/band_table.h"
#include "engine/channel_list.h"
#include "engine/lookup.h"
#include "engine/number_text.h"
#include "tests/support/listed_channels.h"

// annotate: every input byte kept, the three fields right for every band, problems named by
// line.
namespace tarnvale::testing {
namespace {

// The records of a CSV text with their line ends, split at line breaks outside quotes.
std::vector<std::string> records(const std::string& text) {
    std::vector<std::string> result(1);
    bool quoted = false;
    for (const char c : text) {
        result.back() += c;
        quoted = c == '"' ? !quoted : quoted;
        if (c == '\n' && !quoted) {
            result.emplace_back();
        }
    }
    if (result.back().empty()) {
        result.pop_back();
    }
    return result;
}

// A record without its last `count` fields (and their commas); a blank line as it is.
std::string withoutLastFields(const std::string& record, int count) {
    const auto lineEnd = record.ends_with("\r\n") ? 2u : record.ends_with('\n') ? 1u : 0u;
    const std::string body = record.substr(0, record.size() - lineEnd);
    if (body.empty()) {
        return record;
    }
    std::vector<std::size_t> commas;
    bool quoted = false;
    for (std::size_t i = 0; i < body.size(); ++i) {
        quoted = body[i] == '"' ? !quoted : quoted;
        if (body[i] == ',' && !quoted) {
            commas.push_back(i);
        }
    }
    if (commas.size() < static_cast<std::size_t>(count)) {
        return std::string("(too few fields: ") + record + ")";
    }
    return body.substr(0, commas[commas.size() - count]) + record.substr(body.size());
}

std::string stripped(const std::string& annotated) {
    std::string text;
    for (const auto& record : records(annotated)) {
        text += withoutLastFields(record, 3);
    }
    return text;
}

ProcessResult annotate(const std::string& input, std::vector<std::string> options = {}) {
    std::vector<std::string> args = {"annotate", "--format", "LTE", "--column", "earfcn"};
    args.insert(args.end(), options.begin(), options.end());
    return cliWithInput(args, input);
}

// Many rows with quoted line breaks, so rows and blocks of input end anywhere.
std::string longLog() {
    std::string text = "time,earfcn,note\r\n";
    for (int i = 0; i < 40000; ++i) {
        text += std::to_string(i) + "," + std::to_string(1200 + i % 750) +
                (i % 3 == 0 ? ",\"two\nlines, \"\"quoted\"\"\"\r\n" : ",plain\n");
    }
    return text;
}

TEST(CliAnnotate, StrippingTheThreeColumnsGivesTheInputBackByteForByte) {
    const std::vector<std::string> inputs = {
        "id,earfcn,note\n1,1300,\"a, b\"\n2,\"1301\",\"multi\nline\"\n",
        "id,earfcn\r\n1,1300\r\n2,6300\r\n",
        "id,earfcn\r\n1,1300\n2,6300\r\n3,6301\n",
        "\xEF\xBB\xBF"
        "earfcn,x\n1300,a\n6300,b",
        "earfcn\n\n1300\n\r\n\n6300\n",
        "a,b,earfcn,c\n1,2,1300,3\n1,2\n1,2,1300\n1,2,1300,3,4,5\n",
        "earfcn,name\n1300,\xFF\xFE caf\xE9\n",
        "earfcn,q\n1300,\"say \"\"hi\"\"\"\n\"\",x\n",
        "earfcn",
        "\"earfcn\",\"x\"\n 1300 ,y\n",
        longLog(),
    };
    for (const auto& input : inputs) {
        const auto r = annotate(input);
        EXPECT_EQ(stripped(r.out), input) << input.substr(0, 60);
        EXPECT_LE(r.status, 1) << r.err;
        EXPECT_EQ(records(r.out).size(), records(input).size());
    }
}

TEST(CliAnnotate, RowsGetTheirBandsAndCarriers) {
    const auto r = annotate(
        "\xEF\xBB\xBF"
        "id,earfcn\r\n1,1300\r\n\r\n2,\"6300\"\n3, 1301 \n4,300");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "\xEF\xBB\xBF"
              "id,earfcn,bands,direction,frequency_mhz\r\n"
              "1,1300,Band 3,downlink,1815.0000\r\n"
              "\r\n"
              "2,\"6300\",Band 20,downlink,806.0000\n"
              "3, 1301 ,Band 3,downlink,1815.1000\n"
              "4,300,Band 1,downlink,2140.0000");
}

TEST(CliAnnotate, DirectionsOfPairsAndOfGlobalRasters) {
    const struct {
        std::vector<std::string> options;
        std::string row;
        std::string fields;
    } rows[] = {
        // A classic channel names a pair: one carrier each way.
        {{"--format", "GSM", "--direction", "downlink"},
         "3",
         "P-GSM 900|E-GSM 900|R-GSM 900,downlink,935.6000"},
        {{"--format", "GSM", "--direction", "uplink"},
         "3",
         "P-GSM 900|E-GSM 900|R-GSM 900,uplink,890.6000"},
        {{"--format", "GSM", "--direction", "any"},
         "3",
         "P-GSM 900|E-GSM 900|R-GSM 900,downlink,935.6000"},
        // A TDD channel too; an FDD band numbers its directions apart.
        {{"--format", "LTE", "--direction", "uplink"}, "40620", "Band 41,uplink,2593.0000"},
        {{"--format", "LTE", "--direction", "downlink"}, "19300", ""},
        {{"--format", "LTE", "--direction", "any"}, "19300", "Band 3,uplink,1720.0000"},
        {{"--format", "LTE", "--direction", "any", "--band", "1"}, "19300", ""},
        // NR numbers lie on one global raster: one direction and carrier for all bands.
        {{"--format", "NR"}, "632628", "n77|n78,downlink,3489.4200"},
        // n1's downlink 2110-2170 is also n65's and n66's downlink; n66's uplink is elsewhere.
        {{"--format", "NR", "--direction", "any"}, "430000", "n1|n65|n66,downlink,2150.0000"},
        // UMTS Band XXV's additional channel 6292 is a downlink and an uplink number.
        {{"--format", "UMTS", "--band", "XXV", "--direction", "uplink"},
         "6292",
         "Band XXV,uplink,1897.5000"},
    };
    for (const auto& row : rows) {
        std::vector<std::string> args = {"annotate", "--column", "n"};
        args.insert(args.end(), row.options.begin(), row.options.end());
        const auto r = cliWithInput(args, "n\n" + row.row + "\n");
        const auto out = lines(r.out);
        ASSERT_EQ(out.size(), 2u) << r.err;
        EXPECT_EQ(out[1], row.row + "," + (row.fields.empty() ? ",," : row.fields)) << row.row;
        EXPECT_EQ(r.status, row.fields.empty() ? 1 : 0) << row.row;
    }
}

// What annotate appends, computed from the channel records lookup gives for the number.
std::string expectedFields(Channel number, Format format, DirectionChoice choice) {
    std::vector<std::pair<std::string, std::pair<std::string, double>>> entries;
    for (const auto& r : lookupChannel(number, format)) {
        const bool classic = isClassic(format);
        // A classic listed channel names its pair; a WCDMA downlink number is a downlink one.
        const bool listed = r.channel == number && r.index.has_value();
        const bool down = classic ? listed || r.downlinkChannel == number
                                  : r.downlinkChannel == number && r.downlinkCarrier.has_value();
        const bool up = classic ? listed : r.uplinkChannel == number && r.uplinkCarrier.has_value();
        const bool taken = !entries.empty() && entries.back().first == r.band.name();
        if (taken && !(choice == DirectionChoice::Any && down)) {
            continue;  // one entry a band, its downlink where `any` finds both
        }
        std::optional<std::pair<std::string, double>> entry;
        if (down && choice != DirectionChoice::Uplink) {
            entry = {"downlink", r.downlinkCarrier->mhz};
        } else if (up && choice != DirectionChoice::Downlink) {
            entry = {"uplink", r.uplinkCarrier->mhz};
        }
        if (entry && taken) {
            entries.back().second = *entry;
        } else if (entry) {
            entries.emplace_back(std::string(r.band.name()), *entry);
        }
    }
    if (entries.empty()) {
        return ",,";
    }
    std::string bands, directions, carriers;
    const auto add = [](std::string& list, const std::string& item) {
        if (!list.empty()) {
            list += '|';
        }
        list += item;
    };
    bool agree = true;
    for (const auto& [band, carrier] : entries) {
        agree = agree && carrier == entries.front().second;
        add(bands, band);
        add(directions, carrier.first);
        add(carriers, frequencyText(carrier.second, "."));
    }
    if (agree) {
        directions = entries.front().second.first;
        carriers = frequencyText(entries.front().second.second, ".");
    }
    if (bands.find(',') != std::string::npos) {
        bands = std::string("\"") + bands + "\"";
    }
    return bands + "," + directions + "," + carriers;
}

// Numbers near every band's first, middle and last channels, downlink and uplink ones.
std::vector<Channel> numbersOfEveryBand(Format format) {
    std::vector<Channel> numbers;
    for (const BandRef band : bandsOf(format)) {
        const auto list = testing::listedChannels(band);
        for (const auto number : {list.front(), list[list.size() / 2], list.back()}) {
            for (const auto& r : channelRecords(band, number)) {
                for (const auto n :
                     {r.downlinkChannel, r.uplinkChannel, std::optional(r.channel)}) {
                    if (n) {
                        numbers.insert(numbers.end(), {*n - 1, *n, *n + 1});
                    }
                }
            }
        }
    }
    return numbers;
}

TEST(CliAnnotate, EveryBandsChannelsGetWhatLookupSays) {
    for (const auto format : kFormats) {
        const auto numbers = numbersOfEveryBand(format);
        std::string input = "n\n";
        for (const auto n : numbers) {
            input += std::to_string(n) + "\n";
        }
        for (const auto& [choice, name] : {std::pair{DirectionChoice::Downlink, "downlink"},
                                           {DirectionChoice::Uplink, "uplink"},
                                           {DirectionChoice::Any, "any"}}) {
            const auto r = cliWithInput({"annotate", "--format", std::string(formatName(format)),
                                         "--column", "n", "--direction", name},
                                        input);
            const auto out = lines(r.out);
            ASSERT_EQ(out.size(), numbers.size() + 1) << formatName(format);
            for (std::size_t i = 0; i < numbers.size(); ++i) {
                EXPECT_EQ(out[i + 1], std::to_string(numbers[i]) + "," +
                                          expectedFields(numbers[i], format, choice))
                    << formatName(format) << " " << name;
            }
        }
    }
}

TEST(CliAnnotate, ProblemRowsKeepTheirFieldsAndNameTheLineTheyStartOn) {
    const auto r = annotate(
        "note,earfcn,x\n"          // line 1
        "\"two\nlines\",1300,a\n"  // lines 2-3
        "a,,b\n"                   // line 4: empty
        "\"x\ny\nz\",abc,c\n"      // lines 5-7: no number
        "b,99999,c\n"              // line 8: in no band
        "c\n"                      // line 9: short, without the column
        "d,1300\n"                 // line 10: short, annotated
        "e,-1,f\n");               // line 11: negative
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(lines(r.err),
              (std::vector<std::string>{
                  "tarnvale-cli: line 4: the earfcn field is empty",
                  "tarnvale-cli: line 5: \"abc\" is not a channel number (a whole number)",
                  "tarnvale-cli: line 8: no LTE band has channel 99999 as a downlink channel",
                  "tarnvale-cli: line 9: the row has 1 field, the header 3",
                  "tarnvale-cli: line 10: the row has 2 fields, the header 3",
                  "tarnvale-cli: line 11: -1 is not a channel number: channel numbers have no "
                  "minus sign"}));
    const auto out = records(r.out);
    ASSERT_EQ(out.size(), 8u);
    EXPECT_EQ(out[2], "a,,b,,,\n");
    EXPECT_EQ(out[5], "c,,,\n");
    EXPECT_EQ(out[6], "d,1300,Band 3,downlink,1815.0000\n");
}

TEST(CliAnnotate, AQuoteThatNeverClosesCopiesTheRestAsItIs) {
    const std::string input = "earfcn,x\n1300,a\n1301,\"open\n1302,b\n";
    const auto r = annotate(input);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out,
              "earfcn,x,bands,direction,frequency_mhz\n1300,a,Band 3,downlink,1815.0000\n"
              "1301,\"open\n1302,b\n");
    EXPECT_EQ(lines(r.err).size(), 1u);
    EXPECT_EQ(r.err.substr(0, 22), "tarnvale-cli: line 3: ");
}

TEST(CliAnnotate, UsageErrorsExitWithTwoBeforeWritingARow) {
    const struct {
        std::vector<std::string> args;
        std::string input;
        std::string message;
    } rows[] = {
        {{"--column", "earfcn"},
         "earfcn\n1\n",
         "annotate needs --format FORMAT, the format of the channel numbers"},
        {{"--format", "LTE"},
         "earfcn\n1\n",
         "annotate needs --column NAME, the header name of the channel numbers"},
        {{"--format", "LTE", "--column", "arfcn"},
         "earfcn,x\n1\n",
         "the header has no column \"arfcn\"; its columns: \"earfcn\", \"x\""},
        {{"--format", "LTE", "--column", "e"},
         "e,x,e\n1\n",
         "the header names the column \"e\" more than once (columns 1 and 3)"},
        {{"--format", "GPRS", "--column", "e"}, "e\n", ""},
        {{"--format", "LTE", "--band", "n78", "--column", "e"}, "e\n", ""},
        {{"--format", "LTE", "--column", "e", "--direction", "up"},
         "e\n",
         "--direction takes downlink, uplink or any, not \"up\""},
        {{"--json", "annotate", "--format", "LTE", "--column", "e"},
         "e\n",
         "annotate writes CSV: --json does not apply"},
        {{"--format", "LTE", "--column", "e"},
         "",
         "the input is empty: annotate needs a header row"},
        {{"--format", "LTE", "--column", "e", "/no/such/file"},
         "e\n",
         "cannot read /no/such/file: No such file or directory"},
    };
    for (const auto& row : rows) {
        std::vector<std::string> args = row.args;
        if (args.front() != "--json") {
            args.insert(args.begin(), "annotate");
        }
        const auto r = cliWithInput(args, row.input);
        EXPECT_EQ(r.status, 2) << row.message;
        EXPECT_EQ(r.out, "") << row.message;
        ASSERT_EQ(lines(r.err).size(), 1u) << r.err;
        if (!row.message.empty()) {
            EXPECT_EQ(r.err, "tarnvale-cli: " + row.message + "\n");
        }
    }
}

// Logs as they come: lone CR line ends, semicolons, a column name in another case, WCDMA
// downlink numbers and EARFCNs wrapped at 65536.
TEST(CliAnnotate, LogsInTheShapesTheyComeIn) {
    const struct {
        std::vector<std::string> options;
        std::string input;
        std::string output;
    } cases[] = {
        {{"--format", "LTE", "--column", "earfcn"},
         "time,earfcn\r1,1300\r2,1300\r",
         "time,earfcn,bands,direction,frequency_mhz\r1,1300,Band 3,downlink,1815.0000\r"
         "2,1300,Band 3,downlink,1815.0000\r"},
        {{"--format", "LTE", "--column", "EARFCN", "--delimiter", ";"},
         "time;cell, name;earfcn\n1;x;1300\n",
         "time;cell, name;earfcn;bands;direction;frequency_mhz\n1;x;1300;Band "
         "3;downlink;1815.0000\n"},
        {{"--format", "WCDMA", "--column", "ch"},
         "ch\n10562\n",
         "ch,bands,direction,frequency_mhz\n10562,Band I|Band IV,downlink,2112.4000\n"},
        {{"--format", "LTE", "--column", "ch", "--earfcn-wrapped"},
         "ch\n900\n",
         "ch,bands,direction,frequency_mhz\n900,Band 2|Band 66 "
         "(66436),downlink|downlink,1960.0000|2110.0000\n"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args{"annotate"};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const auto r = cliWithInput(args, c.input);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, c.output);
    }
    const auto wrapped =
        cli({"--no-header", "lookup", "--format", "LTE", "--earfcn-wrapped", "900"});
    EXPECT_EQ(wrapped.out.find("LTE,Band 66,0,66436,"), lines(wrapped.out)[0].size() + 1);
}

// One row limit however the bytes arrive, and a header too long said as such; an output error
// names no input line.
TEST(CliAnnotate, LimitsAndOutputErrorsAreSaidForWhatTheyAre) {
    const std::string longRow =
        "x\n" + std::string(cli::CsvReader::kLongestRow + 10, '1') + "\n2\n";
    const auto piped = cliWithInput({"annotate", "--format", "LTE", "--column", "x"}, longRow);
    const auto path = ::testing::TempDir() + "long-row.csv";
    { std::ofstream(path) << longRow; }
    const auto file = cli({"annotate", "--format", "LTE", "--column", "x", path});
    EXPECT_EQ(piped.status, 2);
    EXPECT_EQ(file.status, 2);
    EXPECT_EQ(piped.err, file.err);
    const auto header = cliWithInput({"annotate", "--format", "LTE", "--column", "x"},
                                     std::string(cli::CsvReader::kLongestRow + 1, 'x') + "\n");
    EXPECT_EQ(header.err, "tarnvale-cli: the header row is longer than 1 MiB\n");
    const auto full = runProcess(
        "/bin/sh",
        {"-c", "printf 'x\\n1300\\n' | \"$0\" annotate --format LTE --column x > /dev/full",
         TARNVALE_CLI_PATH});
    EXPECT_EQ(full.status, 1);
    EXPECT_EQ(full.err, "tarnvale-cli: cannot write the output: No space left on device\n");
}

}  // namespace
}  // namespace tarnvale::testing
