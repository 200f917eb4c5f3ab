#pragma once

#include <array>

#include "report/table_writer.h"

// The columns of every command's output, in order.
namespace tarnvale::report {

inline constexpr std::array<Column, 2> kBandColumns = {{
    {"format", FieldKind::Text},
    {"band", FieldKind::Text},
}};

inline constexpr std::array<Column, 6> kPlanColumns = {{
    {"format", FieldKind::Text},
    {"band", FieldKind::Text},
    {"valid_channels", FieldKind::Text},
    {"channel_count", FieldKind::Number},
    {"window_start_mhz", FieldKind::Number},
    {"window_stop_mhz", FieldKind::Number},
}};

// convert, table and lookup.
inline constexpr std::array<Column, 11> kChannelColumns = {{
    {"format", FieldKind::Text},
    {"band", FieldKind::Text},
    {"index", FieldKind::Number},
    {"channel", FieldKind::Number},
    {"forward_mhz", FieldKind::Number},
    {"reverse_mhz", FieldKind::Number},
    {"gap_mhz", FieldKind::Number},
    {"spacing_khz", FieldKind::Number},
    {"dl_channel", FieldKind::Number},
    {"ul_channel", FieldKind::Number},
    {"duplex", FieldKind::Text},
}};

inline constexpr std::array<Column, 7> kFindColumns = {{
    {"format", FieldKind::Text},
    {"band", FieldKind::Text},
    {"index", FieldKind::Number},
    {"channel", FieldKind::Number},
    {"direction", FieldKind::Text},
    {"frequency_mhz", FieldKind::Number},
    {"offset_khz", FieldKind::Number},
}};

inline constexpr std::array<Column, 2> kGscnColumns = {{
    {"gscn", FieldKind::Number},
    {"frequency_mhz", FieldKind::Number},
}};

// gscn --band.
inline constexpr std::array<Column, 5> kBandGscnColumns = {{
    {"band", FieldKind::Text},
    {"scs_khz", FieldKind::Number},
    {"ssb_pattern", FieldKind::Text},
    {"gscn", FieldKind::Number},
    {"frequency_mhz", FieldKind::Number},
}};

}  // namespace tarnvale::report
