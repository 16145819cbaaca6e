#pragma once

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include "app/program_port.h"

namespace flenmark::ui {

// The round, heading-up traffic scope.
class ScopeWidget final : public QWidget {
  public:
    explicit ScopeWidget(const ProgramPort& port, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const ProgramPort& port_;
};

// The TCAS window: the scope, the mode and range, and its buttons. Its timer refreshes the
// traffic once a second while it is open.
class TcasWindow final : public QWidget {
  public:
    TcasWindow(ProgramPort& port, const QIcon& icon);
    void render();
    QPushButton* button(const char* name) const { return findChild<QPushButton*>(name); }
    QTimer& timer() { return timer_; }
    // One tick of the window's timer.
    void tick();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void run(void (*action)(Program&));
    ProgramPort& port_;
    ScopeWidget* scope_;
    QLabel* mode_;
    QLabel* range_;
    QTimer timer_;
};

}  // namespace flenmark::ui
