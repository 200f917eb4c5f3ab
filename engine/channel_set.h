#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <span>

#include "engine/band.h"

namespace tarnvale {

// An ascending set of channel numbers: the union of a few runs, or a list. Indexed by
// arithmetic over the runs; nothing is built to answer a question.
class ChannelSet {
  public:
    ChannelSet() = default;
    explicit ChannelSet(const InlineList<ChannelRun, 6>& runs);
    explicit ChannelSet(std::span<const Channel> list) : list_(list), isList_(true) {}

    bool empty() const { return size() == 0; }
    std::size_t size() const;
    // The channel at `index`, which must be below size().
    Channel at(std::size_t index) const;
    std::optional<std::size_t> indexOf(Channel channel) const;
    bool contains(Channel channel) const { return indexOf(channel).has_value(); }
    // The member nearest to `channel` by number, the lower one of two as near; nullopt for an
    // empty set.
    std::optional<Channel> nearest(Channel channel) const;
    void forEach(const std::function<void(Channel)>& visit) const;

  private:
    InlineList<ChannelRun, 6> runs_;
    std::span<const Channel> list_;
    bool isList_ = false;
};

}  // namespace tarnvale
