#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QMap>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QTimer>
#include <memory>

#include "app/program.h"
#include "platform/ui_hooks.h"
#include "ui/status_window.h"
#include "ui/tcas_window.h"

namespace flenmark::ui {

// The main window: renders the program's main view model and forwards clicks to the core.
// Timer1 runs the main tick each second, Timer2 clears the message line.
class MainWindow final : public QMainWindow, public UiHooks {
    Q_OBJECT

  public:
    MainWindow();
    // Attaches the program; the window must exist before the program's services do.
    void attach(Program& program);
    // Draws the view model.
    void render();
    // One main tick, as Timer1 runs it.
    void tick();
    // Draws this window and the open cockpit windows.
    void renderAll();

    void restartMessageTimer() override;
    void restartStatusMessageTimer() override;
    void restoreFromTray() override;
    void refresh() override;
    void quitProgram() override;
    bool quitRequested() const { return quitRequested_; }

    QPushButton* button(const QString& name) const { return buttons_.value(name); }
    TcasWindow* tcasWindow() const { return tcas_.get(); }
    StatusWindow* statusWindow() const { return status_.get(); }
    // The buttons that open the other windows.
    void openTcasWindow();
    void openStatusWindow();
    void openOptions();
    QTimer& timer1() { return timer1_; }
    QTimer& timer2() { return timer2_; }

  protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    QPushButton* addButton(const QString& name, const QString& caption, const QString& tooltip,
                           void (*action)(Program&));
    QPushButton* addWindowButton(const QString& name, const QString& caption,
                                 const QString& tooltip, void (MainWindow::*open)());
    QLabel* addLabel(const QString& name);
    void buildLayout();
    void runAndRender(void (*action)(Program&));
    void onMinimized();
    void showProgramInTray();
    void setOnTop(bool onTop);

    Program* program_ = nullptr;
    QMap<QString, QPushButton*> buttons_;
    QMap<QString, QLabel*> labels_;
    QTimer timer1_;
    QTimer timer2_;
    QSystemTrayIcon tray_;
    bool minimizing_ = false;
    bool trayMissingReported_ = false;
    bool quitRequested_ = false;
    std::unique_ptr<TcasWindow> tcas_;
    std::unique_ptr<StatusWindow> status_;
};

}  // namespace flenmark::ui
