#pragma once

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include "app/program.h"

namespace flenmark::ui {

// The round, heading-up traffic scope.
class ScopeWidget final : public QWidget {
  public:
    explicit ScopeWidget(const Program& program, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const Program& program_;
};

// The TCAS window: the scope, the mode and range, and its buttons. Its timer refreshes the
// traffic once a second while it is open.
class TcasWindow final : public QWidget {
  public:
    TcasWindow(Program& program, const QIcon& icon);
    void render();
    QPushButton* button(const char* name) const { return findChild<QPushButton*>(name); }
    QTimer& timer() { return timer_; }
    // One tick of the window's timer.
    void tick();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void run(void (*action)(Program&));
    Program& program_;
    ScopeWidget* scope_;
    QLabel* mode_;
    QLabel* range_;
    QTimer timer_;
};

}  // namespace flenmark::ui
