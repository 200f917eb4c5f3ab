#pragma once

#include <QObject>
#include <optional>
#include <string>
#include <vector>

#include "engine/carrier_search.h"
#include "engine/channel_record.h"
#include "report/channel_columns.h"
#include "report/find_columns.h"
#include "ui/toolkit/rows_model.h"

class QAbstractItemModel;

namespace tarnvale {

// The rows of a channel lookup, in the columns tarnvale-cli writes them with: every band that
// has a number (convert's columns), or every carrier near a frequency (find's).
class LookupResults {
  public:
    explicit LookupResults(QObject* parent);

    void showChannels(std::vector<ChannelRecord> records);
    void showCarriers(std::vector<CarrierMatch> matches);
    void clear() { showChannels({}); }

    // The model of the rows shown now.
    QAbstractItemModel* model() const;
    int rowCount() const;
    // The channel of a row: the channel itself, or the channel its carrier belongs to.
    std::optional<ChannelRecord> channelOf(int row) const;
    // The formats of the rows shown, each once.
    std::vector<Format> formatsShown() const;
    // The rows, header first, as tarnvale-cli writes them.
    std::string csv(const std::vector<int>& rows) const;

  private:
    RowsModel<report::kChannelColumns>* channels_;
    RowsModel<report::kFindColumns>* carriers_;
    bool showingCarriers_ = false;
};

}  // namespace tarnvale
