#include "win/list_view_win.h"

#include <algorithm>

#include "base/win_text.h"

namespace flenmark::win {

void ListView::setColumns(const std::vector<std::string>& titles) {
    ListView_SetExtendedListViewStyle(hwnd_, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    for (const std::string& title : titles) {
        std::wstring text = Widen(title);
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = text.data();
        column.cx = 60;
        ListView_InsertColumn(hwnd_, columns_++, &column);
    }
    titles_ = titles;
    fitColumns({});
}

void ListView::setRows(const std::vector<std::vector<std::string>>& rows) {
    SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
    ListView_DeleteAllItems(hwnd_);
    for (size_t r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < columns_ && static_cast<size_t>(c) < rows[r].size(); ++c) {
            std::wstring text = Widen(rows[r][static_cast<size_t>(c)]);
            LVITEMW item{};
            item.mask = LVIF_TEXT;
            item.iItem = static_cast<int>(r);
            item.iSubItem = c;
            item.pszText = text.data();
            if (c == 0)
                ListView_InsertItem(hwnd_, &item);
            else
                ListView_SetItem(hwnd_, &item);
        }
    }
    fitColumns(rows);
    SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

// Each column as wide as its widest text, its title's included. (The system's own fitting
// stretches the last column over the room left, which a layout would read as room needed.)
void ListView::fitColumns(const std::vector<std::vector<std::string>>& rows) {
    const int padding = Scaled(16, GetDpiForWindow(hwnd_));
    auto width = [&](const std::string& text) {
        return ListView_GetStringWidth(hwnd_, Widen(text).c_str()) + padding;
    };
    widths_.assign(static_cast<size_t>(columns_), 0);
    for (size_t c = 0; c < widths_.size(); ++c) {
        // The header's sort arrow needs room beside its title.
        widths_[c] = width(titles_[c]) + padding;
        for (const auto& row : rows)
            if (c < row.size()) widths_[c] = std::max(widths_[c], width(row[c]));
        ListView_SetColumnWidth(hwnd_, static_cast<int>(c), widths_[c]);
    }
}

void ListView::select(std::optional<size_t> row) {
    ListView_SetItemState(hwnd_, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    if (!row) return;
    const int i = static_cast<int>(*row);
    ListView_SetItemState(hwnd_, i, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_EnsureVisible(hwnd_, i, FALSE);
}

std::optional<size_t> ListView::selected() const {
    const int i = ListView_GetNextItem(hwnd_, -1, LVNI_SELECTED);
    if (i < 0) return std::nullopt;
    return static_cast<size_t>(i);
}

size_t ListView::rowCount() const {
    return static_cast<size_t>(ListView_GetItemCount(hwnd_));
}

std::string ListView::cell(size_t row, int column) const {
    wchar_t text[512] = {};
    ListView_GetItemText(hwnd_, static_cast<int>(row), column, text, 512);
    return Narrow(text);
}

void ListView::showSort(int column, bool ascending) {
    HWND header = ListView_GetHeader(hwnd_);
    for (int c = 0; c < columns_; ++c) {
        HDITEMW item{};
        item.mask = HDI_FORMAT;
        Header_GetItem(header, c, &item);
        item.fmt &= ~(HDF_SORTUP | HDF_SORTDOWN);
        if (c == column) item.fmt |= ascending ? HDF_SORTUP : HDF_SORTDOWN;
        Header_SetItem(header, c, &item);
    }
}

Size ListView::idealSize(int dpi) const {
    int width = 0;
    for (const int w : widths_) width += w;
    const int line = textSize().height;
    // The header, the rows, a horizontal scroll bar's room and the frame.
    return {std::max(width + GetSystemMetricsForDpi(SM_CXVSCROLL, static_cast<UINT>(dpi)) +
                         Scaled(4, dpi),
                     Scaled(400, dpi)),
            (line + Scaled(6, dpi)) * (visibleRows + 1) + Scaled(24, dpi)};
}

}  // namespace flenmark::win
