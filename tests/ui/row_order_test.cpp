// The move commands, reversal and sort state of the image list view on a plain row list.
#include "ui/core/RowOrder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Rows written as "AB*C": a letter per row, * after a selected one. Each row carries its
// selection with it, as the list view's rows carry record, icon and state.
class Rows : public IRowList {
public:
    explicit Rows(const std::string& pattern) {
        for (char c : pattern) {
            if (c == '*') {
                m_rows.back().second = true;
            } else {
                m_rows.push_back({c, false});
            }
        }
    }
    std::string Pattern() const {
        std::string s;
        for (const auto& r : m_rows) s += std::string(1, r.first) + (r.second ? "*" : "");
        return s;
    }
    int RowCount() const override { return static_cast<int>(m_rows.size()); }
    std::vector<int> SelectedRows() const override {
        std::vector<int> out;
        for (size_t i = 0; i < m_rows.size(); ++i)
            if (m_rows[i].second) out.push_back(static_cast<int>(i));
        return out;
    }
    void SwapRows(int i, int j) override {
        ASSERT_TRUE(i >= 0 && j >= 0 && i < RowCount() && j < RowCount()) << i << " " << j;
        std::swap(m_rows[i], m_rows[j]);
        ++calls;
    }
    void MoveRow(int from, int to) override {
        ASSERT_TRUE(from >= 0 && from < RowCount()) << from;
        auto row = m_rows[from];
        m_rows.erase(m_rows.begin() + from);
        ASSERT_TRUE(to >= 0 && to <= RowCount()) << to;
        m_rows.insert(m_rows.begin() + to, row);
        ++calls;
    }
    int calls = 0;

private:
    std::vector<std::pair<char, bool>> m_rows;
};

using MoveFn = MoveResult (*)(IRowList&);

std::string After(MoveFn move, const std::string& pattern, MoveResult expected = MoveResult::Moved) {
    Rows rows(pattern);
    EXPECT_EQ(move(rows), expected) << pattern;
    if (expected != MoveResult::Moved) {
        EXPECT_EQ(rows.calls, 0) << pattern;
    }
    return rows.Pattern();
}

TEST(RowMoves, TheFourCommandsOnSelectedRows) {
    EXPECT_EQ(After(MoveSelectedToTop, "AB*CD*E"), "B*D*ACE");
    EXPECT_EQ(After(MoveSelectedToBottom, "AB*CD*E"), "ACEB*D*");
    EXPECT_EQ(After(MoveSelectedUp, "AB*CD*E"), "B*AD*CE");
    EXPECT_EQ(After(MoveSelectedDown, "AB*CD*E"), "ACB*ED*");
    // Adjacent selected rows move as a block.
    EXPECT_EQ(After(MoveSelectedDown, "AB*C*D"), "ADB*C*");
    // A selected row at the end it moves towards stops the command, also for the others.
    for (MoveFn move : {MoveSelectedToTop, MoveSelectedUp, MoveSelectedDown, MoveSelectedToBottom})
        EXPECT_EQ(After(move, "A*BC*", MoveResult::NothingMoved), "A*BC*");
    EXPECT_EQ(After(MoveSelectedDown, "AB*CD*", MoveResult::NothingMoved), "AB*CD*");
}

TEST(RowMoves, ReversalSwapsFromBothEnds) {
    Rows rows("ABCD*E*F");
    ReverseRows(rows);
    EXPECT_EQ(rows.Pattern(), "FE*D*CBA");
}

TEST(ListSort, ANewColumnSortsTheSameReversesAndAClearedStateSortsAgain) {
    CListSort sort;
    EXPECT_EQ(sort.Click(2), CListSort::Action::Sort);
    EXPECT_EQ(sort.Click(2), CListSort::Action::Reverse);
    EXPECT_FALSE(sort.Ascending());
    // Rows were added at the end: the next click on the same column sorts them in.
    sort.Clear();
    EXPECT_EQ(sort.Click(2), CListSort::Action::Sort);
    EXPECT_TRUE(sort.Ascending());
}

}  // namespace
