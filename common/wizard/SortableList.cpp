#include "SortableList.h"

#include "ResourceIds.h"
#include "SmoothBitmap.h"

namespace {

const int kHeadingLength = 256;

int ColumnCount(HWND list)
{
    HWND header = ListView_GetHeader(list);
    return header != nullptr ? Header_GetItemCount(header) : 0;
}

void SetCell(HWND list, int row, int column, const std::string& text)
{
    ListView_SetItemText(list, row, column, const_cast<char*>(text.c_str()));
}

}  // namespace

CSortableList::CSortableList(int controlId, bool ascendingAfterReset)
    : m_nControlId(controlId), m_bAscendingAfterReset(ascendingAfterReset),
      m_bSortAscending(ascendingAfterReset)
{
}

CSortableList::~CSortableList()
{
    if (m_hArrow != nullptr)
        DeleteObject(m_hArrow);
}

void CSortableList::Reset(HWND list)
{
    for (int n = ColumnCount(list); n > 0; --n)
        ListView_DeleteColumn(list, 0);
    ListView_DeleteAllItems(list);
    m_nSortColumn = 0;
    m_nPrevSortColumn = -1;
    m_bSortAscending = m_bAscendingAfterReset;
    m_columnTexts.clear();
}

void CSortableList::AddColumn(HWND list, const std::string& heading, int width)
{
    LVCOLUMNA column = {};
    column.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH;
    column.fmt = LVCFMT_LEFT;
    column.cx = width;
    column.pszText = const_cast<char*>(heading.c_str());
    int position = static_cast<int>(m_columnTexts.size());
    ListView_InsertColumn(list, position, &column);
    m_columnTexts.emplace_back();
}

void CSortableList::ResetToOneColumn(HWND list, const std::string& heading)
{
    RECT client = {0, 0, 0, 0};
    GetClientRect(list, &client);
    Reset(list);
    AddColumn(list, heading, client.right - client.left);
}

int CSortableList::AddRow(HWND list, const std::vector<std::string>& cells)
{
    size_t number = m_columnTexts.empty() ? 0 : m_columnTexts[0].size();
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = static_cast<int>(number);
    item.pszText = const_cast<char*>(cells.empty() ? "" : cells[0].c_str());
    item.lParam = static_cast<LPARAM>(number);
    int row = ListView_InsertItem(list, &item);
    for (size_t column = 0; column < m_columnTexts.size(); ++column) {
        std::string text = column < cells.size() ? cells[column] : std::string();
        if (column > 0)
            SetCell(list, row, static_cast<int>(column), text);
        m_columnTexts[column].push_back(text);
    }
    return row;
}

void CSortableList::SelectAndFocus(HWND list, int row)
{
    UINT state = LVIS_SELECTED | LVIS_FOCUSED;
    ListView_SetItemState(list, row, state, state);
}

int CSortableList::SelectedRow(HWND list)
{
    return ListView_GetNextItem(list, -1, LVNI_SELECTED);
}

std::string CSortableList::CellText(HWND list, int row, int column)
{
    if (row < 0)
        return std::string();
    char text[1024] = "";
    ListView_GetItemText(list, row, column, text, sizeof text);
    return text;
}

bool CSortableList::OnColumnClick(HWND list, int column, const CResourceLibrary& images)
{
    if (column == m_nPrevSortColumn)
        m_bSortAscending = !m_bSortAscending;
    m_nSortColumn = column;
    Sort(list);
    if (!images.IsLoaded())
        return false;
    if (ColumnCount(list) > 1 && m_nPrevSortColumn != -1 && m_nPrevSortColumn != column)
        RebuildColumn(list, m_nPrevSortColumn);
    PutArrow(list, column, images);
    m_nPrevSortColumn = column;
    return true;
}

void CSortableList::Sort(HWND list)
{
    ListView_SortItems(list, CompareRows, reinterpret_cast<LPARAM>(this));
}

int CALLBACK CSortableList::CompareRows(LPARAM first, LPARAM second, LPARAM list)
{
    return reinterpret_cast<const CSortableList*>(list)->Compare(static_cast<size_t>(first),
                                                                  static_cast<size_t>(second));
}

int CSortableList::Compare(size_t first, size_t second) const
{
    if (m_nSortColumn < 0 || static_cast<size_t>(m_nSortColumn) >= m_columnTexts.size())
        return 0;
    const std::vector<std::string>& texts = m_columnTexts[m_nSortColumn];
    if (first >= texts.size() || second >= texts.size())
        return 0;
    const std::string& a = texts[first];
    const std::string& b = texts[second];
    return m_bSortAscending ? lstrcmpA(a.c_str(), b.c_str()) : lstrcmpA(b.c_str(), a.c_str());
}

// A header keeps the arrow in its format; a column inserted anew has none. Deleting a column may
// shift the texts of the columns after it (column 0 above all), so every cell is written back.
void CSortableList::RebuildColumn(HWND list, int column) const
{
    char heading[kHeadingLength + 1] = "";
    LVCOLUMNA saved = {};
    saved.mask = LVCF_TEXT | LVCF_WIDTH;
    saved.pszText = heading;
    saved.cchTextMax = sizeof heading;
    if (!ListView_GetColumn(list, column, &saved) || !ListView_DeleteColumn(list, column))
        return;
    LVCOLUMNA rebuilt = {};
    rebuilt.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH;
    rebuilt.fmt = LVCFMT_LEFT;
    rebuilt.cx = saved.cx;
    rebuilt.pszText = heading;
    ListView_InsertColumn(list, column, &rebuilt);
    RewriteCells(list);
}

void CSortableList::RewriteCells(HWND list) const
{
    int rows = ListView_GetItemCount(list);
    for (int row = 0; row < rows; ++row) {
        LVITEMA item = {};
        item.mask = LVIF_PARAM;
        item.iItem = row;
        if (!ListView_GetItem(list, &item))
            continue;
        auto number = static_cast<size_t>(item.lParam);
        for (size_t column = 0; column < m_columnTexts.size(); ++column) {
            if (number < m_columnTexts[column].size())
                SetCell(list, row, static_cast<int>(column), m_columnTexts[column][number]);
        }
    }
}

void CSortableList::PutArrow(HWND list, int column, const CResourceLibrary& images)
{
    HWND header = ListView_GetHeader(list);
    HBITMAP arrow = ToDisplayScale(images.LoadBitmapImage(m_bSortAscending
                                                              ? IDB_SORT_ASCENDING_ARROW
                                                              : IDB_SORT_DESCENDING_ARROW),
                                   kLargestPictureDpi);
    HDITEMA heading = {};
    heading.mask = HDI_FORMAT | HDI_BITMAP;
    Header_GetItem(header, column, &heading);
    heading.mask = HDI_FORMAT | HDI_BITMAP;
    heading.fmt |= HDF_BITMAP | HDF_BITMAP_ON_RIGHT;
    heading.hbm = arrow;
    Header_SetItem(header, column, &heading);
    // The header does not own its bitmap: the one it showed before can go now.
    if (m_hArrow != nullptr)
        DeleteObject(m_hArrow);
    m_hArrow = arrow;
}
