#pragma once

#include <QGroupBox>
#include <QWidget>
#include <vector>

class QPainter;

namespace tarnvale {

class PaintedItem;

// A widget that paints lightweight items (shapes, lines, labels) over its background, in
// stacking order: the item added first lies on top.
class PaintedHost {
  public:
    virtual ~PaintedHost() = default;
    virtual QWidget* hostWidget() = 0;
    void addItem(PaintedItem* item) { items_.push_back(item); }

  protected:
    void paintItems(QPainter& painter) const;

  private:
    std::vector<PaintedItem*> items_;
};

// A captioned frame holding painted items.
class PaintedFrame : public QGroupBox, public PaintedHost {
    Q_OBJECT
  public:
    explicit PaintedFrame(const QString& caption, QWidget* parent = nullptr);
    QWidget* hostWidget() override { return this; }

  protected:
    void paintEvent(QPaintEvent* event) override;
};

// A plain area holding painted items.
class PaintedSurface : public QWidget, public PaintedHost {
    Q_OBJECT
  public:
    explicit PaintedSurface(QWidget* parent = nullptr);
    QWidget* hostWidget() override { return this; }

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tarnvale
