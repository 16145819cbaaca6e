#pragma once

#include <QWidget>

#include "platform/dialogs.h"

namespace flenmark {

// Modal message boxes and input boxes over the main window, shown on the GUI thread whichever
// thread asks.
class QtDialogs final : public Dialogs {
  public:
    void setParent(QWidget* parent) { parent_ = parent; }
    void message(const std::string& title, const std::string& text) override;
    bool askYesNo(const std::string& title, const std::string& text) override;
    std::optional<std::string> askText(const std::string& title,
                                       const std::string& prompt) override;
    std::optional<std::string> chooseFolder(const std::string& title) override;
    std::optional<std::string> chooseSaveFile(const std::string& title, const std::string& suggested,
                                              const std::string& filter) override;

  private:
    QWidget* parent_ = nullptr;
};

}  // namespace flenmark
