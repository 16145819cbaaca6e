#pragma once

#include <QDialog>
#include <QLineEdit>
#include <vector>

#include "app/dialog_models.h"
#include "app/program.h"

namespace flenmark::ui {

// "Logging parameters": a box per numeric setting, normalised when it loses focus.
class ParametersDialog final : public QDialog {
  public:
    ParametersDialog(Program& program, QWidget* parent);
    QLineEdit* box(const QString& key) const { return findChild<QLineEdit*>("txt" + key); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void fill(const std::vector<ParameterBox>& boxes);
    Program& program_;
    std::vector<std::pair<const SettingsKey*, QLineEdit*>> boxes_;
};

}  // namespace flenmark::ui
