#pragma once

#include <QLabel>
#include <QMap>
#include <QTimer>
#include <QWidget>

#include "app/program_port.h"

namespace flenmark::ui {

// The aircraft status window: six values in large print and the latest flight event, which
// its own timer clears five seconds later.
class StatusWindow final : public QWidget {
  public:
    StatusWindow(ProgramPort& port, const QIcon& icon);
    void render();
    void restartEventTimer() { tmrMSG_.start(); }
    QLabel* label(const char* name) const { return labels_.value(name); }
    QTimer& eventTimer() { return tmrMSG_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    ProgramPort& port_;
    QMap<QString, QLabel*> labels_;
    QTimer tmrMSG_;
};

}  // namespace flenmark::ui
