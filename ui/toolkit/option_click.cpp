#include "ui/toolkit/option_click.h"

#include <QAbstractButton>
#include <memory>

namespace tarnvale {

void onOptionClick(QAbstractButton* option, const std::function<void()>& handler) {
    // A click on an unselected option emits toggled and then clicked; the flag keeps the
    // handler to one run. Code selecting the option emits toggled only.
    auto toggledByThisPress = std::make_shared<bool>(false);
    QObject::connect(option, &QAbstractButton::pressed, option,
                     [toggledByThisPress] { *toggledByThisPress = false; });
    QObject::connect(option, &QAbstractButton::toggled, option,
                     [toggledByThisPress, handler](bool selected) {
                         if (selected) {
                             *toggledByThisPress = true;
                             handler();
                         }
                     });
    QObject::connect(option, &QAbstractButton::clicked, option, [toggledByThisPress, handler] {
        if (!*toggledByThisPress) {
            handler();
        }
        *toggledByThisPress = false;
    });
}

}  // namespace tarnvale
