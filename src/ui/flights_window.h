#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QTableView>
#include <QWidget>
#include <memory>

#include "app/flights_window.h"
#include "app/program_port.h"
#include "ui/profile_window.h"

namespace flenmark::ui {

class FlightsTableModel;

// "Flights": the logbook as a table, sortable by its headers and filtered by the box above it,
// its totals below, and the actions on the chosen flight. What it shows comes from the
// program's view (ProgramView::logbook); its actions are posted to the program.
class FlightsWindow final : public QWidget {
  public:
    FlightsWindow(ProgramPort& port, const QIcon& icon);
    ~FlightsWindow() override;
    // Shows the logbook as the program published it last.
    void render();
    const FlightsWindowModel& model() const { return model_; }
    QTableView* table() const { return table_; }
    QLineEdit* filter() const { return filter_; }
    QPushButton* button(const QString& name) const { return buttons_.value(name); }
    ProfileWindow* profileWindow() const { return profile_.get(); }
    // Chooses the row of the table (as a click does).
    void chooseRow(int row);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void remade();
    void act(const FlightActionLayout& action);

    ProgramPort& port_;
    FlightsWindowModel model_;
    FlightsTableModel* tableModel_;
    std::shared_ptr<const std::vector<LogbookEntry>> shown_;
    QTableView* table_;
    QLineEdit* filter_;
    QLabel* totals_;
    QMap<QString, QPushButton*> buttons_;
    std::unique_ptr<ProfileWindow> profile_;
};

}  // namespace flenmark::ui
