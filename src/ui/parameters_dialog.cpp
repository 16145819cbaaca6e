#include "ui/parameters_dialog.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/parameter_labels.h"
#include "app/program.h"

namespace flenmark::ui {

ParametersDialog::ParametersDialog(ProgramPort& port, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), port_(port), dialogs_(dialogs) {
    setObjectName("frmOffsets");
    setWindowTitle(kParametersTitle);
    auto* column = new QVBoxLayout(this);
    auto* note = new QLabel(kParametersNote);
    note->setWordWrap(true);
    column->addWidget(note);
    // Each value in words, its box and its unit; the first half of them on the left, the
    // rest on the right.
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setColumnMinimumWidth(3, 16);
    const Settings settings = port_.view().settings;
    const std::vector<ParameterBox> loaded = LoadParameterBoxes(settings);
    const int perHalf = static_cast<int>((loaded.size() + 1) / 2);
    for (const ParameterBox& b : loaded) {
        const ParameterLabel label = ParameterLabelOf(*b.key);
        const int i = static_cast<int>(boxes_.size()), row = i % perHalf,
                  left = i < perHalf ? 0 : 4;
        auto* words = new QLabel(label.words);
        words->setWordWrap(true);
        words->setMinimumWidth(220);
        words->setToolTip(b.key->key);
        auto* edit = new QLineEdit;
        edit->setObjectName(QString("txt") + b.key->key);
        edit->setToolTip(b.key->key);
        edit->setMaximumWidth(80);
        edit->installEventFilter(this);
        words->setBuddy(edit);
        grid->addWidget(words, row, left);
        grid->addWidget(edit, row, left + 1);
        grid->addWidget(new QLabel(label.unit), row, left + 2);
        boxes_.emplace_back(b.key, edit);
    }
    column->addLayout(grid);
    auto* buttons = new QDialogButtonBox;
    auto* ok = buttons->addButton("OK", QDialogButtonBox::AcceptRole);
    ok->setObjectName("btnOK");
    auto* cancel = buttons->addButton("Cancel", QDialogButtonBox::RejectRole);
    cancel->setObjectName("btnCancel");
    auto* reset = buttons->addButton("Reset", QDialogButtonBox::ResetRole);
    reset->setObjectName("btnReset");
    column->addWidget(buttons);
    connect(ok, &QPushButton::clicked, this, [this] {
        std::vector<ParameterBox> values;
        for (const auto& [key, edit] : boxes_) values.push_back({key, edit->text().toStdString()});
        port_.post([values](Program& p) { ApplyParameterBoxes(p, values); });
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(reset, &QPushButton::clicked, this, [this] {
        if (ConfirmParameterReset(dialogs_)) fill(PresetParameterBoxes());
    });
    fill(LoadParameterBoxes(settings));
}

void ParametersDialog::fill(const std::vector<ParameterBox>& boxes) {
    for (size_t i = 0; i < boxes.size() && i < boxes_.size(); ++i)
        boxes_[i].second->setText(QString::fromStdString(boxes[i].text));
}

bool ParametersDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        for (const auto& [key, edit] : boxes_) {
            if (edit == watched)
                edit->setText(
                    QString::fromStdString(NormaliseDialogValue(edit->text().toStdString(), *key)));
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace flenmark::ui
