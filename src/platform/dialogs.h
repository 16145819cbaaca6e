#pragma once

#include <optional>
#include <string>

namespace flenmark {

// Modal questions and notices shown to the user.
class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // A notice with an OK button.
    virtual void message(const std::string& title, const std::string& text) = 0;
    // A Yes/No question; true for Yes.
    virtual bool askYesNo(const std::string& title, const std::string& text) = 0;
    // A text question; nullopt when the user cancels, "" for an empty answer.
    virtual std::optional<std::string> askText(const std::string& title,
                                               const std::string& prompt) = 0;
    // A folder chooser; nullopt when the user cancels.
    virtual std::optional<std::string> chooseFolder(const std::string& title) = 0;
    // A "save as" chooser starting at `suggested`, offering the file types of `filter`
    // ("GPX (*.gpx);;CSV (*.csv)"); nullopt when the user cancels or there is no window to ask in.
    virtual std::optional<std::string> chooseSaveFile(const std::string& title,
                                                      const std::string& suggested,
                                                      const std::string& filter) {
        (void)title, (void)suggested, (void)filter;
        return std::nullopt;
    }
};

}  // namespace flenmark
