#pragma once

class QTableView;

namespace tarnvale {

// Sizes a table's columns to their contents and keeps the table at least as wide as they are,
// so that no column is cut and no horizontal scroll bar shows.
void fitColumns(QTableView* table);

}  // namespace tarnvale
