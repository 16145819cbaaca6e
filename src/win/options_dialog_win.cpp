#include "win/options_dialog_win.h"

#include "app/program.h"
#include "platform/win/modal_loop.h"
#include "win/parameters_dialog_win.h"

namespace flenmark::win {
namespace {

OptionsDialog* g_open = nullptr;  // the GUI thread's modal options dialog

template <class C>
std::unique_ptr<C> Named(std::unique_ptr<C> c, const char* name, const std::string& text,
                         const char* tooltip = "") {
    c->name = name;
    c->tooltip = tooltip;
    c->setText(text);
    return c;
}

}  // namespace

bool ModalWindow::exec() {
    if (owner_) EnableWindow(owner_, FALSE);
    show();
    RunModalLoop(hwnd(), done_);
    if (owner_) {
        EnableWindow(owner_, TRUE);
        SetActiveWindow(owner_);
    }
    ShowWindow(hwnd(), SW_HIDE);
    return accepted_;
}

void ModalWindow::accept() {
    accepted_ = true;
    done_ = true;
}

void ModalWindow::reject() {
    done_ = true;
}

OptionsDialog::OptionsDialog(ProgramPort& port, Dialogs& dialogs, HWND owner)
    : ModalWindow(owner), port_(port), dialogs_(dialogs), form_(port, *this) {
    const OptionsTexts& t = kOptionsTexts;
    createWindow(t.title, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, owner);
    std::vector<std::vector<Item>> frames(OptionsFrames().size());
    for (const OptionsCheck& c : OptionsChecks()) {
        CheckBox& box = add(Named(std::make_unique<CheckBox>(), c.name, c.caption, c.tooltip));
        frames[static_cast<size_t>(c.frame)].push_back(Ctl(box));
        checks_.emplace_back(&c, &box);
    }
    packagedNote_ =
        &add(Named(std::make_unique<Label>(360), "lblPackaged", kPackageManagerUpdates));
    frames[0].push_back(Ctl(*packagedNote_));
    path_ = &add(Named(std::make_unique<Edit>(30), "txtXPlanePath", "", t.pathTooltip));
    Button& browse = add(Named(std::make_unique<Button>(), "Command1", t.browse, t.browseTooltip));
    frames[kXPlaneFrame].push_back(HBox(Items(Ctl(*path_), Ctl(browse, false))));
    Label& versionCaption = add(Named(std::make_unique<Label>(), "Label24", t.versionCaption));
    xpuipc_ = &add(Named(std::make_unique<Label>(), "lblXPUIPC", "", t.versionTooltip));
    xpuipc_->minWidth = 80;
    frames[kXPlaneFrame].push_back(HBox(Items(Ctl(versionCaption, false), Ctl(*xpuipc_))));
    std::vector<Item> column;
    for (size_t i = 0; i < frames.size(); ++i) {
        GroupBox& box = add(
            Named(std::make_unique<GroupBox>(), OptionsFrames()[i].name, OptionsFrames()[i].title));
        column.push_back(Group(box, VBox(std::move(frames[i]))));
    }
    Button& parameters = add(Named(std::make_unique<Button>(), "Command2", t.parameters));
    column.push_back(Ctl(parameters, false));
    Button& ok = add(Named(std::make_unique<Button>(true), "btnOK", "OK"));
    Button& cancel = add(Named(std::make_unique<Button>(), "btnCancel", "Cancel"));
    column.push_back(Right(HBox(Items(Ctl(ok), Ctl(cancel)))));
    setLayout(Padding(11, VBox(std::move(column), 8)));
    onClick(browse, [this] { form_.browse(); });
    onClick(parameters, [this] { ParametersDialog(port_, dialogs_, hwnd()).exec(); });
    onClick(ok, [this] {
        form_.ok();
        accept();
    });
    onClick(cancel, [this] { reject(); });
    form_.load();
    fitToLayout();
    g_open = this;
}

OptionsDialog::~OptionsDialog() {
    if (g_open == this) g_open = nullptr;
}

OptionsDialog* OptionsDialog::open() {
    return g_open;
}

CheckBox* OptionsDialog::box(const OptionsCheck& check) const {
    for (const auto& [c, box] : checks_)
        if (c == &check) return box;
    return nullptr;
}

void OptionsDialog::viewChanged() {
    form_.viewChanged();
}

}  // namespace flenmark::win
