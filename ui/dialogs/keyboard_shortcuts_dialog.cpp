#include "ui/dialogs/keyboard_shortcuts_dialog.h"

#include <QKeyEvent>
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
    ok->setAutoDefault(true);  // Enter presses the button while it has the focus
    connect(ok, &QPushButton::clicked, this, &QWidget::close);

    auto* list = new ShortcutListLabel(kShortcuts, this);
    list->setObjectName("Label1");
    list->setGeometry(twipRect(360, 240, 2772, 1092));
    list->setFont(layoutFont("Microsoft Sans Serif", 10.2));

    placeDialogWindow(this, twipRect(2760, 3756, 3708, 1980));
}

void KeyboardShortcutsDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    findChild<QPushButton*>("OKButton")->setFocus();
}

// A dialog would close on Esc; this one has no cancel button.
void KeyboardShortcutsDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace tarnvale
