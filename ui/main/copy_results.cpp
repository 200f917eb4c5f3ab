#include <QClipboard>
#include <QGuiApplication>

#include "report/channel_rows.h"
#include "engine/channel_record.h"
#include "ui/main/main_window.h"

namespace tarnvale {

// The current channel as `tarnvale-cli convert` prints it: a header and one row of CSV.
void MainWindow::copyResults() {
    if (!band_) {
        return;
    }
    report::StringSink csv;
    report::ChannelRows rows(csv, {});
    for (const auto& record : channelRecords(*band_, state_.CurChannel)) {
        if (record.channel == state_.CurChannel) {
            rows.write(record);
        }
    }
    QGuiApplication::clipboard()->setText(toQString(csv.text()));
}

}  // namespace tarnvale
