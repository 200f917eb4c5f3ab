#include "gnb_config/oai_config.h"

#include <libconfig.h++>

#include "engine/band_ref.h"
#include "engine/number_text.h"

namespace tarnvale {
namespace {

using namespace cell_field;

// Fields an OpenAirInterface file names otherwise than TS 38.331.
inline constexpr CellField kServingCell{"cell", "servingCellConfigCommon", ""};

std::optional<long long> integer(const libconfig::Setting& group, const char* name) {
    long long value = 0;
    return group.lookupValue(name, value) ? std::optional(value) : std::nullopt;
}

// A spacing as OpenAirInterface numbers it: mu, for 15 * 2^mu kHz.
std::optional<std::int32_t> spacing(const libconfig::Setting& group, const char* name) {
    const auto mu = integer(group, name);
    return mu && *mu >= 0 && *mu <= 6 ? std::optional(15 << *mu) : std::nullopt;
}

std::optional<int> small(const std::optional<long long>& value) {
    return value ? std::optional(static_cast<int>(*value)) : std::nullopt;
}

// CORESET#0 and searchSpaceZero: the initial BWP's, or a pdcch_ConfigSIB1 group's that older
// OpenAirInterface read for the MIB.
void readPdcchSib1(const libconfig::Setting& gnb, const libconfig::Setting& cell,
                   GivenCell& given) {
    given.coreset0 = small(integer(cell, "initialDLBWPcontrolResourceSetZero"));
    given.searchSpaceZero = small(integer(cell, "initialDLBWPsearchSpaceZero"));
    if (gnb.exists("pdcch_ConfigSIB1") && gnb["pdcch_ConfigSIB1"].getLength() > 0) {
        const auto& sib1 = gnb["pdcch_ConfigSIB1"][0];
        given.coreset0 =
            given.coreset0 ? given.coreset0 : small(integer(sib1, "controlResourceSetZero"));
        given.searchSpaceZero =
            given.searchSpaceZero ? given.searchSpaceZero : small(integer(sib1, "searchSpaceZero"));
    }
}

OaiCell readCell(const libconfig::Setting& gnb, const libconfig::Setting& cell, std::string name) {
    OaiCell read{std::move(name), std::nullopt, {}};
    const auto band = integer(cell, "dl_frequencyBand");
    const auto found =
        band ? findBand(Format::Nr, "n" + channelText(static_cast<Channel>(*band))) : std::nullopt;
    if (!found) {
        read.problems.push_back(
            {kBand, band ? channelText(static_cast<Channel>(*band)) : "", "",
             band ? "no NR band has this number" : "dl_frequencyBand is missing"});
        return read;
    }
    GivenCell given{*found};
    given.pointA = integer(cell, "dl_absoluteFrequencyPointA");
    given.offsetToCarrier = small(integer(cell, "dl_offstToCarrier")).value_or(0);
    given.carrierBandwidth = small(integer(cell, "dl_carrierBandwidth"));
    given.scsKhz = spacing(cell, "dl_subcarrierSpacing");
    given.ssbArfcn = integer(cell, "absoluteFrequencySSB");
    given.ssbScsKhz = spacing(cell, "subcarrierSpacing");
    given.scsCommonKhz = spacing(cell, "initialDLBWPsubcarrierSpacing");
    given.bwpLocationAndBandwidth = small(integer(cell, "initialDLBWPlocationAndBandwidth"));
    readPdcchSib1(gnb, cell, given);
    given.uplinkPointA = integer(cell, "ul_absoluteFrequencyPointA");
    given.uplinkOffsetToCarrier = small(integer(cell, "ul_offstToCarrier")).value_or(0);
    given.uplinkCarrierBandwidth = small(integer(cell, "ul_carrierBandwidth"));
    given.uplinkScsKhz = spacing(cell, "ul_subcarrierSpacing");
    read.fields = given;
    return read;
}

std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

}  // namespace

std::vector<OaiCell> readOaiConfig(const std::string& path) {
    libconfig::Config file;
    // Numbers are read as 64 bits, whether the file writes them with L or not.
    file.setAutoConvert(true);
    file.setIncludeDir(folderOf(path).c_str());
    try {
        file.readFile(path.c_str());
    } catch (const libconfig::FileIOException&) {
        throw ConfigFileError("cannot read " + path);
    } catch (const libconfig::ParseException& e) {
        throw ConfigFileError(std::string(e.getFile() != nullptr ? e.getFile() : path.c_str()) +
                              ":" + std::to_string(e.getLine()) + ": " + e.getError() +
                              ": not an OpenAirInterface configuration in libconfig syntax");
    }
    const auto& root = file.getRoot();
    if (!root.exists("gNBs") || !root["gNBs"].isList()) {
        throw ConfigFileError(path +
                              " has no gNBs list: not an OpenAirInterface gNB configuration");
    }
    std::vector<OaiCell> cells;
    const auto& gnbs = root["gNBs"];
    for (int i = 0; i < gnbs.getLength(); ++i) {
        const auto& gnb = gnbs[i];
        std::string name = "gNBs[" + std::to_string(i) + "]";
        gnb.lookupValue("gNB_name", name);
        if (!gnb.exists("servingCellConfigCommon") ||
            gnb["servingCellConfigCommon"].getLength() == 0) {
            cells.push_back(
                {name,
                 std::nullopt,
                 {{kServingCell, "", "", "no servingCellConfigCommon (a CU's file?)"}}});
            continue;
        }
        const auto& serving = gnb["servingCellConfigCommon"];
        for (int j = 0; j < serving.getLength(); ++j) {
            const auto cellName =
                serving.getLength() == 1 ? name : name + " cell " + std::to_string(j);
            cells.push_back(readCell(gnb, serving[j], cellName));
        }
    }
    return cells;
}

}  // namespace tarnvale
