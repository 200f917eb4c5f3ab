#include <QClipboard>
#include <QGuiApplication>

#include "engine/channel_record.h"
#include "report/channel_columns.h"
#include "report/rows.h"
#include "ui/main/main_window.h"

namespace tarnvale {

// The current channel as `tarnvale-cli convert` prints it: a header and one row of CSV.
void MainWindow::copyResults() {
    if (!band_) {
        return;
    }
    report::StringSink csv;
    report::Rows<report::kChannelColumns> rows(csv, {});
    for (const auto& record : channelRecords(*band_, state_.CurChannel)) {
        if (record.channel == state_.CurChannel) {
            rows.write(record);
        }
    }
    QGuiApplication::clipboard()->setText(toQString(csv.text()));
}

}  // namespace tarnvale
