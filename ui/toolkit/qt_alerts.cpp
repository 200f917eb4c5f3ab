#include "ui/toolkit/qt_alerts.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>

namespace tarnvale {

// A plain warning with one OK button. The button is the box's own rather than a standard one,
// which some styles give an icon; and the box is at least as wide as its title needs in a
// title bar, which a window manager would otherwise cut. It belongs to the window whose action
// raised it, the active one, so that it opens over that window and, closed, gives the keys back
// to the box being edited there.
void QtAlerts::warn(const QString& text, const QString& title) {
    QWidget* owner = QApplication::activeWindow();
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::NoButton,
                    owner != nullptr ? owner : parent_.data());
    box.setObjectName("InvalidChannelBox");
    box.setDefaultButton(box.addButton("OK", QMessageBox::AcceptRole));
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        grid->addItem(
            new QSpacerItem(titleRoom(title), 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
            grid->rowCount(), 0, 1, grid->columnCount());
    }
    box.exec();
}

int QtAlerts::titleRoom(const QString& title) {
    // A title bar's font is larger than a window's and bold under most window managers, and
    // its icon and buttons take a hundred pixels and more.
    QFont font = QApplication::font();
    font.setPointSizeF(font.pointSizeF() * 1.25);
    font.setBold(true);
    constexpr int kTitleBarButtons = 140;
    return QFontMetrics(font).horizontalAdvance(title) + kTitleBarButtons;
}

void QtAlerts::beep() {
    QApplication::beep();
}

}  // namespace tarnvale
