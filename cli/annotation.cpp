#include "cli/annotation.h"

#include <algorithm>

#include "engine/number_text.h"
#include "report/table_writer.h"

namespace tarnvale::cli {
namespace {

// Numbers kept: every EARFCN below 65536 in a slot of its own, in 4 MiB.
constexpr std::size_t kSlots = std::size_t{1} << 16;

std::string_view directionName(Direction direction) {
    return direction == Direction::Downlink ? "downlink" : "uplink";
}

void appendCarrier(std::string& out, const Carrier& carrier) {
    if (!carrier.khz) {
        appendFrequency(out, carrier.mhz, ".");
        return;
    }
    std::array<char, kMaxIntegerChars + 3> digits{};
    out.append(digits.data(), writeKilohertzAsMegahertz(digits.data(), *carrier.khz, "."));
}

// The entries' texts joined by "|", one text where they all agree if `collapse`.
template <typename Append>
std::string joined(const std::vector<NumberCarrier>& entries, bool collapse, Append append) {
    std::string text;
    for (const auto& entry : collapse ? std::span(entries).first(1) : std::span(entries)) {
        if (!text.empty()) {
            text += '|';
        }
        append(text, entry);
    }
    return text;
}

}  // namespace

Annotator::Annotator(std::span<const BandRef> bands, DirectionChoice choice, char delimiter,
                     bool wrapped)
    : bands_(bands), choice_(choice), delimiter_(delimiter), wrapped_(wrapped), slots_(kSlots) {}

std::string_view Annotator::fieldsOf(Channel number) {
    auto& slot = slots_[static_cast<std::uint32_t>(number) % kSlots];
    if (slot.number == number) {
        return {slot.text.data(), slot.length};
    }
    longFields_ = build(number);
    if (longFields_.size() > slot.text.size()) {
        slot.number = -1;
        return longFields_;
    }
    slot.number = number;
    slot.length = static_cast<std::uint8_t>(longFields_.size());
    std::copy(longFields_.begin(), longFields_.end(), slot.text.begin());
    return {slot.text.data(), slot.length};
}

std::string Annotator::build(Channel number) const {
    auto entries = numberCarriers(number, bands_, choice_);
    const std::size_t asGiven = entries.size();
    if (wrapped_ && number < kEarfcnWrap) {
        const auto more = numberCarriers(number + kEarfcnWrap, bands_, choice_);
        entries.insert(entries.end(), more.begin(), more.end());
    }
    if (entries.empty()) {
        return {};
    }
    const auto name = [&](std::string& out, const NumberCarrier& e) {
        out += e.band.name();
        if (&e >= entries.data() + asGiven) {
            out += " (" + channelText(number + kEarfcnWrap) + ")";
        }
    };
    const bool agree = std::ranges::all_of(entries, [&](const NumberCarrier& e) {
        return e.direction == entries[0].direction && e.carrier.mhz == entries[0].carrier.mhz;
    });
    std::string fields;
    report::appendCsvField(fields, joined(entries, false, name));
    fields += delimiter_;
    fields += joined(entries, agree,
                     [](std::string& out, const auto& e) { out += directionName(e.direction); });
    fields += delimiter_;
    fields += joined(entries, agree,
                     [](std::string& out, const auto& e) { appendCarrier(out, e.carrier); });
    return fields;
}

std::string Annotator::nothingText(Channel number) const {
    static constexpr std::array<std::string_view, 3> kAsWhat = {
        " as a downlink channel", " as an uplink channel", " as a downlink or uplink channel"};
    const std::string asWhat(kAsWhat[static_cast<std::size_t>(choice_)]);
    const BandRef first = bands_.front();
    if (bands_.size() == 1) {
        return fullName(first) + " has no channel " + channelText(number) + asWhat;
    }
    return noBandHasChannelText(number, first.format()) + asWhat;
}

}  // namespace tarnvale::cli
