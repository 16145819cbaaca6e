#include "win/parameters_dialog_win.h"

#include "app/parameter_labels.h"
#include "app/program.h"

namespace flenmark::win {

ParametersDialog::ParametersDialog(ProgramPort& port, Dialogs& dialogs, HWND owner)
    : ModalWindow(owner), port_(port), dialogs_(dialogs) {
    createWindow(kParametersTitle, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, owner);
    auto note = std::make_unique<Label>(420);
    note->setText(kParametersNote);
    Label& noteLabel = add(std::move(note));
    // Each value in words, its box and its unit; the first half of them on the left, the
    // rest on the right.
    std::vector<Item> halves[2];
    const Settings settings = port_.view().settings;
    const std::vector<ParameterBox> loaded = LoadParameterBoxes(settings);
    for (const ParameterBox& b : loaded) {
        const ParameterLabel label = ParameterLabelOf(*b.key);
        auto caption = std::make_unique<Label>(230);
        caption->setText(label.words);
        caption->tooltip = b.key->key;
        Label& c = add(std::move(caption));
        auto edit = std::make_unique<Edit>(6);
        edit->name = std::string("txt") + b.key->key;
        edit->tooltip = b.key->key;
        Edit& e = add(std::move(edit));
        auto unit = std::make_unique<Label>();
        unit->setText(label.unit);
        Label& u = add(std::move(unit));
        std::vector<Item>& half = halves[boxes_.size() < (loaded.size() + 1) / 2 ? 0 : 1];
        boxes_.emplace_back(b.key, &e);
        half.push_back(Ctl(c));
        half.push_back(Ctl(e));
        half.push_back(Ctl(u));
    }
    auto button = [this](const char* name, const char* caption, bool isDefault) -> Button& {
        auto b = std::make_unique<Button>(isDefault);
        b->name = name;
        b->setText(caption);
        return add(std::move(b));
    };
    Button& ok = button("btnOK", "OK", true);
    Button& cancel = button("btnCancel", "Cancel", false);
    Button& reset = button("btnReset", "Reset", false);
    setLayout(Padding(
        11,
        VBox(Items(Ctl(noteLabel),
                   HBox(Items(Table(3, std::move(halves[0]), 4), Table(3, std::move(halves[1]), 4)),
                        24),
                   Right(HBox(Items(Ctl(ok), Ctl(cancel), Ctl(reset))))),
             10)));
    onClick(ok, [this] {
        std::vector<ParameterBox> values;
        for (const auto& [key, edit] : boxes_) values.push_back({key, edit->text()});
        port_.post([values](Program& p) { ApplyParameterBoxes(p, values); });
        accept();
    });
    onClick(cancel, [this] { reject(); });
    onClick(reset, [this] {
        if (ConfirmParameterReset(dialogs_)) fill(PresetParameterBoxes());
    });
    fill(LoadParameterBoxes(settings));
    fitToLayout();
}

Edit* ParametersDialog::box(const std::string& key) const {
    for (const auto& [k, edit] : boxes_)
        if (key == k->key) return edit;
    return nullptr;
}

void ParametersDialog::fill(const std::vector<ParameterBox>& boxes) {
    for (size_t i = 0; i < boxes.size() && i < boxes_.size(); ++i)
        boxes_[i].second->setText(boxes[i].text);
}

LRESULT ParametersDialog::onMessage(UINT message, WPARAM w, LPARAM l) {
    if (message == WM_COMMAND && HIWORD(w) == EN_KILLFOCUS) {
        for (const auto& [key, edit] : boxes_)
            if (edit->hwnd() == reinterpret_cast<HWND>(l))
                edit->setText(NormaliseDialogValue(edit->text(), *key));
        return 0;
    }
    return ModalWindow::onMessage(message, w, l);
}

}  // namespace flenmark::win
