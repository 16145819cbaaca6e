#include "platform/qt/qt_shell.h"

#include <QProcess>
#include <QStringList>

#include "platform/desktop_open.h"
#include "platform/qt/gui_thread.h"

namespace flenmark {

bool QtShell::open(const std::string& pathOrAddress) {
    return OpenWithDesktop(pathOrAddress);
}

bool QtShell::startProgram(const std::string& path, const std::vector<std::string>& args) {
    return OnGuiThread([&] {
        QStringList list;
        for (const auto& a : args) list << QString::fromStdString(a);
        return QProcess::startDetached(QString::fromStdString(path), list);
    });
}

}  // namespace flenmark
