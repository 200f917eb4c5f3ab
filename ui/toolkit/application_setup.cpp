#include "ui/toolkit/application_setup.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QFont>
#include <QGroupBox>
#include <QPainter>
#include <QPolygonF>
#include <QProxyStyle>
#include <QStyleOption>
#include <QTransform>
#include <algorithm>
#include <cstdlib>
#include <string>

#include "engine/version.h"

namespace tarnvale {

void provideRuntimeDirectory() {
    const char* set = std::getenv("XDG_RUNTIME_DIR");
    if (set != nullptr && *set != '\0') {
        return;
    }
    const char* temporary = std::getenv("TMPDIR");
    const std::string folder =
        std::string(temporary != nullptr && *temporary != '\0' ? temporary : "/tmp") + "/runtime-" +
        std::to_string(getuid());
    mkdir(folder.c_str(), S_IRWXU);
    struct stat made {};
    // Only a folder of the user's own that no one else may enter will do.
    if (stat(folder.c_str(), &made) == 0 && S_ISDIR(made.st_mode) && made.st_uid == getuid() &&
        (made.st_mode & (S_IRWXG | S_IRWXO)) == 0) {
        setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);
    }
}
namespace {

// Fusion's margin above a group box's frame, beside its title.
constexpr int kGroupBoxTopMargin = 3;

// The platform style, less the images it would load while the window first shows: each load
// makes Qt open every image-format plugin.
class StartupStyle : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                       const QWidget* widget) const override {
        if (icon == SP_ToolBarHorizontalExtensionButton ||
            icon == SP_ToolBarVerticalExtensionButton) {
            return {};
        }
        return QProxyStyle::standardIcon(icon, option, widget);
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element == PE_FrameGroupBox) {
            drawGroupBoxFrame(option, painter, widget);
        } else if (element == PE_IndicatorArrowLeft || element == PE_IndicatorArrowRight ||
                   element == PE_IndicatorArrowUp || element == PE_IndicatorArrowDown) {
            drawArrow(element, option, painter);
        } else {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
        }
    }

  private:
    // Fusion's group box frame, drawn where Fusion stretches an image of it: a faint line
    // below the title, its corners cut, and a fainter line inside. Fusion also tints the inside
    // by 1%, which is left out.
    void drawGroupBoxFrame(const QStyleOption* option, QPainter* painter,
                           const QWidget* widget) const {
        const auto* box = qobject_cast<const QGroupBox*>(widget);
        const bool plain = box != nullptr && !box->isCheckable() && box->title().isEmpty();
        const int top = plain ? kGroupBoxTopMargin
                              : std::max(pixelMetric(PM_ExclusiveIndicatorHeight),
                                         option->fontMetrics.height()) +
                                    kGroupBoxTopMargin;
        const QRect outer = option->rect.adjusted(1, top + 1, 0, 0);
        outline(painter, outer, QColor(117, 117, 117, 50));
        outline(painter, outer.adjusted(1, 1, -1, -1), QColor(0, 0, 0, 7));
        const QColor corner(94, 94, 94, 31);
        for (const QPoint& p :
             {outer.topLeft() + QPoint(1, 1), outer.topRight() + QPoint(-1, 1),
              outer.bottomLeft() + QPoint(1, -1), outer.bottomRight() + QPoint(-1, -1)}) {
            painter->fillRect(QRect(p, QSize(1, 1)), corner);
        }
    }

    // A one-pixel rectangle outline without its corner pixels. Qt paints a fill of more than
    // about 96 lines on its painting threads, which start on first use and cost megabytes of
    // stacks and heaps; the sides go in shorter pieces, so a plain window never starts them.
    static void outline(QPainter* painter, const QRect& r, const QColor& colour) {
        constexpr int kPieceLines = 64;
        painter->fillRect(QRect(r.left() + 1, r.top(), r.width() - 2, 1), colour);
        painter->fillRect(QRect(r.left() + 1, r.bottom(), r.width() - 2, 1), colour);
        for (int y = r.top() + 1; y < r.bottom(); y += kPieceLines) {
            const int lines = std::min(kPieceLines, r.bottom() - y);
            painter->fillRect(QRect(r.left(), y, 1, lines), colour);
            painter->fillRect(QRect(r.right(), y, 1, lines), colour);
        }
    }

    // The scroll bar's arrows, drawn rather than taken from an image.
    static void drawArrow(PrimitiveElement element, const QStyleOption* option, QPainter* painter) {
        const QRectF r = QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5);
        const double half = std::min(r.width(), r.height()) / 4;
        const QPointF c = r.center();
        const QTransform turn = QTransform().rotate(element == PE_IndicatorArrowLeft   ? 180
                                                    : element == PE_IndicatorArrowUp   ? 270
                                                    : element == PE_IndicatorArrowDown ? 90
                                                                                       : 0);
        QPolygonF arrow({{half, 0}, {-half / 2, -half}, {-half / 2, half}});
        arrow = turn.map(arrow).translated(c);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(Qt::NoPen);
        painter->setBrush(option->palette.color(
            option->state & State_Enabled ? QPalette::Active : QPalette::Disabled,
            QPalette::ButtonText));
        painter->drawPolygon(arrow);
        painter->restore();
    }
};

}  // namespace

void setApplicationIdentity() {
    QApplication::setApplicationName("tarnvale");
    QApplication::setApplicationVersion(
        QString::fromUtf8(kVersion.data(), static_cast<qsizetype>(kVersion.size())));
    QApplication::setDesktopFileName("org.tarnvale.tarnvale");
}

void installStartupStyle() {
    QApplication::setStyle(new StartupStyle);
}

void buildWithApplicationFont(const QFont& font, const std::function<void()>& build) {
    const QFont previous = QApplication::font();
    QApplication::setFont(font);
    build();
    QApplication::setFont(previous);
}

}  // namespace tarnvale
