#include "ui/options_dialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/dialog_models.h"
#include "app/program.h"
#include "ui/parameters_dialog.h"

namespace flenmark::ui {
namespace {

QCheckBox* Check(const char* name, const char* caption, const char* tip) {
    auto* c = new QCheckBox(caption);
    c->setObjectName(name);
    c->setToolTip(tip);
    return c;
}

}  // namespace

OptionsDialog::OptionsDialog(ProgramPort& port, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), port_(port), dialogs_(dialogs) {
    setObjectName("frmOptions");
    setWindowTitle("Options");
    if (parent) setWindowIcon(parent->windowIcon());
    auto* column = new QVBoxLayout(this);
    auto* updates = new QGroupBox("Flenmark automatic update settings");
    updates->setObjectName("Frame2");
    auto* u = new QVBoxLayout(updates);
    update_ = Check("Check3", "Install updates",
                    "Check this box to automatically let the Flenmark upgrade itself when a new "
                    "version becomes available");
    minUpdate_ =
        Check("Check2", "Download and install minor updates too",
              "Check this box to let the Flenmark download all available updates, also minor ones. "
              "Uncheck this box to let the Flenmark only download and install major updates.");
    u->addWidget(update_);
    u->addWidget(minUpdate_);
    packagedNote_ = new QLabel(kPackageManagerUpdates);
    packagedNote_->setObjectName("lblPackaged");
    packagedNote_->setWordWrap(true);
    packagedNote_->hide();
    u->addWidget(packagedNote_);
    column->addWidget(updates);
    auto* xp = new QGroupBox("X-Plane (XPUIPC) settings");
    xp->setObjectName("Frame1");
    auto* x = new QVBoxLayout(xp);
    xplane_ = Check("Check1", "Enable XPUIPC downloading and installing",
                    "Check this box to enable the Flenmark to download and install the XPUIPC "
                    "module for X-Plane. Make sure the text box above is filled with the X-Plane "
                    "plugins folder, click Browse... for more instructions");
    x->addWidget(xplane_);
    auto* pathRow = new QHBoxLayout;
    path_ = new QLineEdit;
    path_->setObjectName("txtXPlanePath");
    path_->setToolTip("The X-Plane plugins folder");
    auto* browse = new QPushButton("Browse...");
    browse->setObjectName("Command1");
    browse->setToolTip("Click here to locate the X-Plane plugins folder");
    pathRow->addWidget(path_);
    pathRow->addWidget(browse);
    x->addLayout(pathRow);
    auto* versionRow = new QHBoxLayout;
    auto* versionCaption = new QLabel("Current XPUIPC version:");
    versionCaption->setObjectName("Label24");
    xpuipc_ = new QLabel;
    xpuipc_->setObjectName("lblXPUIPC");
    xpuipc_->setToolTip("The current XPUIPC version installed");
    versionRow->addWidget(versionCaption);
    versionRow->addWidget(xpuipc_, 1);
    x->addLayout(versionRow);
    column->addWidget(xp);
    auto* recording = new QGroupBox("Recording");
    recording->setObjectName("FrameRecording");
    auto* r = new QVBoxLayout(recording);
    resume_ = Check("chkResumeLogging", "Resume logging after the simulator reconnects",
                    "Check this box to let the Flenmark take up logging by itself when the "
                    "simulator comes back after the connection was lost");
    r->addWidget(resume_);
    kmz_ = Check("chkSaveAsKMZ", "Save converted flights as KMZ (one file with its icons)",
                 "Check this box to have \"View flight in Google Earth\" save one KMZ file, "
                 "easy to mail or share, instead of a KML document with its icons beside it");
    r->addWidget(kmz_);
    reports_ = Check("chkUsageReports", "Send anonymous usage reports",
                     "Check this box to tell the vendor once per start which version runs with "
                     "which simulator, under a random id of this installation (never your name)");
    r->addWidget(reports_);
    column->addWidget(recording);
    auto* parameters = new QPushButton("Logging parameters...");
    parameters->setObjectName("Command2");
    column->addWidget(parameters);
    auto* buttons = new QDialogButtonBox;
    auto* ok = buttons->addButton("OK", QDialogButtonBox::AcceptRole);
    ok->setObjectName("btnOK");
    auto* cancel = buttons->addButton("Cancel", QDialogButtonBox::RejectRole);
    cancel->setObjectName("btnCancel");
    column->addWidget(buttons);
    connect(browse, &QPushButton::clicked, this, [this] {
        xplane_->setChecked(true);
        browsing_ = true;
        port_.post([](Program& p) {
            if (p.extensions.browseXPlane)
                p.extensions.browseXPlane();
            else
                BrowseXPlaneFolder(p);
        });
    });
    connect(parameters, &QPushButton::clicked, this,
            [this] { ParametersDialog(port_, dialogs_, this).exec(); });
    connect(ok, &QPushButton::clicked, this, [this] {
        const OptionsValues values{
            xplane_->isChecked(),        minUpdate_->isChecked(),       update_->isChecked(),
            path_->text().toStdString(), xpuipc_->text().toStdString(), resume_->isChecked(),
            kmz_->isChecked(),           reports_->isChecked(),        packaged_};
        port_.post([values](Program& p) { ApplyOptions(p, values); });
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    load();
}

void OptionsDialog::viewChanged() {
    if (!browsing_) return;
    browsing_ = false;
    const OptionsValues v = LoadOptions(port_.view());
    xpuipc_->setText(QString::fromStdString(v.xpuipc));
    path_->setText(QString::fromStdString(v.xplanePath));
}

void OptionsDialog::load() {
    const OptionsValues v = LoadOptions(port_.view());
    packaged_ = v.updatesByPackageManager;
    update_->setEnabled(!packaged_);
    minUpdate_->setEnabled(!packaged_);
    packagedNote_->setVisible(packaged_);
    if (v.xplane) xplane_->setChecked(true);
    if (v.minUpdate) minUpdate_->setChecked(true);
    if (v.update) update_->setChecked(true);
    resume_->setChecked(v.resumeLogging);
    kmz_->setChecked(v.saveAsKmz);
    reports_->setChecked(v.usageReports);
    xpuipc_->setText(QString::fromStdString(v.xpuipc));
    path_->setText(QString::fromStdString(v.xplanePath));
}

}  // namespace flenmark::ui
