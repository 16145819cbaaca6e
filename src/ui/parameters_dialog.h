#pragma once

#include <QDialog>
#include <QLineEdit>
#include <vector>

#include "app/dialog_models.h"
#include "app/program_port.h"
#include "platform/dialogs.h"

namespace flenmark::ui {

// "Logging parameters": a box per numeric setting, normalised when it loses focus.
class ParametersDialog final : public QDialog {
  public:
    ParametersDialog(ProgramPort& port, Dialogs& dialogs, QWidget* parent);
    QLineEdit* box(const QString& key) const { return findChild<QLineEdit*>("txt" + key); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void fill(const std::vector<ParameterBox>& boxes);
    ProgramPort& port_;
    Dialogs& dialogs_;
    std::vector<std::pair<const SettingsKey*, QLineEdit*>> boxes_;
};

}  // namespace flenmark::ui
