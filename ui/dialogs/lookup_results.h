#pragma once

#include <QAbstractTableModel>
#include <optional>
#include <string>
#include <vector>

#include "engine/carrier_search.h"
#include "engine/channel_record.h"
#include "ui/main/locale_numbers.h"

namespace tarnvale {

// The rows of a channel lookup: every band that has a number, or every carrier near a
// frequency, each row with its channel's record.
class LookupResults : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Column { Format, Band, Number, DirectionOrPair, DownlinkMhz, UplinkMhz, DuplexMode };

    explicit LookupResults(QObject* parent = nullptr);

    void showChannels(const std::vector<ChannelRecord>& records);
    void showCarriers(const std::vector<CarrierMatch>& matches);
    void clear();

    // The record of a row, and the carrier match it answers where a frequency was asked.
    const ChannelRecord& record(int row) const {
        return rows_[static_cast<std::size_t>(row)].record;
    }
    // The rows as tarnvale-cli writes them, header first: convert's columns for channels,
    // find's for carriers.
    std::string csv(const std::vector<int>& rows) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    struct Row {
        ChannelRecord record;
        std::optional<CarrierMatch> match;
    };

    QString text(const Row& row, int column) const;

    LocaleNumbers numbers_;
    std::vector<Row> rows_;
};

}  // namespace tarnvale
