#include "engine/gscn.h"
#include "cli/commands.h"
#include "cli/options.h"
#include "cli/values.h"
#include "engine/band_names.h"
#include "engine/input_text.h"
#include "engine/nr_raster.h"
#include "engine/number_text.h"
#include "report/gscn_columns.h"
#include "report/rows.h"

namespace tarnvale::cli::commands {
namespace {

void bandEntries(const Request& request, const std::string& name, report::Sink& out,
                 Diagnostics& diagnostics) {
    const auto band = diagnostics.accept(resolveBand(Format::Nr, name));
    if (!band) {
        return;
    }
    report::Rows<report::kBandGscnColumns> rows(out, request.style);
    forEachGscn(*band, [&](const GscnEntry& entry) { rows.write({*band, entry}); });
}

Reading<GscnEntry> readGscn(std::string_view text) {
    const auto gscn = parseChannel(trimmed(text));
    const auto mhz = gscn ? gscnFrequencyMhz(*gscn) : std::nullopt;
    if (!mhz) {
        return {std::nullopt, inQuotes(trimmed(text)) + " is not a GSCN (a whole number from " +
                                  gscnRangeText() + ")"};
    }
    return {GscnEntry{0, ' ', *gscn, *mhz}, {}};
}

constexpr Option kFrequencyOption{.flag = "--frequency",
                                  .valueName = "MHZ",
                                  .help = "the GSCN of an SS block frequency, or the nearest",
                                  .whenMissing = "--frequency needs a number of MHz"};

// The frequency --ssb-arfcn or --frequency names, in MHz.
std::optional<double> askedFrequency(const Request& request, Diagnostics& diagnostics) {
    if (const auto arfcn = request.value(kSsbArfcnOption)) {
        const auto n = diagnostics.accept(readNrArfcn(*arfcn));
        return n ? std::optional(static_cast<double>(nrArfcnKhz(*n)) / 1000) : std::nullopt;
    }
    return diagnostics.accept(readFrequencyMhz(*request.value(kFrequencyOption), "."));
}

void nearEntries(const Request& request, report::Sink& out, Diagnostics& diagnostics) {
    const auto mhz = askedFrequency(request, diagnostics);
    if (!mhz) {
        return;
    }
    report::Rows<report::kGscnNearColumns> rows(out, request.style);
    const auto near = gscnsNear(*mhz);
    for (const auto& entry : near) {
        rows.write(entry);
    }
    if (near.empty()) {
        diagnostics.warning("no GSCN lies near " + frequencyText(*mhz, ".") + " MHz");
    }
}

// GSCNs that are fine are printed even when others are not, as convert does.
void run(const Request& request, report::Sink& out, Diagnostics& diagnostics) {
    const int modes = (request.arguments.empty() ? 0 : 1) + (request.given(kBandOption) ? 1 : 0) +
                      (request.given(kSsbArfcnOption) ? 1 : 0) +
                      (request.given(kFrequencyOption) ? 1 : 0);
    if (modes != 1) {
        diagnostics.badInput(modes == 0 ? "gscn needs GSCNs, --band, --ssb-arfcn or --frequency"
                                        : "gscn takes one of GSCNs, --band, --ssb-arfcn and "
                                          "--frequency");
        return;
    }
    if (const auto band = request.value(kBandOption)) {
        bandEntries(request, *band, out, diagnostics);
        return;
    }
    if (request.arguments.empty()) {
        nearEntries(request, out, diagnostics);
        return;
    }
    report::Rows<report::kGscnColumns> rows(out, request.style);
    forEachValue(request, 0, out, diagnostics, [&](std::string_view text) {
        if (const auto entry = diagnostics.accept(readGscn(text))) {
            rows.write(*entry);
        }
    });
}

constexpr Argument kArguments[] = {{.name = "NUMBER",
                                    .help = "a GSCN, a global synchronisation channel number",
                                    .optional = true,
                                    .repeats = true,
                                    .standardInput = true}};
constexpr const Option* kOptions[] = {&kBandOption, &kSsbArfcnOption, &kFrequencyOption};
constexpr auto kColumns = report::namesOf(report::kGscnColumns);
constexpr auto kBandColumns = report::namesOf(report::kBandGscnColumns);
constexpr auto kNearColumns = report::namesOf(report::kGscnNearColumns);
constexpr OtherRows kOtherRows[] = {
    {.intro = "With --band, the band's GSCNs for each SS block subcarrier spacing, with the "
              "columns",
     .columns = kBandColumns},
    {.intro = "With --ssb-arfcn or --frequency, the nearest GSCN of channels above 3 MHz (then "
              "one of 3 MHz channels at exactly that frequency), offset_khz its SS_REF minus the "
              "frequency, with the columns",
     .columns = kNearColumns}};

}  // namespace

const Command gscn{.name = "gscn",
                   .summary = "SS block frequencies of NR GSCNs",
                   .arguments = kArguments,
                   .options = kOptions,
                   .columns = kColumns,
                   .otherRows = kOtherRows,
                   .example = "tarnvale-cli gscn 2156",
                   .run = run};

}  // namespace tarnvale::cli::commands
