#include "ui/options_dialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/program.h"
#include "ui/parameters_dialog.h"

namespace flenmark::ui {

OptionsDialog::OptionsDialog(ProgramPort& port, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), port_(port), dialogs_(dialogs), form_(port, *this) {
    const OptionsTexts& t = kOptionsTexts;
    setObjectName("frmOptions");
    setWindowTitle(t.title);
    if (parent) setWindowIcon(parent->windowIcon());
    auto* column = new QVBoxLayout(this);
    std::vector<QVBoxLayout*> frames;
    for (const OptionsFrame& f : OptionsFrames()) {
        auto* box = new QGroupBox(f.title);
        box->setObjectName(f.name);
        frames.push_back(new QVBoxLayout(box));
        column->addWidget(box);
    }
    for (const OptionsCheck& c : OptionsChecks()) {
        auto* box = new QCheckBox(c.caption);
        box->setObjectName(c.name);
        box->setToolTip(c.tooltip);
        frames[static_cast<size_t>(c.frame)]->addWidget(box);
        checks_.emplace_back(&c, box);
    }
    packagedNote_ = new QLabel(kPackageManagerUpdates);
    packagedNote_->setObjectName("lblPackaged");
    packagedNote_->setWordWrap(true);
    packagedNote_->hide();
    frames[0]->addWidget(packagedNote_);
    auto* pathRow = new QHBoxLayout;
    path_ = new QLineEdit;
    path_->setObjectName("txtXPlanePath");
    path_->setToolTip(t.pathTooltip);
    auto* browse = new QPushButton(t.browse);
    browse->setObjectName("Command1");
    browse->setToolTip(t.browseTooltip);
    pathRow->addWidget(path_);
    pathRow->addWidget(browse);
    frames[kXPlaneFrame]->addLayout(pathRow);
    auto* versionRow = new QHBoxLayout;
    auto* versionCaption = new QLabel(t.versionCaption);
    versionCaption->setObjectName("Label24");
    xpuipc_ = new QLabel;
    xpuipc_->setObjectName("lblXPUIPC");
    xpuipc_->setToolTip(t.versionTooltip);
    versionRow->addWidget(versionCaption);
    versionRow->addWidget(xpuipc_, 1);
    frames[kXPlaneFrame]->addLayout(versionRow);
    auto* parameters = new QPushButton(t.parameters);
    parameters->setObjectName("Command2");
    column->addWidget(parameters);
    auto* buttons = new QDialogButtonBox;
    auto* ok = buttons->addButton("OK", QDialogButtonBox::AcceptRole);
    ok->setObjectName("btnOK");
    auto* cancel = buttons->addButton("Cancel", QDialogButtonBox::RejectRole);
    cancel->setObjectName("btnCancel");
    column->addWidget(buttons);
    connect(browse, &QPushButton::clicked, this, [this] { form_.browse(); });
    connect(parameters, &QPushButton::clicked, this,
            [this] { ParametersDialog(port_, dialogs_, this).exec(); });
    connect(ok, &QPushButton::clicked, this, [this] {
        form_.ok();
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    form_.load();
}

QCheckBox* OptionsDialog::box(const OptionsCheck& check) const {
    for (const auto& [c, box] : checks_)
        if (c == &check) return box;
    return nullptr;
}

void OptionsDialog::viewChanged() {
    form_.viewChanged();
}

}  // namespace flenmark::ui
