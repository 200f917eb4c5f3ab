#pragma once

#include <span>

class QAbstractButton;

namespace tarnvale {

// Makes a group of options one Tab stop, held by its selected option whether a hand or code
// selected it: Tab enters the group there. The other options take the focus by mouse, and by
// the arrow keys, which move among the options of a group.
void keepTabStopOnSelection(std::span<QAbstractButton* const> options);

}  // namespace tarnvale
