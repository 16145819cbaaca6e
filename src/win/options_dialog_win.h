#pragma once

#include <utility>
#include <vector>

#include "app/dialog_models.h"
#include "app/options_form.h"
#include "app/program_port.h"
#include "platform/dialogs.h"
#include "win/window_win.h"

namespace flenmark::win {

// A window shown modally over its owner until OK, Cancel or its close box ends it.
class ModalWindow : public Window {
  public:
    // Runs until the dialog is closed; true for OK.
    bool exec();

  protected:
    explicit ModalWindow(HWND owner) : owner_(owner) {}
    void accept();
    void reject();
    void onClose() override { reject(); }
    HWND owner() const { return owner_; }

  private:
    HWND owner_;
    bool done_ = false;
    bool accepted_ = false;
};

// "Options": the update behaviour, the X-Plane settings, recording switches and the way to the
// logging parameters. It shows the settings as the program last published them and sends it
// the new values on OK.
class OptionsDialog final : public ModalWindow, private OptionsControls {
  public:
    OptionsDialog(ProgramPort& port, Dialogs& dialogs, HWND owner);
    ~OptionsDialog() override;
    // The options dialog open now, if any (it is modal: one at a time).
    static OptionsDialog* open();
    // The program published a new view: after "Browse..." the folder and version it found.
    void viewChanged();

  private:
    CheckBox* box(const OptionsCheck& check) const;
    bool checked(const OptionsCheck& check) const override { return box(check)->checked(); }
    void setChecked(const OptionsCheck& check, bool on) override { box(check)->setChecked(on); }
    void setEnabled(const OptionsCheck& check, bool on) override { box(check)->setEnabled(on); }
    void showPackagedNote(bool shown) override { packagedNote_->setVisible(shown); }
    std::string xplanePath() const override { return path_->text(); }
    void setXPlanePath(const std::string& path) override { path_->setText(path); }
    std::string xpuipc() const override { return xpuipc_->text(); }
    void setXPuipc(const std::string& version) override { xpuipc_->setText(version); }

    ProgramPort& port_;
    Dialogs& dialogs_;
    OptionsForm form_;
    std::vector<std::pair<const OptionsCheck*, CheckBox*>> checks_;
    Label* packagedNote_ = nullptr;
    Edit* path_ = nullptr;
    Label* xpuipc_ = nullptr;
};

}  // namespace flenmark::win
