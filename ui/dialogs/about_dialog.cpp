#include "ui/dialogs/about_dialog.h"

#include <QLabel>
#include <QPushButton>

#include "ui/dialogs/dialog_window.h"
#include "ui/toolkit/fonts.h"
#include "ui/toolkit/painted_frame.h"
#include "ui/toolkit/painted_items.h"
#include "ui/toolkit/program_icon.h"
#include "ui/toolkit/twips.h"

namespace tarnvale {
namespace {

constexpr int kIconPixels = 32;

constexpr char kDisclaimer[] =
    "Warning: this program is provided as is, without warranty of any kind. Check each result "
    "before relying on it.   ";

QLabel* label(QWidget* parent, const QString& name, const QString& caption, QRect place) {
    auto* l = new QLabel(caption, parent);
    l->setObjectName(name);
    l->setGeometry(place);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setWordWrap(true);
    return l;
}

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

}  // namespace

AboutDialog::AboutDialog(const QObject& mainWindow) {
    setObjectName("frmAbout");
    setWindowTitle("About Tarnvale");
    setWindowIcon(programIcon());
    setFont(windowFont());
    setAttribute(Qt::WA_DeleteOnClose);
    buildLayout();
    placeDialogWindow(this, twipRect(4548, 3336, 5724, 3096));
    Form_Load(mainWindow);
}

void AboutDialog::buildLayout() {
    auto* surface = new PaintedSurface(this);
    surface->setGeometry(twipRect(0, 0, 5724, 3096));

    auto* ok = new QPushButton("OK", surface);
    ok->setObjectName("cmdOK");
    ok->setGeometry(twipRect(4200, 2520, 1260, 345));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* icon = label(surface, "picIcon", {}, twipRect(360, 240, 480, 480));
    icon->setPixmap(programIcon().pixmap(kIconPixels, kIconPixels));
    icon->resize(kIconPixels, kIconPixels);

    new PaintedLine("Line1_1", surface, 120, 2273, 5678, 2273, QColor(128, 128, 128), 1);
    auto* description = label(surface, "lblDescription", {}, twipRect(1050, 1320, 3765, 690));
    description->setFrameStyle(QFrame::Box | QFrame::Plain);
    auto* title = label(surface, "lblTitle", "Tarnvale", twipRect(1050, 240, 3885, 480));
    title->setFont(layoutFont("MS Sans Serif", 7.8, true));
    setTextColour(title, QColor(0, 0, 255));
    new PaintedLine("Line1_0", surface, 105, 2273, 5648, 2273, QColor(255, 255, 255), 2);
    label(surface, "lblVersion", "Version xxx", twipRect(1050, 780, 3885, 225));
    auto* disclaimer = label(surface, "lblDisclaimer", kDisclaimer, twipRect(255, 2385, 3630, 705));
    setTextColour(disclaimer, Qt::black);

    setTabOrder(ok, icon);
}

void AboutDialog::Form_Load(const QObject& mainWindow) {
    findChild<QLabel*>("lblVersion")->setText("Version " + mainWindow.property("Ver").toString());
    findChild<QLabel*>("lblDescription")
        ->setText(QStringList{"Written by the Tarnvale developers", "The Tarnvale project",
                              mainWindow.property("Ver_Date").toString()}
                      .join("\r\n"));
}

}  // namespace tarnvale
