#include "ui/toolkit/fitted_table.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>
#include <algorithm>

namespace tarnvale {

// Every row counts, not only those the view shows at the moment, which is what
// resizeColumnsToContents() measures: a table not yet laid out would come out too narrow.
void fitColumns(QTableView* table) {
    table->ensurePolished();
    const QAbstractItemModel* model = table->model();
    const QHeaderView* header = table->horizontalHeader();
    const QFontMetrics metrics(table->font());
    // A cell's margins and grid line, as the style draws them.
    const int padding =
        2 * table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 8;
    int width = 0;
    for (int column = 0; column < model->columnCount(); ++column) {
        if (table->isColumnHidden(column)) {
            continue;
        }
        int widest = header->sectionSizeHint(column);
        for (int row = 0; row < model->rowCount(); ++row) {
            const QString text = model->index(row, column).data().toString();
            widest = std::max(widest, metrics.horizontalAdvance(text) + padding);
        }
        table->setColumnWidth(column, widest);
        width += widest;
    }
    table->setMinimumWidth(width + 2 * table->frameWidth() +
                           table->verticalScrollBar()->sizeHint().width());
}

}  // namespace tarnvale
