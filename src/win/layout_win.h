#pragma once

#include <memory>
#include <vector>

#include "win/controls_win.h"

namespace flenmark::win {

// Computed layout: boxes that ask their controls how large they would like to be at the
// window's scale and place them, so that fonts, long texts and 200 % scaling never clip.
// Lengths are given at 96 dots per inch and scaled.
class LayoutItem {
  public:
    virtual ~LayoutItem() = default;
    virtual Size measure(int dpi) const = 0;
    // Places the item in the rectangle (window pixels).
    virtual void place(int x, int y, int width, int height, int dpi) = 0;
    // A vertical box gives room it has to spare to the items that expand; an expanding control
    // fills the height it is given.
    bool expand = false;
};
using Item = std::unique_ptr<LayoutItem>;

// A list of items (a braced list cannot hold them: they move, not copy).
template <class... I>
std::vector<Item> Items(I... items) {
    std::vector<Item> list;
    (list.push_back(std::move(items)), ...);
    return list;
}

// A control; `fill` stretches it across its cell, otherwise it keeps its ideal width.
Item Ctl(Control& control, bool fill = true);
// Items one below the other, or side by side, `gap` apart.
Item VBox(std::vector<Item> items, int gap = 6);
Item HBox(std::vector<Item> items, int gap = 6);
// Items in rows of `columns`, every column as wide as the widest item.
Item Grid(int columns, std::vector<Item> items, int gap = 6);
// Items in rows of `columns`, each column as wide as its widest item.
Item Table(int columns, std::vector<Item> items, int gap = 6);
// An item inside a group box's frame, below its caption.
Item Group(GroupBox& box, Item inside);
// An item with a margin all round.
Item Padding(int margin, Item inside);
// An item pushed to the right of its cell at its ideal width.
Item Right(Item inside);
// Room that takes up what a box has to spare.
Item Stretch();

}  // namespace flenmark::win
