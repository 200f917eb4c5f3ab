#pragma once

#include <QGroupBox>
#include <vector>

namespace tarnvale {

class PaintedItem;

// A frame that paints lightweight items (shapes, lines, labels) over its background, in
// stacking order: the item added first lies on top.
class PaintedFrame : public QGroupBox {
    Q_OBJECT
  public:
    explicit PaintedFrame(const QString& caption, QWidget* parent = nullptr);

    void addItem(PaintedItem* item);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<PaintedItem*> items_;
};

}  // namespace tarnvale
