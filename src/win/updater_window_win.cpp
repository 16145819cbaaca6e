#include "win/updater_window_win.h"

#include "app/updater_setup.h"

namespace flenmark::win {

UpdaterWindow::UpdaterWindow() {
    createWindow(kUpdaterTitle, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, nullptr);
    auto label = [this](const char* name) {
        auto l = std::make_unique<Label>();
        l->name = name;
        l->minWidth = 320;
        return &add(std::move(l));
    };
    status_ = label("lblStatus");
    file_ = label("lblFile");
    progress_ = label("lblProgress");
    auto button = std::make_unique<Button>();
    button->name = "Command1";
    button->setText("Cancel");
    Button& cancel = add(std::move(button));
    onClick(cancel, [this] {
        if (cancel_) cancel_();
    });
    setLayout(Padding(
        11, VBox(Items(Ctl(*status_), Ctl(*file_), Ctl(*progress_), Right(Ctl(cancel, false))))));
    fitToLayout();
}

void UpdaterWindow::show(const UpdaterView& view) {
    status_->setText(view.status);
    file_->setText(view.file);
    progress_->setText(view.progress);
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&m);
        DispatchMessageW(&m);
    }
}

void UpdaterWindow::onClose() {
    if (cancel_) cancel_();
}

}  // namespace flenmark::win
