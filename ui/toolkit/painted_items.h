#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QObject>
#include <QString>
#include <optional>

class QPainter;

namespace tarnvale {

class PaintedHost;

// An item drawn by its host rather than a widget of its own. Geometry is in twips relative
// to the host, held in single precision; each change repaints the host.
class PaintedItem : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool visible READ isVisible WRITE setVisible)
  public:
    PaintedItem(const QString& name, PaintedHost* host);
    virtual void paint(QPainter& painter) const = 0;

    bool isVisible() const { return visible_; }
    void setVisible(bool visible);

  protected:
    void changed();
    void setTwips(float& field, float value);

  private:
    PaintedHost* host_;
    bool visible_ = true;
};

// Shapes and labels: an item with a rectangle.
class PaintedBox : public PaintedItem {
    Q_OBJECT
    Q_PROPERTY(float left READ left WRITE setLeft)
    Q_PROPERTY(float top READ top WRITE setTop)
    Q_PROPERTY(float width READ width WRITE setWidth)
    Q_PROPERTY(float height READ height WRITE setHeight)
  public:
    PaintedBox(const QString& name, PaintedHost* host, float left, float top, float width,
               float height);

    float left() const { return left_; }
    float top() const { return top_; }
    float width() const { return width_; }
    float height() const { return height_; }
    void setLeft(float twips) { setTwips(left_, twips); }
    void setTop(float twips) { setTwips(top_, twips); }
    void setWidth(float twips) { setTwips(width_, twips); }
    void setHeight(float twips) { setTwips(height_, twips); }

  protected:
    QRectF pixelRect() const;

  private:
    float left_;
    float top_;
    float width_;
    float height_;
};

// An opaque rectangle with a one-pixel border.
class PaintedShape : public PaintedBox {
    Q_OBJECT
    Q_PROPERTY(QColor fill READ fill)
  public:
    PaintedShape(const QString& name, PaintedHost* host, float left, float top, float width,
                 float height, QColor fill, QColor border);
    void paint(QPainter& painter) const override;
    QColor fill() const { return fill_; }
    void setColours(QColor fill, QColor border);

  private:
    QColor fill_;
    QColor border_;
};

class PaintedLine : public PaintedItem {
    Q_OBJECT
    Q_PROPERTY(float x1 READ x1 WRITE setX1)
    Q_PROPERTY(float y1 READ y1 WRITE setY1)
    Q_PROPERTY(float x2 READ x2 WRITE setX2)
    Q_PROPERTY(float y2 READ y2 WRITE setY2)
  public:
    PaintedLine(const QString& name, PaintedHost* host, float x1, float y1, float x2, float y2,
                QColor colour, int widthPixels);

    float x1() const { return x1_; }
    float y1() const { return y1_; }
    float x2() const { return x2_; }
    float y2() const { return y2_; }
    void setX1(float twips) { setTwips(x1_, twips); }
    void setY1(float twips) { setTwips(y1_, twips); }
    void setX2(float twips) { setTwips(x2_, twips); }
    void setY2(float twips) { setTwips(y2_, twips); }
    void paint(QPainter& painter) const override;

  private:
    float x1_;
    float y1_;
    float x2_;
    float y2_;
    QColor colour_;
    int widthPixels_;
};

// Thin vertical marks of one colour at several places, from `top` down `height` twips.
class PaintedMarks : public PaintedItem {
    Q_OBJECT
    Q_PROPERTY(QList<float> xs READ xs)
    Q_PROPERTY(float top READ top)
    Q_PROPERTY(float height READ height)
  public:
    PaintedMarks(const QString& name, PaintedHost* host, float top, float height, QColor colour);

    QList<float> xs() const { return xs_; }
    float top() const { return top_; }
    float height() const { return height_; }
    void setXs(QList<float> twips);
    void paint(QPainter& painter) const override;

  private:
    QList<float> xs_;
    float top_;
    float height_;
    QColor colour_;
};

struct LabelStyle {
    QFont font;
    QColor text;
    std::optional<QColor> background;  // none: the host's own background
    bool centred = false;
    bool autoSize = false;  // keeps the rectangle the size of the caption in its font
    bool right = false;     // the caption against the rectangle's right side
};

class PaintedLabel : public PaintedBox {
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption WRITE setCaption)
    Q_PROPERTY(double fontSize READ fontSize WRITE setFontSize)
  public:
    PaintedLabel(const QString& name, PaintedHost* host, float left, float top, float width,
                 float height, const QString& caption, LabelStyle style);

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    double fontSize() const { return style_.font.pointSizeF(); }
    void setFontSize(double points);
    void paint(QPainter& painter) const override;

  private:
    void fitToCaption();

    QString caption_;
    LabelStyle style_;
};

}  // namespace tarnvale
