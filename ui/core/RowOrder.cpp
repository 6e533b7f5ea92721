#include "ui/core/RowOrder.h"

// Each command takes the selection once: a move only shifts rows above the next selected
// row (Top, Up) or below it (Down, Bottom), so the positions still to come stay valid.

MoveResult MoveSelectedToTop(IRowList& rows) {
    const std::vector<int> selected = rows.SelectedRows();
    if (selected.empty()) return MoveResult::NothingSelected;
    if (selected.front() == 0) return MoveResult::NothingMoved;
    int k = 0;
    for (int i : selected) rows.MoveRow(i, k++);
    return MoveResult::Moved;
}

MoveResult MoveSelectedUp(IRowList& rows) {
    const std::vector<int> selected = rows.SelectedRows();
    if (selected.empty()) return MoveResult::NothingSelected;
    if (selected.front() == 0) return MoveResult::NothingMoved;
    for (int i : selected) rows.SwapRows(i - 1, i);
    return MoveResult::Moved;
}

MoveResult MoveSelectedDown(IRowList& rows) {
    const std::vector<int> selected = rows.SelectedRows();
    if (selected.empty()) return MoveResult::NothingSelected;
    if (selected.back() == rows.RowCount() - 1) return MoveResult::NothingMoved;
    for (auto it = selected.rbegin(); it != selected.rend(); ++it) rows.SwapRows(*it, *it + 1);
    return MoveResult::Moved;
}

MoveResult MoveSelectedToBottom(IRowList& rows) {
    const std::vector<int> selected = rows.SelectedRows();
    if (selected.empty()) return MoveResult::NothingSelected;
    int k = rows.RowCount() - 1;
    if (selected.back() == k) return MoveResult::NothingMoved;
    for (auto it = selected.rbegin(); it != selected.rend(); ++it) rows.MoveRow(*it, k--);
    return MoveResult::Moved;
}

void ReverseRows(IRowList& rows) {
    const int n = rows.RowCount();
    for (int k = 0; k < n / 2; ++k) rows.SwapRows(k, n - 1 - k);
}

CListSort::Action CListSort::Click(int column) {
    if (column != m_nColumn) {
        m_nColumn = column;
        m_bAscending = true;
        return Action::Sort;
    }
    m_bAscending = !m_bAscending;
    return Action::Reverse;
}
