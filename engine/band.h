#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string_view>

#include "engine/channel_number.h"
#include "engine/format.h"

// What a row of the band table holds. Every fact about a band is in its row; the table itself
// is in band_table.cpp.
namespace tarnvale {

// A short list kept inside its row, so a row needs no arrays declared beside the table. More
// items than the capacity do not compile.
template <typename T, std::size_t Capacity>
class InlineList {
  public:
    constexpr InlineList() = default;
    constexpr InlineList(std::initializer_list<T> items) {
        for (const auto& item : items) {
            items_[size_++] = item;
        }
    }

    constexpr const T* begin() const { return items_.data(); }
    constexpr const T* end() const { return items_.data() + size_; }
    constexpr std::size_t size() const { return size_; }
    constexpr bool empty() const { return size_ == 0; }
    constexpr const T& operator[](std::size_t i) const { return items_[i]; }
    constexpr const T& front() const { return items_[0]; }
    constexpr const T& back() const { return items_[size_ - 1]; }

  private:
    std::array<T, Capacity> items_{};
    std::size_t size_ = 0;
};

// The channel numbers first, first + step, ... up to last, as 3GPP writes First-<Step>-Last.
struct ChannelRun {
    Channel first;
    Channel step;
    Channel last;

    constexpr std::size_t count() const {
        return static_cast<std::size_t>((last - first) / step) + 1;
    }
    constexpr Channel at(std::size_t k) const { return first + static_cast<Channel>(k) * step; }
    constexpr bool holds(Channel n) const {
        return n >= first && n <= last && (n - first) % step == 0;
    }
    // The place of a channel that the run holds.
    constexpr std::size_t placeOf(Channel n) const {
        return static_cast<std::size_t>((n - first) / step);
    }
};

// How the channels of a classic band become carriers. Sub-ranges never overlap.
enum class Shape : std::uint8_t {
    OffsetStep,    // F = base + step * (N - first), R = F - gap
    DivideByFive,  // R = N / 5 + base, F = R + gap; N is the uplink channel
};

// Most bands know their spacing before a sub-range matches; a few only with the match.
enum class SpacingRule : std::uint8_t { BandWide, WithRange };

struct SubRange {
    Channel low;
    Channel high;
    Channel first;   // offset-step only
    double base;     // MHz
    double step;     // MHz a channel, offset-step only
    double gap;      // MHz; a divide-by-five band has one gap for all its sub-ranges
    double spacing;  // kHz; 0 stands for a variable spacing
};

struct ClassicRule {
    Shape shape;
    SpacingRule spacing;
    InlineList<SubRange, 4> ranges;
};

// The lowest and highest carrier of the band's channels, in MHz; stored, not computed.
struct BandWindow {
    double start;
    double stop;
};

// WCDMA: uplink channels up to `upTo` pair with the downlink channel `offset` above them, the
// others with the one `offsetAbove` above them.
struct DownlinkPairing {
    Channel offset;
    Channel upTo;
    Channel offsetAbove;
};

struct ClassicPlan {
    InlineList<ChannelRun, 5> list;  // in walking order, which is not always ascending
    ClassicRule rule;
    BandWindow window;
    std::optional<DownlinkPairing> pairing = std::nullopt;
    std::string_view validChannels = {};  // empty: the list's ranges, ascending
};

struct Band {
    Format format;
    std::string_view name;
    ClassicPlan plan;
};

}  // namespace tarnvale
