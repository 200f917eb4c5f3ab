#pragma once

#include <QLabel>
#include <QString>
#include <utility>
#include <vector>

namespace tarnvale {

using ShortcutEntry = std::pair<QString, QString>;  // key, meaning

// The entries of a shortcut text in which runs of two or more spaces separate keys and
// meanings alike.
std::vector<ShortcutEntry> shortcutEntries(const QString& text);

// Shows a shortcut text as one entry a line, the meanings in an aligned column, whatever the
// font; its text stays the text it was given.
class ShortcutListLabel : public QLabel {
    Q_OBJECT
  public:
    explicit ShortcutListLabel(const QString& text, QWidget* parent = nullptr);

    // Where each line's key and meaning start, in pixels from the label's left edge.
    int meaningColumn() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tarnvale
