#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <utility>
#include <vector>

#include "app/dialog_models.h"
#include "app/options_form.h"
#include "app/program_port.h"
#include "platform/dialogs.h"

namespace flenmark::ui {

// "Options": the update behaviour and the X-Plane settings, and the way to the logging
// parameters. It shows the settings as the program last published them and sends it the new
// values on OK.
class OptionsDialog final : public QDialog, private OptionsControls {
    Q_OBJECT

  public:
    OptionsDialog(ProgramPort& port, Dialogs& dialogs, QWidget* parent);

  public slots:
    // The program published a new view: after "Browse..." the folder and version it found.
    void viewChanged();

  private:
    QCheckBox* box(const OptionsCheck& check) const;
    bool checked(const OptionsCheck& check) const override { return box(check)->isChecked(); }
    void setChecked(const OptionsCheck& check, bool on) override { box(check)->setChecked(on); }
    void setEnabled(const OptionsCheck& check, bool on) override { box(check)->setEnabled(on); }
    void showPackagedNote(bool shown) override { packagedNote_->setVisible(shown); }
    std::string xplanePath() const override { return path_->text().toStdString(); }
    void setXPlanePath(const std::string& p) override { path_->setText(QString::fromStdString(p)); }
    std::string xpuipc() const override { return xpuipc_->text().toStdString(); }
    void setXPuipc(const std::string& v) override { xpuipc_->setText(QString::fromStdString(v)); }

    ProgramPort& port_;
    Dialogs& dialogs_;
    OptionsForm form_;
    QLabel* packagedNote_ = nullptr;
    std::vector<std::pair<const OptionsCheck*, QCheckBox*>> checks_;
    QLineEdit* path_ = nullptr;
    QLabel* xpuipc_ = nullptr;
};

}  // namespace flenmark::ui
