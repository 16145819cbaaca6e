#pragma once

#include <windows.h>

#include <string>

namespace flenmark::win {

struct Size {
    int width = 0;
    int height = 0;
};

// The fonts a window draws its controls in.
enum class FontRole { Normal, Bold, Large };

// A child control: a thin class around its window. Its creation parameters are fields, it is
// made by create(), and it says how large it would like to be at the window's scale.
class Control {
  public:
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    void create(HWND parent, int id);
    HWND hwnd() const { return hwnd_; }
    int id() const { return id_; }
    void setFont(HFONT font);
    void setText(const std::string& utf8);
    std::string text() const;
    void setEnabled(bool enabled);
    bool enabled() const { return IsWindowEnabled(hwnd_) != FALSE; }
    void setVisible(bool visible);
    // The size the control needs for its text at `dpi` dots per inch.
    virtual Size idealSize(int dpi) const = 0;

    std::string name;  // as the program's documents call it ("btn_startlog")
    std::string tooltip;
    FontRole font = FontRole::Normal;

  protected:
    Control(const wchar_t* cls, DWORD style, DWORD exStyle = 0)
        : cls_(cls), style_(style), exStyle_(exStyle) {}
    // The text's extent in the control's font; with a width, wrapped at it.
    Size textSize(int wrapWidth = 0) const;

    const wchar_t* cls_;
    DWORD style_;
    DWORD exStyle_;
    std::wstring text_;
    HWND hwnd_ = nullptr;
    HFONT font_ = nullptr;
    int id_ = 0;
};

class Button final : public Control {
  public:
    explicit Button(bool defaultButton = false)
        : Control(L"BUTTON", WS_TABSTOP | (defaultButton ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON)) {}
    Size idealSize(int dpi) const override;
};

class CheckBox final : public Control {
  public:
    CheckBox() : Control(L"BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX) {}
    void setChecked(bool checked);
    bool checked() const;
    Size idealSize(int dpi) const override;
};

class Label final : public Control {
  public:
    // A label that wraps its text at `wrapWidth` (at 96 dots per inch); 0 for one line.
    explicit Label(int wrapWidth = 0, DWORD extra = 0)
        : Control(L"STATIC", SS_LEFT | SS_NOPREFIX | extra), wrapWidth_(wrapWidth) {}
    Size idealSize(int dpi) const override;
    // Room for this many lines, whatever the text holds now (a message line, say).
    int minLines = 1;
    // The width that the label asks for, at least (at 96 dots per inch).
    int minWidth = 0;

  private:
    int wrapWidth_;
};

class Edit final : public Control {
  public:
    explicit Edit(int chars = 12)
        : Control(L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE), chars_(chars) {}
    Size idealSize(int dpi) const override;

  private:
    int chars_;
};

class GroupBox final : public Control {
  public:
    GroupBox() : Control(L"BUTTON", BS_GROUPBOX) {}
    Size idealSize(int dpi) const override;
};

// A child window the front end paints itself (the scope, the profile).
class Canvas final : public Control {
  public:
    Canvas(const wchar_t* cls, Size size96) : Control(cls, 0), size96_(size96) {}
    Size idealSize(int dpi) const override;

  private:
    Size size96_;
};

// Pixels at `dpi` for a length given at 96 dots per inch.
inline int Scaled(int length96, int dpi) {
    return MulDiv(length96, dpi, 96);
}

}  // namespace flenmark::win
