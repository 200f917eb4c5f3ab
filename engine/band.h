#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string_view>
#include <variant>

#include "engine/channel_bandwidth.h"
#include "engine/channel_number.h"
#include "engine/format.h"
#include "engine/nr_raster.h"

// What a row of the band table holds. Every fact about a band is in its row; the rows are in
// engine/bands/, one file a generation.
namespace tarnvale {

// A short list kept inside its row, so a row needs no arrays declared beside the table. More
// items than the capacity do not compile.
template <typename T, std::size_t Capacity>
class InlineList {
  public:
    constexpr InlineList() = default;
    constexpr InlineList(std::initializer_list<T> items) {
        for (const auto& item : items) {
            push(item);
        }
    }

    constexpr void push(const T& item) { items_[size_++] = item; }
    constexpr std::span<const T> view() const { return {items_.data(), size_}; }

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
    constexpr bool operator==(const ChannelRun&) const = default;
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
    std::optional<DownlinkPairing> pairing = std::nullopt;
    // Empty: the list's ranges, ascending (and for WCDMA those of the paired downlink channels).
    std::string_view validChannels = {};
};

// Channel numbers of one direction whose carriers lie on a grid: the number `numbers.first`
// sits at `firstKhz`, and each number more adds `khzPerNumber`. Kilohertz are whole numbers in
// every 3GPP table, so carriers are exact.
struct CarrierRun {
    ChannelRun numbers;
    std::int64_t firstKhz;
    std::int64_t khzPerNumber;
    std::int32_t rasterKhz = 0;  // NR: the channel raster ΔF_Raster these numbers are on

    constexpr std::int64_t khzOf(Channel n) const {
        return firstKhz + (std::int64_t{n} - numbers.first) * khzPerNumber;
    }
    // The number of the run whose carrier lies at `khz`, if there is one.
    constexpr std::optional<Channel> numberAt(std::int64_t khz) const {
        const std::int64_t from = khz - firstKhz;
        if (from < 0 || from % khzPerNumber != 0) {
            return std::nullopt;
        }
        const std::int64_t n = numbers.first + from / khzPerNumber;
        if (n > numbers.last || !numbers.holds(static_cast<Channel>(n))) {
            return std::nullopt;
        }
        return static_cast<Channel>(n);
    }
};

// A direction's channels: the union of its runs, in ascending order of number.
using CarrierRuns = InlineList<CarrierRun, 6>;

// NR synchronisation raster entries: GSCNs of SS blocks of one subcarrier spacing. A few
// apply only to carriers of some channel bandwidths: from `fromBandwidthKhz` up, or below
// `belowBandwidthKhz` where that is not 0.
struct GscnRange {
    std::int32_t scsKhz;
    char pattern;  // the SS block pattern, case A to G
    ChannelRun gscn;
    std::int32_t fromBandwidthKhz = 0;
    std::int32_t belowBandwidthKhz = 0;

    // The GSCNs of 3 MHz channels serve those alone, the others every wider channel
    // (TS 38.101-1 Tables 5.4.3.3-1 and 5.4.3.3-2).
    constexpr bool appliesTo(std::int32_t bandwidthKhz) const {
        const bool forThreeMhz = gscn.first >= kFirst3MhzGscn;
        return forThreeMhz == (bandwidthKhz == 3000) && bandwidthKhz >= fromBandwidthKhz &&
               (belowBandwidthKhz == 0 || bandwidthKhz < belowBandwidthKhz);
    }
};

// The band's edges in kHz (TS 36.101 Table 5.5-1, TS 38.101-1, -2 and -5 Table 5.2-1), which a
// carrier of a bandwidth must lie within; 0 for a direction the band lacks.
struct BandEdges {
    std::int64_t downlinkLowKhz = 0;
    std::int64_t downlinkHighKhz = 0;
    std::int64_t uplinkLowKhz = 0;
    std::int64_t uplinkHighKhz = 0;
};

// A 3GPP band's plan: the ARFCNs (EARFCN, NR-ARFCN, UARFCN) of each direction on their grids.
struct ArfcnPlan {
    Duplex duplex;
    CarrierRuns downlink;     // empty for SUL
    CarrierRuns uplink;       // empty for SDL; the same as downlink for TDD
    std::int64_t duplexKhz;   // FDD: the default downlink minus uplink carrier separation
    std::int64_t spacingKhz;  // the channel raster; the finest where a band has several
    InlineList<GscnRange, 12> gscn = {};
    BandEdges edges = {};
    // The channel bandwidths of each subcarrier spacing; none for a band whose bandwidths no
    // table gives (UMTS carriers are 5 MHz wide).
    InlineList<SpacingBandwidths, 4> bandwidths = {};
    std::span<const BandwidthChannels> channelsPerBandwidth = {};
    // TS 38.101-1 Table 5.2-1 NOTE 13: operation with shared spectrum channel access only (n46,
    // n96, n102), which puts the common resource grid of the SS block on its own spacing.
    bool sharedSpectrum = false;
    // NOTE 17: CORESET#0 of TS 38.213 Tables 13-5 and 13-6 whatever the smallest bandwidth (n79,
    // n104).
    bool coreset0Of40MhzBands = false;
};

struct Band {
    Format format;
    std::string_view name;
    std::variant<ClassicPlan, ArfcnPlan> plan;
};

}  // namespace tarnvale
