#include "ui/toolkit/channel_keys.h"

#include <QApplication>
#include <QClipboard>
#include <algorithm>

namespace tarnvale {

bool pasteChannel(QLineEdit& box, int maxLength) {
    const QString pasted = QApplication::clipboard()->text().trimmed();
    const bool digits = !pasted.isEmpty() && std::ranges::all_of(pasted, [](QChar c) {
        return c >= QChar('0') && c <= QChar('9');
    });
    const auto length = box.text().size() - box.selectedText().size() + pasted.size();
    if (!digits || length > maxLength) {
        return false;
    }
    box.insert(pasted);
    return true;
}

}  // namespace tarnvale
