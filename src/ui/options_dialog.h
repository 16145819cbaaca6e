#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>

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
    bool browsing_ = false;
    bool packaged_ = false;
    QLabel* packagedNote_ = nullptr;
    QCheckBox* xplane_;
    QCheckBox* minUpdate_;
    QCheckBox* resume_ = nullptr;
    QCheckBox* kmz_ = nullptr;
    QCheckBox* reports_ = nullptr;
    QCheckBox* update_;
    QLineEdit* path_;
    QLabel* xpuipc_;
};

}  // namespace flenmark::ui
