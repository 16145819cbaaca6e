#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>

#include "app/program.h"

namespace flenmark::ui {

// "Options": the update behaviour and the X-Plane settings, and the way to the logging
// parameters.
class OptionsDialog final : public QDialog {
  public:
    OptionsDialog(Program& program, QWidget* parent);

  private:
    void load();
    Program& program_;
    QCheckBox* xplane_;
    QCheckBox* minUpdate_;
    QCheckBox* resume_ = nullptr;
    QCheckBox* update_;
    QLineEdit* path_;
    QLabel* xpuipc_;
};

}  // namespace flenmark::ui
