#include "ui/dialogs/keyboard_shortcuts_dialog.h"

#include <QPushButton>

#include "ui/dialogs/dialog_window.h"
#include "ui/dialogs/shortcut_list_label.h"
#include "ui/toolkit/fonts.h"
#include "ui/toolkit/twips.h"

namespace tarnvale {
namespace {

constexpr char kShortcuts[] =
    "+ (or =)     increment channel  -               decrement channel  B              bottom "
    "channel      T              top channel";

}  // namespace

KeyboardShortcutsDialog::KeyboardShortcutsDialog() {
    setObjectName("frmKbdShortcuts");
    setWindowTitle("Keyboard Shortcuts");
    setFont(windowFont());
    setAttribute(Qt::WA_DeleteOnClose);

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("OKButton");
    ok->setGeometry(twipRect(1200, 1440, 1215, 375));
    ok->setAutoDefault(true);  // outside a QDialog this only lets Enter press the focused button
    connect(ok, &QPushButton::clicked, this, &QWidget::close);

    auto* list = new ShortcutListLabel(kShortcuts, this);
    list->setObjectName("Label1");
    list->setGeometry(twipRect(360, 240, 2772, 1092));
    list->setFont(layoutFont("Microsoft Sans Serif", 10.2));

    placeDialogWindow(this, twipRect(2760, 3756, 3708, 1980));
}

void KeyboardShortcutsDialog::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    findChild<QPushButton*>("OKButton")->setFocus();
}

}  // namespace tarnvale
