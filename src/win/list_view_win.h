#pragma once

#include <windows.h>
// The system's other headers need the types of windows.h.
#include <commctrl.h>

#include <optional>
#include <string>
#include <vector>

#include "win/controls_win.h"

namespace flenmark::win {

// A table: the system's list view in report form, one row chosen at a time. Its owner hears of
// header clicks and of the chosen row through WM_NOTIFY (LVN_COLUMNCLICK, LVN_ITEMCHANGED).
class ListView final : public Control {
  public:
    ListView()
        : Control(WC_LISTVIEWW, WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS,
                  WS_EX_CLIENTEDGE) {}
    void setColumns(const std::vector<std::string>& titles);
    // The rows' texts, a text per column; every column as wide as its widest text or title.
    void setRows(const std::vector<std::vector<std::string>>& rows);
    void select(std::optional<size_t> row);
    std::optional<size_t> selected() const;
    size_t rowCount() const;
    std::string cell(size_t row, int column) const;
    // The arrow in the header of the column the rows are sorted by.
    void showSort(int column, bool ascending);
    // Room for the columns and `visibleRows` rows.
    Size idealSize(int dpi) const override;
    int visibleRows = 12;

  private:
    void fitColumns(const std::vector<std::vector<std::string>>& rows);
    int columns_ = 0;
    std::vector<std::string> titles_;
    std::vector<int> widths_;
};

}  // namespace flenmark::win
