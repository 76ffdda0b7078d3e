#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "ResourceLibrary.h"

// A report-style list view whose rows sort by the column whose heading is clicked. Every row
// carries its insertion number as item data, and the texts of every row are kept by column in
// insertion order, so a sort compares texts whatever order the rows are shown in.
class CSortableList {
public:
    // `ascendingAfterReset` is the direction the first click after a refill sorts in.
    CSortableList(int controlId, bool ascendingAfterReset);
    ~CSortableList();
    CSortableList(const CSortableList&) = delete;
    CSortableList& operator=(const CSortableList&) = delete;

    int GetControlId() const { return m_nControlId; }

    // Removes every column and row and starts the sort state and the kept texts afresh.
    void Reset(HWND list);
    void AddColumn(HWND list, const std::string& heading, int width);
    // Reset, then one column as wide as the list: for a list of single names.
    void ResetToOneColumn(HWND list, const std::string& heading);
    // Appends a row with one text per column; returns its position.
    int AddRow(HWND list, const std::vector<std::string>& cells);
    static void SelectAndFocus(HWND list, int row);
    // The first selected row, or -1.
    static int SelectedRow(HWND list);
    // The text of a cell; empty when there is no such row.
    static std::string CellText(HWND list, int row, int column);

    // Orders the rows by the sort column in the sort direction; the headings stay as they are.
    void Sort(HWND list);
    // A click on a column heading: the same column again turns the direction. The clicked column
    // gets the arrow of its direction from `images`; the column that had it is rebuilt without.
    // False when `images` is not loaded: the rows are sorted, the arrows stay as they were.
    bool OnColumnClick(HWND list, int column, const CResourceLibrary& images);

    int GetSortColumn() const { return m_nSortColumn; }
    int GetPrevSortColumn() const { return m_nPrevSortColumn; }
    bool IsSortAscending() const { return m_bSortAscending; }

private:
    static int CALLBACK CompareRows(LPARAM first, LPARAM second, LPARAM list);
    int Compare(size_t first, size_t second) const;
    void RebuildColumn(HWND list, int column) const;
    void PutArrow(HWND list, int column, const CResourceLibrary& images);
    void RewriteCells(HWND list) const;

    int m_nControlId;
    bool m_bAscendingAfterReset;
    int m_nSortColumn = 0;
    int m_nPrevSortColumn = -1;
    bool m_bSortAscending;
    std::vector<std::vector<std::string>> m_columnTexts;
    HBITMAP m_hArrow = nullptr;
};
