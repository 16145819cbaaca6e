#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <utility>
#include <vector>

#include "app/dialog_models.h"
#include "app/program_port.h"
#include "platform/dialogs.h"

namespace flenmark::ui {

// "Options": the update behaviour and the X-Plane settings, and the way to the logging
// parameters. It shows the settings as the program last published them and sends it the new
// values on OK.
class OptionsDialog final : public QDialog {
    Q_OBJECT

  public:
    OptionsDialog(ProgramPort& port, Dialogs& dialogs, QWidget* parent);

  public slots:
    // The program published a new view: after "Browse..." the folder and version it found.
    void viewChanged();

  private:
    void load();
    ProgramPort& port_;
    Dialogs& dialogs_;
    QCheckBox* check(bool OptionsValues::*value) const;
    bool browsing_ = false;
    bool packaged_ = false;
    QLabel* packagedNote_ = nullptr;
    std::vector<std::pair<const OptionsCheck*, QCheckBox*>> checks_;
    QLineEdit* path_ = nullptr;
    QLabel* xpuipc_ = nullptr;
};

}  // namespace flenmark::ui
