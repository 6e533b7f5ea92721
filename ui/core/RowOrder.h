// The order of the image list view's rows: the four move commands, reversal, and the
// sort state of the column header, on any list of rows that can tell its selection.
#pragma once
#include <vector>

class IRowList {
public:
    virtual ~IRowList() = default;
    virtual int RowCount() const = 0;
    // The selected rows, top to bottom.
    virtual std::vector<int> SelectedRows() const = 0;
    // Exchange two rows with everything they carry (record, icon, state).
    virtual void SwapRows(int i, int j) = 0;
    // Take row `from` out and put it in at `to`, with everything it carries.
    virtual void MoveRow(int from, int to) = 0;
};

enum class MoveResult { NothingSelected, NothingMoved, Moved };

// Top and Bottom gather the selected rows at that end in their order; Up and Down move
// each selected row one place. None moves anything when a selected row already stands
// at the end it moves towards (Top and Up: the first row; Down and Bottom: the last).
MoveResult MoveSelectedToTop(IRowList& rows);
MoveResult MoveSelectedUp(IRowList& rows);
MoveResult MoveSelectedDown(IRowList& rows);
MoveResult MoveSelectedToBottom(IRowList& rows);

// Turns the order of all rows around.
void ReverseRows(IRowList& rows);

// Which column the rows are sorted by. A click on a new column sorts by it ascending; a
// click on the sorted column reverses the rows. Any change of the rows that does not
// keep the order (an addition, a move, a refill) clears it, so that the header never
// claims an order the rows do not have and the next click sorts.
class CListSort {
public:
    enum class Action { Sort, Reverse };

    Action Click(int column);
    void Clear() { m_nColumn = -1; }
    // -1: unsorted.
    int Column() const { return m_nColumn; }
    bool Ascending() const { return m_bAscending; }

private:
    int m_nColumn = -1;
    bool m_bAscending = true;
};
