#include "main_window_fixture.h"

#include <QApplication>
#include <QTest>
#include <stdexcept>

#include "engine/band_table.h"

namespace tarnvale::testing {

void MainWindowTest::SetUp() {
    window = std::make_unique<MainWindow>(alerts);
    window->Form_Load();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
}

void MainWindowTest::TearDown() {
    for (const auto& w : alerts.warnings) {
        ADD_FAILURE() << "unexpected warning: " << w.text.toStdString();
    }
    window.reset();
    // The tool windows are windows of their own: closed, so that the next test starts alone.
    for (auto* open : QApplication::topLevelWidgets()) {
        if (open->isVisible()) {
            open->close();
        }
    }
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QRadioButton* MainWindowTest::format(int index) const {
    return find<QRadioButton>(QString("optFormat_%1").arg(index));
}

QRadioButton* MainWindowTest::band(int index) const {
    return find<QRadioButton>(QString("optBand_%1").arg(index));
}

QString MainWindowTest::text(const QString& labelName) const {
    return find<QLabel>(labelName)->text();
}

void MainWindowTest::click(QRadioButton* option) {
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
}

void MainWindowTest::chooseBand(int formatIndex, int bandIndex) {
    click(format(formatIndex));
    click(band(bandIndex));
}

std::string MainWindowTest::bandCaption(int formatIndex, int option) {
    const auto bands = bandsOf(kFormats.at(static_cast<std::size_t>(formatIndex)));
    const auto k = static_cast<std::size_t>(option);
    return k < bands.size() ? std::string(bands[k].name()) : std::string();
}

BandRef MainWindowTest::shownBand() const {
    const auto band =
        findBand(stateText("RadioFormat").toStdString(), stateText("BandName").toStdString());
    if (!band) {
        throw std::logic_error("the window shows a band the table lacks");
    }
    return *band;
}

std::vector<RecordingAlerts::Warning> MainWindowTest::takeWarnings() {
    return std::exchange(alerts.warnings, {});
}

}  // namespace tarnvale::testing
