#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>

#include "report/sink.h"

namespace tarnvale::bench {

// Output handed on block by block and dropped, as a pipe to /dev/null takes it; what was
// written is counted.
class DroppingSink : public report::Sink {
  public:
    std::size_t bytes = 0;
    std::size_t lines = 0;

  protected:
    void deliver(std::string_view written) override {
        bytes += written.size();
        lines += static_cast<std::size_t>(std::ranges::count(written, '\n'));
    }
};

}  // namespace tarnvale::bench
