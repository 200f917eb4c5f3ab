#include "ui/dialogs/shortcut_list_label.h"

#include <QPainter>
#include <QRegularExpression>

namespace tarnvale {

std::vector<ShortcutEntry> shortcutEntries(const QString& text) {
    static const QRegularExpression separator(" {2,}");
    const QStringList parts = text.trimmed().split(separator, Qt::SkipEmptyParts);
    std::vector<ShortcutEntry> entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        entries.emplace_back(parts[i], parts[i + 1]);
    }
    return entries;
}

ShortcutListLabel::ShortcutListLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

int ShortcutListLabel::meaningColumn() const {
    int widest = 0;
    for (const auto& [key, meaning] : shortcutEntries(text())) {
        widest = std::max(widest, fontMetrics().horizontalAdvance(key));
    }
    return widest + fontMetrics().horizontalAdvance("    ");
}

void ShortcutListLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const int column = meaningColumn();
    int y = fontMetrics().ascent();
    for (const auto& [key, meaning] : shortcutEntries(text())) {
        painter.drawText(0, y, key);
        painter.drawText(column, y, meaning);
        y += fontMetrics().lineSpacing();
    }
}

}  // namespace tarnvale
