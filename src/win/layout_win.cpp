#include "win/layout_win.h"

#include <algorithm>

namespace flenmark::win {
namespace {

class ControlItem final : public LayoutItem {
  public:
    ControlItem(Control& c, bool fill) : control_(c), fill_(fill) {}
    Size measure(int dpi) const override { return control_.idealSize(dpi); }
    void place(int x, int y, int width, int height, int dpi) override {
        const Size ideal = control_.idealSize(dpi);
        const int w = fill_ ? width : std::min(width, ideal.width);
        const int h = expand ? height : std::min(height, ideal.height);
        SetWindowPos(control_.hwnd(), nullptr, x, y + (height - h) / 2, w, h,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }

  private:
    Control& control_;
    bool fill_;
};

class BoxItem final : public LayoutItem {
  public:
    BoxItem(bool vertical, std::vector<Item> items, int gap)
        : vertical_(vertical), items_(std::move(items)), gap_(gap) {}
    Size measure(int dpi) const override {
        Size total;
        for (const Item& i : items_) {
            const Size s = i->measure(dpi);
            if (vertical_) {
                total.width = std::max(total.width, s.width);
                total.height += s.height;
            } else {
                total.width += s.width;
                total.height = std::max(total.height, s.height);
            }
        }
        const int gaps = Scaled(gap_, dpi) * std::max<int>(0, static_cast<int>(items_.size()) - 1);
        (vertical_ ? total.height : total.width) += gaps;
        return total;
    }
    void place(int x, int y, int width, int height, int dpi) override {
        const Size need = measure(dpi);
        int spare = (vertical_ ? height - need.height : width - need.width);
        const int expanding = static_cast<int>(
            std::count_if(items_.begin(), items_.end(), [](const Item& i) { return i->expand; }));
        int at = vertical_ ? y : x;
        for (const Item& i : items_) {
            const Size s = i->measure(dpi);
            int length = vertical_ ? s.height : s.width;
            if (i->expand && expanding > 0 && spare > 0) length += spare / expanding;
            if (vertical_)
                i->place(x, at, width, length, dpi);
            else
                i->place(at, y, length, height, dpi);
            at += length + Scaled(gap_, dpi);
        }
    }

  private:
    bool vertical_;
    std::vector<Item> items_;
    int gap_;
};

// Rows of `columns` cells: with `uniform` every column as wide as the widest cell, otherwise
// each as wide as its own widest cell, with the room to spare shared out evenly.
class GridItem final : public LayoutItem {
  public:
    GridItem(int columns, std::vector<Item> items, int gap, bool uniform)
        : columns_(columns), items_(std::move(items)), gap_(gap), uniform_(uniform) {}
    Size measure(int dpi) const override {
        int width = 0;
        for (const int w : columnWidths(dpi)) width += w;
        int height = 0;
        for (size_t r = 0; r < rows(); ++r) height += rowHeight(r, dpi);
        const int g = Scaled(gap_, dpi);
        return {width + g * (columns_ - 1), height + g * std::max(0, static_cast<int>(rows()) - 1)};
    }
    void place(int x, int y, int width, int, int dpi) override {
        const int g = Scaled(gap_, dpi);
        std::vector<int> widths = columnWidths(dpi);
        const int spare = std::max(0, width - measure(dpi).width) / columns_;
        for (int& w : widths) w += spare;
        int top = y;
        for (size_t r = 0; r < rows(); ++r) {
            const int h = rowHeight(r, dpi);
            int left = x;
            for (size_t c = 0; c < static_cast<size_t>(columns_); ++c) {
                const size_t i = r * static_cast<size_t>(columns_) + c;
                if (i < items_.size()) items_[i]->place(left, top, widths[c], h, dpi);
                left += widths[c] + g;
            }
            top += h + g;
        }
    }

  private:
    std::vector<int> columnWidths(int dpi) const {
        std::vector<int> widths(static_cast<size_t>(columns_), 0);
        for (size_t i = 0; i < items_.size(); ++i) {
            int& w = widths[i % widths.size()];
            w = std::max(w, items_[i]->measure(dpi).width);
        }
        if (uniform_) {
            const int widest = *std::max_element(widths.begin(), widths.end());
            std::fill(widths.begin(), widths.end(), widest);
        }
        return widths;
    }
    size_t rows() const {
        return (items_.size() + static_cast<size_t>(columns_) - 1) / static_cast<size_t>(columns_);
    }
    int rowHeight(size_t r, int dpi) const {
        int h = 0;
        for (size_t c = 0; c < static_cast<size_t>(columns_); ++c) {
            const size_t i = r * static_cast<size_t>(columns_) + c;
            if (i < items_.size()) h = std::max(h, items_[i]->measure(dpi).height);
        }
        return h;
    }
    int columns_;
    std::vector<Item> items_;
    int gap_;
    bool uniform_;
};

class GroupItem final : public LayoutItem {
  public:
    GroupItem(GroupBox& box, Item inside) : box_(box), inside_(std::move(inside)) {}
    Size measure(int dpi) const override {
        const Size caption = box_.idealSize(dpi), in = inside_->measure(dpi);
        return {std::max(caption.width, in.width + 2 * Scaled(10, dpi)),
                in.height + caption.height + Scaled(4 + 10, dpi)};
    }
    void place(int x, int y, int width, int height, int dpi) override {
        SetWindowPos(box_.hwnd(), nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
        const int top = box_.idealSize(dpi).height + Scaled(4, dpi);
        inside_->place(x + Scaled(10, dpi), y + top, width - 2 * Scaled(10, dpi),
                       height - top - Scaled(10, dpi), dpi);
    }

  private:
    GroupBox& box_;
    Item inside_;
};

class PaddingItem final : public LayoutItem {
  public:
    PaddingItem(int margin, Item inside) : margin_(margin), inside_(std::move(inside)) {}
    Size measure(int dpi) const override {
        const Size s = inside_->measure(dpi);
        return {s.width + 2 * Scaled(margin_, dpi), s.height + 2 * Scaled(margin_, dpi)};
    }
    void place(int x, int y, int width, int height, int dpi) override {
        const int m = Scaled(margin_, dpi);
        inside_->place(x + m, y + m, width - 2 * m, height - 2 * m, dpi);
    }

  private:
    int margin_;
    Item inside_;
};

class RightItem final : public LayoutItem {
  public:
    explicit RightItem(Item inside) : inside_(std::move(inside)) {}
    Size measure(int dpi) const override { return inside_->measure(dpi); }
    void place(int x, int y, int width, int height, int dpi) override {
        const int w = std::min(width, inside_->measure(dpi).width);
        inside_->place(x + width - w, y, w, height, dpi);
    }

  private:
    Item inside_;
};

class StretchItem final : public LayoutItem {
  public:
    StretchItem() { expand = true; }
    Size measure(int) const override { return {}; }
    void place(int, int, int, int, int) override {}
};

}  // namespace

Item Ctl(Control& control, bool fill) {
    return std::make_unique<ControlItem>(control, fill);
}
Item VBox(std::vector<Item> items, int gap) {
    return std::make_unique<BoxItem>(true, std::move(items), gap);
}
Item HBox(std::vector<Item> items, int gap) {
    return std::make_unique<BoxItem>(false, std::move(items), gap);
}
Item Grid(int columns, std::vector<Item> items, int gap) {
    return std::make_unique<GridItem>(columns, std::move(items), gap, true);
}
Item Table(int columns, std::vector<Item> items, int gap) {
    return std::make_unique<GridItem>(columns, std::move(items), gap, false);
}
Item Group(GroupBox& box, Item inside) {
    return std::make_unique<GroupItem>(box, std::move(inside));
}
Item Padding(int margin, Item inside) {
    return std::make_unique<PaddingItem>(margin, std::move(inside));
}
Item Right(Item inside) {
    return std::make_unique<RightItem>(std::move(inside));
}
Item Stretch() {
    return std::make_unique<StretchItem>();
}

}  // namespace flenmark::win
