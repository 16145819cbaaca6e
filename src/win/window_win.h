#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/readable_colours.h"
#include "app/view_models.h"
#include "win/controls_win.h"
#include "win/layout_win.h"

namespace flenmark::win {

// A top-level window of the front end: it owns its controls, their fonts at the window's
// scale, their tool tips and status colours, lays them out with its layout and hands their
// clicks on. It follows the monitor's scale as the window moves (per-monitor DPI awareness).
class Window {
  public:
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND hwnd() const { return hwnd_; }
    bool isOpen() const { return hwnd_ && IsWindow(hwnd_); }
    int dpi() const { return dpi_; }
    int px(int length96) const { return Scaled(length96, dpi_); }
    // A control by its name, for tests that click it with window messages.
    Control* control(const std::string& name) const;
    void setOnTop(bool onTop);
    void show();

  protected:
    Window() = default;
    void createWindow(const std::string& title, DWORD style, HWND owner);
    virtual LRESULT onMessage(UINT message, WPARAM w, LPARAM l);
    // The window was asked to close (its close box); the default destroys it.
    virtual void onClose();

    template <class C>
    C& add(std::unique_ptr<C> control) {
        C& c = *control;
        addControl(std::move(control));
        return c;
    }
    void onClick(const Control& c, std::function<void()> action);
    // A button with its name, caption and tool tip ("" for none) that runs `action` when clicked.
    Button& addButton(const char* name, const char* caption, const char* tooltip,
                      std::function<void()> action);
    // Shows a status label in its colour, readable on the window's background.
    void showLabel(Label& label, const LabelView& view);
    void setLayout(Item root);
    // The window's size for its layout's ideal size; with `keepLarger` it only grows.
    void fitToLayout(bool keepLarger = false);
    void relayout();
    HFONT fontFor(FontRole role) const;

  private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM w, LPARAM l);
    void addControl(std::unique_ptr<Control> control);
    void makeFonts();
    void addTooltip(const Control& c);

    HWND hwnd_ = nullptr;
    HWND tooltips_ = nullptr;
    int dpi_ = 96;
    int nextId_ = 1000;
    HFONT fonts_[3] = {};
    std::vector<std::unique_ptr<Control>> controls_;
    std::map<int, std::function<void()>> clicks_;
    std::map<HWND, COLORREF> colours_;
    Item layout_;
};

// The background controls are drawn on, for the readable status colours.
Rgb WindowBackground();

}  // namespace flenmark::win
