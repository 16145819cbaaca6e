#include "ui/parameters_dialog.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

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
    auto* form = new QFormLayout;
    const Settings settings = port_.view().settings;
    for (const ParameterBox& b : LoadParameterBoxes(settings)) {
        auto* edit = new QLineEdit;
        edit->setObjectName(QString("txt") + b.key->key);
        edit->installEventFilter(this);
        form->addRow(QString(b.key->key), edit);
        boxes_.emplace_back(b.key, edit);
    }
    column->addLayout(form);
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
