#include "ui/toolkit/option_tab_stop.h"

#include <QAbstractButton>
#include <vector>

namespace tarnvale {

void keepTabStopOnSelection(std::span<QAbstractButton* const> options) {
    const auto follow = [group = std::vector(options.begin(), options.end())] {
        for (auto* option : group) {
            option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
        }
    };
    for (auto* option : options) {
        QObject::connect(option, &QAbstractButton::toggled, option, follow);
    }
    follow();
}

}  // namespace tarnvale
