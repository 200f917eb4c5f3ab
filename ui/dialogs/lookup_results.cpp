#include "ui/dialogs/lookup_results.h"

#include <QLocale>

#include "engine/number_text.h"
#include "report/carrier_rows.h"
#include "report/channel_rows.h"

namespace tarnvale {
namespace {

const char* const kHeaders[] = {"Format",       "Band",       "Channel", "Direction or pair",
                                "Downlink MHz", "Uplink MHz", "Duplex"};

// The record of the channel a carrier belongs to: its listed channel, or the channel of its
// direction.
std::optional<ChannelRecord> recordOf(const CarrierMatch& m) {
    for (auto& r : channelRecords(m.band, m.channel)) {
        const bool classic = m.band.plan<ClassicPlan>() != nullptr && r.channel == m.channel;
        const bool own = m.direction == Direction::Downlink ? r.downlinkChannel == m.channel
                                                            : r.uplinkChannel == m.channel;
        if (classic || (m.band.plan<ClassicPlan>() == nullptr && own)) {
            return r;
        }
    }
    return std::nullopt;
}

QString numberOrDash(std::optional<Channel> channel) {
    return channel ? QString::number(*channel) : QString("–");
}

// One number for both carriers (a classic channel, a TDD channel), or the pair's two numbers.
QString pairText(const ChannelRecord& r) {
    if (!r.downlinkChannel && !r.uplinkChannel) {
        return QString("DL/UL %1").arg(r.channel);
    }
    if (r.downlinkChannel == r.uplinkChannel) {
        return QString("DL/UL %1").arg(*r.downlinkChannel);
    }
    return QString("DL %1 / UL %2")
        .arg(numberOrDash(r.downlinkChannel), numberOrDash(r.uplinkChannel));
}

}  // namespace

LookupResults::LookupResults(QObject* parent) : QAbstractTableModel(parent), numbers_(QLocale()) {}

void LookupResults::showChannels(const std::vector<ChannelRecord>& records) {
    beginResetModel();
    rows_.clear();
    for (const auto& record : records) {
        rows_.push_back({record, std::nullopt});
    }
    endResetModel();
}

void LookupResults::showCarriers(const std::vector<CarrierMatch>& matches) {
    beginResetModel();
    rows_.clear();
    for (const auto& match : matches) {
        if (const auto record = recordOf(match)) {
            rows_.push_back({*record, match});
        }
    }
    endResetModel();
}

void LookupResults::clear() {
    showChannels({});
}

std::string LookupResults::csv(const std::vector<int>& rows) const {
    report::StringSink sink;
    const bool carriers = !rows_.empty() && rows_.front().match;
    if (carriers) {
        report::CarrierRows writer(sink, {});
        for (const int row : rows) {
            writer.write(*rows_[static_cast<std::size_t>(row)].match);
        }
    } else {
        report::ChannelRows writer(sink, {});
        for (const int row : rows) {
            writer.write(rows_[static_cast<std::size_t>(row)].record);
        }
    }
    return sink.text();
}

int LookupResults::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int LookupResults::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(std::size(kHeaders));
}

QString LookupResults::text(const Row& row, int column) const {
    const auto& r = row.record;
    switch (column) {
        case Format:
            return toQString(r.band.formatName());
        case Band:
            return toQString(r.band.name());
        case Number:
            return QString::number(row.match ? row.match->channel : r.channel);
        case DirectionOrPair:
            if (row.match) {
                return row.match->direction == Direction::Downlink ? "downlink" : "uplink";
            }
            return pairText(r);
        case DownlinkMhz:
            return r.downlinkCarrier ? numbers_.frequency(r.downlinkCarrier->mhz) : QString();
        case UplinkMhz:
            return r.uplinkCarrier ? numbers_.frequency(r.uplinkCarrier->mhz) : QString();
        default:
            return toQString(duplexName(r.band.duplex()));
    }
}

QVariant LookupResults::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    if (role == Qt::TextAlignmentRole && index.column() >= Number &&
        index.column() != DirectionOrPair && index.column() != DuplexMode) {
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) {
        return {};
    }
    return text(rows_[static_cast<std::size_t>(index.row())], index.column());
}

QVariant LookupResults::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < columnCount()) {
        return QString(kHeaders[section]);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

}  // namespace tarnvale
