#include "platform/qt/qt_dialogs.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

#include "platform/qt/gui_thread.h"

namespace flenmark {
namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

void QtDialogs::message(const std::string& title, const std::string& text) {
    OnGuiThread([&] { QMessageBox::information(parent_, Q(title), Q(text), QMessageBox::Ok); });
}

bool QtDialogs::askYesNo(const std::string& title, const std::string& text) {
    return OnGuiThread([&] {
        return QMessageBox::question(parent_, Q(title), Q(text), QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::No) == QMessageBox::Yes;
    });
}

std::optional<std::string> QtDialogs::askText(const std::string& title, const std::string& prompt) {
    return OnGuiThread([&]() -> std::optional<std::string> {
        bool ok = false;
        const QString answer =
            QInputDialog::getText(parent_, Q(title), Q(prompt), QLineEdit::Normal, {}, &ok);
        if (!ok) return std::nullopt;
        return answer.toStdString();
    });
}

std::optional<std::string> QtDialogs::chooseFolder(const std::string& title) {
    return OnGuiThread([&]() -> std::optional<std::string> {
        const QString folder = QFileDialog::getExistingDirectory(parent_, Q(title));
        if (folder.isEmpty()) return std::nullopt;
        return folder.toStdString();
    });
}

std::optional<std::string> QtDialogs::chooseSaveFile(const std::string& title,
                                                     const std::string& suggested,
                                                     const std::string& filter) {
    return OnGuiThread([&]() -> std::optional<std::string> {
        const QString file = QFileDialog::getSaveFileName(parent_, Q(title), Q(suggested), Q(filter));
        if (file.isEmpty()) return std::nullopt;
        return file.toStdString();
    });
}

}  // namespace flenmark
