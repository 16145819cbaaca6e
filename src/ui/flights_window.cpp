#include "ui/flights_window.h"

#include <QAbstractTableModel>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "app/kept_flight_commands.h"
#include "app/profile_view.h"

namespace flenmark::ui {

// The rows of the window's FlightsView, as Qt's table asks for them.
class FlightsTableModel final : public QAbstractTableModel {
  public:
    explicit FlightsTableModel(const FlightsWindowModel& model) : model_(model) {}
    void reset() {
        beginResetModel();
        endResetModel();
    }
    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : static_cast<int>(model_.view().rows.size());
    }
    int columnCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : static_cast<int>(FlightColumnTitles().size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid()) return {};
        const int column = index.column();
        // Numbers line up on the right; texts on the left.
        if (role == Qt::TextAlignmentRole)
            return static_cast<int>(column >= static_cast<int>(FlightColumn::BlockTime)
                                        ? Qt::AlignRight | Qt::AlignVCenter
                                        : Qt::AlignLeft | Qt::AlignVCenter);
        if (role != Qt::DisplayRole) return {};
        const FlightRow& r = model_.view().rows[static_cast<size_t>(index.row())];
        const std::string* texts[] = {&r.date,      &r.from,    &r.to,       &r.aircraft,
                                      &r.blockTime, &r.airTime, &r.distance, &r.landing};
        return QString::fromStdString(*texts[column]);
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
        return QString(FlightColumnTitles()[static_cast<size_t>(section)]);
    }

  private:
    const FlightsWindowModel& model_;
};

FlightsWindow::FlightsWindow(ProgramPort& port, const QIcon& icon) : port_(port) {
    setObjectName("frmFlights");
    setWindowTitle(kFlightsTitle);
    setWindowIcon(icon);
    auto* column = new QVBoxLayout(this);
    filter_ = new QLineEdit;
    filter_->setObjectName("txtFilter");
    filter_->setPlaceholderText(kFlightsFilterHint);
    filter_->setClearButtonEnabled(true);
    column->addWidget(filter_);
    tableModel_ = new FlightsTableModel(model_);
    tableModel_->setParent(this);
    table_ = new QTableView;
    table_->setObjectName("grdFlights");
    table_->setModel(tableModel_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setAlternatingRowColors(true);
    table_->verticalHeader()->hide();
    table_->setWordWrap(false);
    QHeaderView* header = table_->horizontalHeader();
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    // The aircraft's title takes the room there is; the other columns fit their texts.
    header->setStretchLastSection(false);
    column->addWidget(table_, 1);
    totals_ = new QLabel;
    totals_->setObjectName("lblTotals");
    column->addWidget(totals_);
    auto* actions = new QHBoxLayout;
    for (const FlightActionLayout& action : FlightActions()) {
        auto* b = new QPushButton(action.caption);
        b->setObjectName(action.name);
        b->setToolTip(action.tooltip);
        connect(b, &QPushButton::clicked, this, [this, &action] { act(action); });
        actions->addWidget(b);
        buttons_[action.name] = b;
    }
    actions->addStretch(1);
    column->addLayout(actions);
    connect(filter_, &QLineEdit::textChanged, this, [this](const QString& text) {
        model_.setFilter(text.toStdString());
        remade();
    });
    connect(header, &QHeaderView::sectionClicked, this, [this](int section) {
        model_.sortBy(static_cast<FlightColumn>(section));
        remade();
    });
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        const QModelIndexList rows = table_->selectionModel()->selectedRows();
        model_.choose(rows.isEmpty() ? std::nullopt
                                     : std::optional<size_t>(static_cast<size_t>(rows[0].row())));
        const bool chosen = model_.chosen() != nullptr;
        for (QPushButton* b : buttons_) b->setEnabled(chosen);
    });
    connect(table_, &QTableView::doubleClicked, this, [this] { act(FlightActions()[0]); });
    resize(980, 480);
    port_.post([](Program& p) { FlightsWindowOpened(p); });
    remade();
    render();
}

FlightsWindow::~FlightsWindow() = default;

void FlightsWindow::render() {
    const ProgramView view = port_.view();
    if (view.logbook == shown_) return;
    shown_ = view.logbook;
    model_.show(shown_);
    remade();
}

void FlightsWindow::remade() {
    const std::optional<size_t> chosen = model_.chosenRow();
    QSignalBlocker quiet(table_->selectionModel());
    tableModel_->reset();
    table_->horizontalHeader()->setSortIndicator(
        static_cast<int>(model_.column()),
        model_.ascending() ? Qt::AscendingOrder : Qt::DescendingOrder);
    table_->resizeColumnsToContents();
    table_->horizontalHeader()->setSectionResizeMode(static_cast<int>(FlightColumn::Aircraft),
                                                     QHeaderView::Stretch);
    if (chosen) table_->selectRow(static_cast<int>(*chosen));
    for (QPushButton* b : buttons_) b->setEnabled(chosen.has_value());
    totals_->setText(QString::fromStdString(model_.totalsText()));
}

void FlightsWindow::chooseRow(int row) {
    table_->selectRow(row);
}

void FlightsWindow::act(const FlightActionLayout& action) {
    const LogbookEntry* flight = model_.chosen();
    if (!flight) return;
    if (action.opensProfile) {
        profile_ = std::make_unique<ProfileWindow>(port_, windowIcon(), KeptFlightProfile(*flight));
        profile_->show();
        return;
    }
    void (*command)(Program&, const std::string&) = action.command;
    port_.post([command, folder = flight->folder](Program& p) { command(p, folder); });
}

void FlightsWindow::closeEvent(QCloseEvent* event) {
    port_.post([](Program& p) { FlightsWindowClosed(p); });
    event->accept();
}

}  // namespace flenmark::ui
