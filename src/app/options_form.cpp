#include "app/options_form.h"

#include "app/program.h"
#include "app/window_commands.h"

namespace flenmark {
namespace {

const OptionsCheck& CheckOf(bool OptionsValues::*value) {
    for (const OptionsCheck& c : OptionsChecks())
        if (c.value == value) return c;
    return OptionsChecks().front();
}

}  // namespace

void OptionsForm::load() {
    const OptionsValues v = LoadOptions(port_.view());
    packaged_ = v.updatesByPackageManager;
    controls_.setEnabled(CheckOf(&OptionsValues::update), !packaged_);
    controls_.setEnabled(CheckOf(&OptionsValues::minUpdate), !packaged_);
    controls_.showPackagedNote(packaged_);
    for (const OptionsCheck& c : OptionsChecks()) controls_.setChecked(c, v.*(c.value));
    controls_.setXPuipc(v.xpuipc);
    controls_.setXPlanePath(v.xplanePath);
}

void OptionsForm::browse() {
    controls_.setChecked(CheckOf(&OptionsValues::xplane), true);
    browsing_ = true;
    port_.post([](Program& p) { BrowseForXPlane(p); });
}

void OptionsForm::viewChanged() {
    if (!browsing_) return;
    browsing_ = false;
    const OptionsValues v = LoadOptions(port_.view());
    controls_.setXPuipc(v.xpuipc);
    controls_.setXPlanePath(v.xplanePath);
}

void OptionsForm::ok() {
    OptionsValues values;
    for (const OptionsCheck& c : OptionsChecks()) values.*(c.value) = controls_.checked(c);
    values.xplanePath = controls_.xplanePath();
    values.xpuipc = controls_.xpuipc();
    values.updatesByPackageManager = packaged_;
    port_.post([values](Program& p) { ApplyOptions(p, values); });
}

}  // namespace flenmark
