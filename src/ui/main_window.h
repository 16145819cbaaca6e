#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QMap>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QTimer>
#include <memory>

#include "app/program_port.h"
#include "app/window_layouts.h"
#include "platform/dialogs.h"
#include "platform/ui_hooks.h"
#include "ui/flights_window.h"
#include "ui/profile_window.h"
#include "ui/status_window.h"
#include "ui/tcas_window.h"

namespace flenmark::ui {

// The main window: renders the program's main view model and forwards clicks to the core
// through the port. Timer1 asks for the main tick each second, Timer2 clears the message line.
// Its hooks may be called from the thread the ticks run on.
class MainWindow final : public QMainWindow, public UiHooks {
    Q_OBJECT

  public:
    MainWindow();
    // Attaches the program's port; the window must exist before the program's services do.
    void attach(ProgramPort& port, Dialogs& dialogs);
    // Draws the view model.
    void render();
    // Asks for one main tick, as Timer1 does.
    void tick();
    // Draws this window and the open cockpit windows from the program's latest view.
    void renderAll();

    void restartMessageTimer() override;
    void restartStatusMessageTimer() override;
    void restoreFromTray() override;
    void refresh() override;
    void quitProgram() override;

    QPushButton* button(const QString& name) const { return buttons_.value(name); }
    TcasWindow* tcasWindow() const { return tcas_.get(); }
    StatusWindow* statusWindow() const { return status_.get(); }
    ProfileWindow* profileWindow() const { return profile_.get(); }
    FlightsWindow* flightsWindow() const { return flights_.get(); }
    // The buttons that open the other windows.
    void openTcasWindow();
    void openStatusWindow();
    void openProfileWindow();
    void openFlightsWindow();
    void openOptions();
    QTimer& timer1() { return timer1_; }
    QTimer& timer2() { return timer2_; }

  signals:
    // The program published a new view.
    void viewChanged();

  protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    QPushButton* addButton(const ButtonLayout& item);
    QLabel* addLabel(const QString& name);
    void buildLayout();
    QWidget* buildFlightSummary();
    void renderFlightSummary(const FlightSummaryView& flight);
    void run(void (*action)(Program&));
    void onMinimized();
    void showProgramInTray();
    void setOnTop(bool onTop);

    ProgramPort* port_ = nullptr;
    Dialogs* dialogs_ = nullptr;
    QMap<QString, QPushButton*> buttons_;
    QMap<QString, QLabel*> labels_;
    QTimer timer1_;
    QTimer timer2_;
    QSystemTrayIcon tray_;
    bool minimizing_ = false;
    bool trayMissingReported_ = false;
    std::unique_ptr<TcasWindow> tcas_;
    std::unique_ptr<StatusWindow> status_;
    std::unique_ptr<ProfileWindow> profile_;
    std::unique_ptr<FlightsWindow> flights_;
    QList<QLabel*> summaryValues_;
};

}  // namespace flenmark::ui
