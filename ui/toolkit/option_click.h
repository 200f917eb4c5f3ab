#pragma once

#include <functional>

class QAbstractButton;

namespace tarnvale {

// Runs `handler` whenever the option is selected, by code or by hand, and when the user clicks
// it while it is already selected; never twice for one click.
void onOptionClick(QAbstractButton* option, const std::function<void()>& handler);

}  // namespace tarnvale
