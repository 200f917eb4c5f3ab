#pragma once

// The worked example of the spectrum picture: the Cell 800 window, 824.04 to 893.97 MHz, and the
// carriers of its channel 1, 870.03 and 825.03 MHz, on the layout's scales. Twips are stated to
// two decimals.
namespace tarnvale::testing::worked_example {

inline constexpr double kStated = 0.005;

inline constexpr double kWindowStart = 824.04;
inline constexpr double kWindowStop = 893.97;
inline constexpr double kForward = 870.03;
inline constexpr double kReverse = 825.03;
inline constexpr int kChannel = 1;
inline constexpr int kListPosition = 33;

inline constexpr double kStartConnectorX = 2807.63;
inline constexpr double kStopConnectorX = 3025.53;
inline constexpr double kMarkLeft = 2822.63;
inline constexpr double kMarkWidth = 217.90;
inline constexpr double kForwardX = 4555.81;
inline constexpr double kReverseX = 685.15;
inline constexpr double kDuplexX1 = 4540.81;
inline constexpr double kGapLabelWidth = 555;
inline constexpr double kGapLabelLeft = 2335.48;  // for a label kGapLabelWidth wide

}  // namespace tarnvale::testing::worked_example
