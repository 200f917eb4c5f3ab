#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "cli_test_support.h"
#include "engine/band_table.h"
#include "engine/carrier.h"
#include "engine/number_text.h"

// coreset0, config and check through the command line: the published tables row by row, the
// round trip of config through check, OpenAirInterface files and bad input.
namespace tarnvale::testing {
namespace {

using Row = std::map<std::string, std::string>;

// The rows of a command's CSV output, each field by its column's name.
std::vector<Row> rowsOf(const std::string& out) {
    const auto all = lines(out);
    std::vector<Row> rows;
    if (all.empty()) {
        return rows;
    }
    const auto names = csvFields(all[0]);
    for (std::size_t i = 1; i < all.size(); ++i) {
        const auto fields = csvFields(all[i]);
        Row row;
        for (std::size_t k = 0; k < names.size() && k < fields.size(); ++k) {
            row[names[k]] = fields[k];
        }
        rows.push_back(row);
    }
    return rows;
}

std::vector<std::string> words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> out;
    for (std::string word; in >> word;) {
        out.push_back(word);
    }
    return out;
}

// TS 38.213 V18.7.0 Tables 13-0 to 13-10A as a second transcription (pattern/RBs/symbols/offset,
// the offset for k_SSB > 0 after a comma; "-" reserved), each reached through an SS block of a
// band and subCarrierSpacingCommon that pick it.
struct PublishedTable {
    const char* name;
    const char* band;
    const char* ssbArfcn;
    const char* ssbScs;
    const char* scsCommon;
    const char* rows;
};

const PublishedTable kTables[] = {
    {"13-0", "n28", "151870", "15", "15",
     "1/12/2/0 1/12/3/0 1/24/2/0 1/24/2/2 1/24/3/0 1/24/3/2 1/24/2/0 1/24/2/2 1/24/3/0 "
     "1/24/3/2 note12 note12 - - - -"},
    {"13-1", "n28", "152170", "15", "15",
     "1/24/2/0 1/24/2/2 1/24/2/4 1/24/3/0 1/24/3/2 1/24/3/4 1/48/1/12 1/48/1/16 1/48/2/12 "
     "1/48/2/16 1/48/3/12 1/48/3/16 1/96/1/38 1/96/2/38 1/96/3/38 -"},
    {"13-2", "n28", "152170", "15", "30",
     "1/24/2/5 1/24/2/6 1/24/2/7 1/24/2/8 1/24/3/5 1/24/3/6 1/24/3/7 1/24/3/8 1/48/1/18 "
     "1/48/1/20 1/48/2/18 1/48/2/20 1/48/3/18 1/48/3/20 - -"},
    {"13-3", "n78", "641280", "30", "15",
     "1/48/1/2 1/48/1/6 1/48/2/2 1/48/2/6 1/48/3/2 1/48/3/6 1/96/1/28 1/96/2/28 1/96/3/28 - - - "
     "- - - -"},
    {"13-4", "n78", "641280", "30", "30",
     "1/24/2/0 1/24/2/1 1/24/2/2 1/24/2/3 1/24/2/4 1/24/3/0 1/24/3/1 1/24/3/2 1/24/3/3 "
     "1/24/3/4 1/48/1/12 1/48/1/14 1/48/1/16 1/48/2/12 1/48/2/14 1/48/2/16"},
    {"13-4A", "n46", "743712", "30", "30",
     "1/48/1/0 1/48/1/1 1/48/1/2 1/48/1/3 1/48/2/0 1/48/2/1 1/48/2/2 1/48/2/3 - - - - - - - -"},
    {"13-5", "n79", "712608", "30", "15",
     "1/48/1/4 1/48/2/4 1/48/3/4 1/96/1/0 1/96/1/56 1/96/2/0 1/96/2/56 1/96/3/0 1/96/3/56 - - - "
     "- - - -"},
    {"13-6", "n79", "712608", "30", "30",
     "1/24/2/0 1/24/2/4 1/24/3/0 1/24/3/4 1/48/1/0 1/48/1/28 1/48/2/0 1/48/2/28 1/48/3/0 "
     "1/48/3/28 - - - - - -"},
    {"13-7", "n257", "2071387", "120", "60",
     "1/48/1/0 1/48/1/8 1/48/2/0 1/48/2/8 1/48/3/0 1/48/3/8 1/96/1/28 1/96/2/28 2/48/1/-41,-42 "
     "2/48/1/49 2/96/1/-41,-42 2/96/1/97 - - - -"},
    {"13-8", "n257", "2071387", "120", "120",
     "1/24/2/0 1/24/2/4 1/48/1/14 1/48/2/14 3/24/2/-20,-21 3/24/2/24 3/48/2/-20,-21 3/48/2/48 - "
     "- - - - - - -"},
    {"13-9", "n257", "2071387", "240", "60",
     "1/96/1/0 1/96/1/16 1/96/2/0 1/96/2/16 - - - - - - - - - - - -"},
    {"13-10", "n257", "2071387", "240", "120",
     "1/48/1/0 1/48/1/8 1/48/2/0 1/48/2/8 2/24/1/-41,-42 2/24/1/25 2/48/1/-41,-42 2/48/1/49 - - - "
     "- - - - -"},
    {"13-10A", "n263", "2565595", "480", "120",
     "1/24/2/0 1/24/2/4 1/48/1/0 1/48/1/14 1/48/1/28 1/48/2/0 1/48/2/14 1/48/2/28 1/96/1/0 "
     "1/96/1/76 1/96/2/0 1/96/2/76 3/24/2/-20,-21 3/24/2/24 3/48/2/-20,-21 3/48/2/48"},
};

ProcessResult coreset0(const PublishedTable& t, int index, int kSsb,
                       std::vector<std::string> more = {}) {
    std::vector<std::string> args = {"coreset0",
                                     "NR",
                                     t.band,
                                     "--ssb-arfcn",
                                     t.ssbArfcn,
                                     "--ssb-scs",
                                     t.ssbScs,
                                     "--scs-common",
                                     t.scsCommon,
                                     "--k-ssb",
                                     std::to_string(kSsb),
                                     "--index",
                                     std::to_string(index)};
    args.insert(args.end(), more.begin(), more.end());
    return cli(args);
}

TEST(CliCell, EveryRowOfTheCoreset0TablesIsDecoded) {
    for (const auto& t : kTables) {
        const auto rows = words(t.rows);
        ASSERT_EQ(rows.size(), 16u) << t.name;
        for (int index = 0; index < 16; ++index) {
            const auto& expected = rows[static_cast<std::size_t>(index)];
            SCOPED_TRACE(std::string(t.name) + " row " + std::to_string(index));
            const auto r = coreset0(t, index, 0);
            if (expected == "-" || expected == "note12") {
                EXPECT_EQ(r.status, 2);
                EXPECT_NE(r.err.find(expected == "-" ? "reserved" : "41638"), std::string::npos)
                    << r.err;
                EXPECT_EQ(r.out, "");
                continue;
            }
            ASSERT_EQ(r.status, 0) << r.err;
            const auto row = rowsOf(r.out).at(0);
            EXPECT_EQ(row.at("table"), t.name);
            const auto offsets = expected.substr(expected.rfind('/') + 1);
            EXPECT_EQ(
                row.at("pattern") + "/" + row.at("n_rb") + "/" + row.at("symbols") + "/" +
                    row.at("offset_rb"),
                expected.substr(0, expected.rfind('/') + 1) + offsets.substr(0, offsets.find(',')));
            if (offsets.find(',') != std::string::npos) {
                EXPECT_EQ(rowsOf(coreset0(t, index, 1).out).at(0).at("offset_rb"),
                          offsets.substr(offsets.find(',') + 1));
            }
        }
    }
}

// Tables 13-11, 13-12 and 13-12A (O/sets a slot/M/first symbol of even and odd SS block
// indices, N for N_symb^CORESET), reached through CORESET#0 row 0 of Tables 13-4, 13-8 and
// 13-10A.
TEST(CliCell, EveryRowOfTheSearchSpaceTablesIsDecoded) {
    const struct {
        const PublishedTable* coreset;
        const char* name;
        const char* rows;
    } tables[] = {
        {&kTables[4], "13-11",
         "0/1/1/0/0 0/2/0.5/0/N 2/1/1/0/0 2/2/0.5/0/N 5/1/1/0/0 5/2/0.5/0/N 7/1/1/0/0 7/2/0.5/0/N "
         "0/1/2/0/0 5/1/2/0/0 0/1/1/1/1 0/1/1/2/2 2/1/1/1/1 2/1/1/2/2 5/1/1/1/1 5/1/1/2/2"},
        {&kTables[9], "13-12",
         "0/1/1/0/0 0/2/0.5/0/7 2.5/1/1/0/0 2.5/2/0.5/0/7 5/1/1/0/0 5/2/0.5/0/7 0/2/0.5/0/N "
         "2.5/2/0.5/0/N 5/2/0.5/0/N 7.5/1/1/0/0 7.5/2/0.5/0/7 7.5/2/0.5/0/N 0/1/2/0/0 5/1/2/0/0 "
         "- -"},
        {&kTables[12], "13-12A",
         "0/1/1/0/0 0/2/0.5/0/7 1.25/1/1/0/0 1.25/2/0.5/0/7 5/1/1/0/0 5/2/0.5/0/7 0/2/0.5/0/N "
         "1.25/2/0.5/0/N 5/2/0.5/0/N 6.25/1/1/0/0 6.25/2/0.5/0/7 6.25/2/0.5/0/N 0/1/2/0/0 "
         "5/1/2/0/0 - -"},
    };
    for (const auto& t : tables) {
        const auto rows = words(t.rows);
        for (int index = 0; index < 16; ++index) {
            SCOPED_TRACE(std::string(t.name) + " row " + std::to_string(index));
            const auto r =
                coreset0(*t.coreset, 0, 0, {"--search-space-zero", std::to_string(index)});
            const auto& expected = rows[static_cast<std::size_t>(index)];
            if (expected == "-") {
                EXPECT_EQ(r.status, 2);
                EXPECT_NE(r.err.find("reserved"), std::string::npos);
                continue;
            }
            const auto out = rowsOf(r.out);
            ASSERT_GE(out.size(), 2u) << r.err;
            EXPECT_EQ(out[0].at("search_table"), t.name);
            const std::string symbols = out[0].at("symbols");
            const auto odd = out[1].at("first_symbol") == symbols && expected.ends_with("/N")
                                 ? std::string("N")
                                 : out[1].at("first_symbol");
            EXPECT_EQ(out[0].at("o_ms") + "/" + out[0].at("sets_per_slot") + "/" + out[0].at("m") +
                          "/" + out[0].at("first_symbol") + "/" + odd,
                      expected);
        }
    }
}

// srsRAN_Project's SIB1 scheduler test counts the second slot of SS block index i over two
// frames: 15 and 30 kHz, searchSpaceZero 9, 2, 6 and 4.
TEST(CliCell, MonitoringSlotsOfPatternOne) {
    const struct {
        const PublishedTable* coreset;
        int searchSpaceZero;
        int slotsAFrame;
        std::vector<int> secondSlots;
    } cases[] = {
        {&kTables[1], 9, 10, {6, 8, 10, 12, 14, 16, 18, 20}},
        {&kTables[1], 2, 10, {3, 4, 5, 6}},
        {&kTables[1], 6, 10, {8, 9, 10, 11}},
        {&kTables[4], 9, 20, {11, 13, 15, 17, 19, 21, 23, 25}},
        {&kTables[4], 4, 20, {11, 12, 13, 14, 15, 16, 17, 18}},
    };
    for (const auto& c : cases) {
        const auto rows = rowsOf(
            coreset0(*c.coreset, 0, 0, {"--search-space-zero", std::to_string(c.searchSpaceZero)})
                .out);
        ASSERT_EQ(rows.size(), c.coreset == &kTables[1] ? 4u : 8u) << c.searchSpaceZero;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const int parity = rows[i].at("sfn_parity") == "odd" ? 1 : 0;
            EXPECT_EQ(std::stoi(rows[i].at("second_slot")) + c.slotsAFrame * parity,
                      c.secondSlots[i])
                << c.searchSpaceZero << " index " << i;
        }
    }
}

// An SS block without a CORESET#0 points to the GSCN of the next with one (TS 38.213 Tables
// 13-16 and 13-17), three times as far in FR2-2, or says none lies in a range.
TEST(CliCell, AKssbWithoutCoreset0NamesTheGscnsToLookAt) {
    const struct {
        const PublishedTable* coreset;
        int kSsb;
        int index;
        int searchSpaceZero;
        const char* from;
        const char* to;
    } cases[] = {
        {&kTables[4], 24, 0, 0, "7930", "7930"},   {&kTables[4], 25, 1, 2, "8204", "8204"},
        {&kTables[4], 29, 15, 15, "7161", "7161"}, {&kTables[4], 31, 3, 5, "7926", "7934"},
        {&kTables[8], 13, 2, 1, "22412", "22412"}, {&kTables[12], 12, 0, 0, "24165", "24165"},
    };
    for (const auto& c : cases) {
        const auto r = coreset0(*c.coreset, c.index, c.kSsb,
                                {"--search-space-zero", std::to_string(c.searchSpaceZero)});
        ASSERT_EQ(r.status, 0) << r.err;
        const auto row = rowsOf(r.out).at(0);
        EXPECT_EQ(row.at("gscn_from") + "-" + row.at("gscn_to"), std::string(c.from) + "-" + c.to)
            << c.kSsb;
    }
    EXPECT_EQ(coreset0(kTables[4], 0, 30).status, 2);
}

// config's fields fed to check: no problem, for a carrier in the middle of every NR band at its
// narrowest bandwidth.
TEST(CliCell, ConfigFedToCheckHasNoProblem) {
    std::size_t checked = 0;
    for (const BandRef band : bandsOf(Format::Nr)) {
        const auto allowed = allowedBandwidths(band);
        if (allowed.empty() || band.duplex() == Duplex::Sul) {
            continue;
        }
        const CarrierShape shape{allowed.front().bandwidthKhz, allowed.front().scsKhz, 0};
        const auto valid = carrierChannels(band, shape);
        const std::string name(band.name());
        const auto mhz = numberText(shape.bandwidthKhz / 1000.0, ".");
        const auto config = cli({"config", "NR", name, std::to_string(valid.at(valid.size() / 2)),
                                 "--bandwidth", mhz, "--scs", std::to_string(shape.scsKhz)});
        if (config.status != 0) {
            continue;  // no CORESET#0 fits: config says so
        }
        std::map<std::string, std::string> values;
        for (const auto& row : rowsOf(config.out)) {
            if (row.at("part") != "uplink") {
                values[row.at("field")] = row.at("value");
            }
        }
        const auto check = cli({"check",
                                "NR",
                                name,
                                "--point-a",
                                values["absoluteFrequencyPointA"],
                                "--carrier-rbs",
                                values["carrierBandwidth"],
                                "--scs",
                                values["subcarrierSpacing"],
                                "--ssb-arfcn",
                                values["absoluteFrequencySSB"],
                                "--ssb-scs",
                                values["ssbSubcarrierSpacing"],
                                "--k-ssb",
                                values["ssb-SubcarrierOffset"],
                                "--offset-to-point-a",
                                values["offsetToPointA"],
                                "--coreset0",
                                values["controlResourceSetZero"],
                                "--search-space-zero",
                                values["searchSpaceZero"]});
        EXPECT_EQ(check.status, 0) << name << ": " << check.out << check.err;
        ++checked;
    }
    EXPECT_GE(checked, 60u);
}

std::string corpus(const std::string& name) {
    return std::string(TARNVALE_SOURCE_DIR) + "/tests/cli/oai/" + name;
}

// OpenAirInterface gNB files: the good ones have no problem, the faulty ones have theirs named by
// cell and field.
TEST(CliCell, OpenAirInterfaceFilesAreChecked) {
    const struct {
        const char* file;
        int status;
        std::vector<std::string> problems;  // cell:part:field of each problem row
    } cases[] = {
        {"band78_106prb.conf", 0, {}},
        {"band257_32prb.conf", 0, {}},
        // Centred on the SS block, at 2115.65 MHz: off n1's 100 kHz channel raster.
        {"band1_52prb.conf",
         1,
         {"gNB-n1:downlink:absoluteFrequencyPointA", "gNB-n1:uplink:absoluteFrequencyPointA"}},
        {"two_cells.conf",
         1,
         {"gNB-n66:downlink:absoluteFrequencyPointA", "gNB-n66:downlink:offsetToCarrier",
          "gNB-n66:downlink:absoluteFrequencySSB", "gNB-n66:MIB:controlResourceSetZero",
          "gNB-n66:uplink:absoluteFrequencyPointA"}},
        {"band261_reserved.conf",
         1,
         {"gNB-PRS:downlink:carrierBandwidth", "gNB-PRS:downlink:absoluteFrequencySSB",
          "gNB-PRS:MIB:controlResourceSetZero"}},
        {"missing_field.conf", 1, {"gNB-OAI:downlink:carrierBandwidth"}},
        {"cu_only.conf", 1, {"gNB-CU:cell:servingCellConfigCommon"}},
    };
    for (const auto& c : cases) {
        const auto r = cli({"check", "--oai-conf", corpus(c.file)});
        EXPECT_EQ(r.status, c.status) << c.file << ": " << r.err;
        std::vector<std::string> named;
        for (const auto& row : rowsOf(r.out)) {
            const auto item = row.at("cell") + ":" + row.at("part") + ":" + row.at("field");
            if (std::ranges::find(named, item) == named.end()) {
                named.push_back(item);
            }
        }
        EXPECT_EQ(named, c.problems) << c.file << ":\n" << r.out;
    }
}

// Input that cannot be read: one line, status 2, nothing on standard output.
TEST(CliCell, BadInputIsOneLineAndNoOutput) {
    const std::vector<std::string> coreset = {
        "coreset0", "NR", "n78", "--ssb-arfcn", "641280", "--scs-common", "30", "--k-ssb", "0"};
    const std::vector<std::string> check = {"check",  "NR",           "n78", "--point-a",
                                            "640008", "--scs",        "30",  "--ssb-arfcn",
                                            "641280", "--carrier-rbs"};
    const auto with = [](std::vector<std::string> args, std::vector<std::string> more) {
        args.insert(args.end(), more.begin(), more.end());
        return args;
    };
    const std::vector<std::vector<std::string>> cases = {
        coreset,
        with(coreset, {"--index", "16"}),
        with(coreset, {"--index", "x"}),
        {"coreset0", "NR", "n78", "--ssb-arfcn", "641280", "--scs-common", "30", "--k-ssb", "32",
         "--index", "0"},
        {"coreset0", "NR", "n78", "--ssb-arfcn", "641281", "--scs-common", "30", "--k-ssb", "0",
         "--index", "0"},
        {"coreset0", "LTE", "3", "--ssb-arfcn", "1", "--scs-common", "15", "--k-ssb", "0",
         "--index", "0"},
        with(check, {"0"}),
        with(check, {"276"}),
        with(check, {"106", "--coreset0", "16"}),
        {"check", "NR", "n78", "--carrier-rbs", "106", "--scs", "30", "--ssb-arfcn", "641280"},
        {"check", "--oai-conf", corpus("not_a_config.conf")},
        {"check", "--oai-conf", corpus("no_such_file.conf")},
        {"config", "NR", "n78", "636666", "--bandwidth", "100", "--coreset0", "99"},
        {"config", "NR", "n78", "636666", "--bandwidth", "100", "--gscn", "1"},
    };
    for (const auto& args : cases) {
        const auto r = cli(args);
        EXPECT_EQ(r.status, 2) << ::testing::PrintToString(args) << r.out;
        EXPECT_EQ(lines(r.err).size(), 1u) << r.err;
        EXPECT_EQ(r.out, "") << ::testing::PrintToString(args);
    }
}

}  // namespace
}  // namespace tarnvale::testing
