#pragma once

#include <QAbstractTableModel>
#include <QLocale>
#include <string>
#include <utility>
#include <vector>

#include "report/field.h"
#include "report/rows.h"
#include "report/sink.h"
#include "ui/toolkit/locale_numbers.h"

namespace tarnvale {

// Rows of one of the report's row kinds for a table view: the columns, headers and alignment
// of its column table, fields in the user's locale, and CSV of any rows as tarnvale-cli writes
// them.
template <const auto& Columns>
class RowsModel : public QAbstractTableModel {
  public:
    using Record = report::RecordOf<Columns>;

    explicit RowsModel(QObject* parent = nullptr)
        : QAbstractTableModel(parent), numbers_(QLocale()) {}

    void setRows(std::vector<Record> rows) {
        beginResetModel();
        rows_ = std::move(rows);
        endResetModel();
    }
    const Record& row(int index) const { return rows_[static_cast<std::size_t>(index)]; }
    const std::vector<Record>& rows() const { return rows_; }

    // The rows at `indexes`, header first, as the command line writes them.
    std::string csv(const std::vector<int>& indexes) const {
        report::StringSink sink;
        report::Rows<Columns> writer(sink, {});
        for (const int index : indexes) {
            writer.write(row(index));
        }
        return sink.text();
    }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(rows_.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(std::size(Columns));
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) {
            return {};
        }
        const auto& column = Columns[static_cast<std::size_t>(index.column())];
        if (role == Qt::TextAlignmentRole) {
            return QVariant(
                (column.align == report::Align::Right ? Qt::AlignRight : Qt::AlignLeft) |
                Qt::AlignVCenter);
        }
        if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) {
            return {};
        }
        return numbers_.field(column.field(row(index.row())));
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
            section < columnCount()) {
            return toQString(Columns[static_cast<std::size_t>(section)].title);
        }
        return QAbstractTableModel::headerData(section, orientation, role);
    }

  private:
    LocaleNumbers numbers_;
    std::vector<Record> rows_;
};

}  // namespace tarnvale
