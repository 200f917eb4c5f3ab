#include "ui/toolkit/application_setup.h"

#include <QApplication>
#include <QFont>
#include <QPainter>
#include <QPolygonF>
#include <QProxyStyle>
#include <QStyleOption>
#include <QTransform>
#include <algorithm>

#include "engine/version.h"

namespace tarnvale {
namespace {

// The platform style, less two images it would load while the window first shows: each load
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

    // The scroll bar's arrows, drawn rather than taken from an image.
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element != PE_IndicatorArrowLeft && element != PE_IndicatorArrowRight &&
            element != PE_IndicatorArrowUp && element != PE_IndicatorArrowDown) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
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
