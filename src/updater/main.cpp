// SPDX-License-Identifier: GPL-3.0-or-later
// flenmark-updater: installs a newer Flenmark and starts it again.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

#include "app/command_lines.h"
#include "app/updater_setup.h"
#include "online/embedded_version.h"
#include "online/updater_run.h"
#include "platform/qt/app_icon.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_http.h"
#include "platform/qt/qt_shell.h"
#include "platform/system_services.h"

FLENMARK_EMBED_VERSION()

namespace {

QLabel* AddLabel(QVBoxLayout* column, const char* name) {
    auto* label = new QLabel;
    label->setObjectName(name);
    label->setMinimumWidth(320);
    column->addWidget(label);
    return label;
}

}  // namespace

int main(int argc, char** argv) {
    if (const auto done = flenmark::AnswerUpdaterCommandLine(argc, argv)) return *done;
    QApplication app(argc, argv);
    QWidget window;
    window.setObjectName("Form1");
    window.setWindowTitle(flenmark::kUpdaterTitle);
    window.setWindowIcon(flenmark::AppIcon());
    auto* column = new QVBoxLayout(&window);
    QLabel* status = AddLabel(column, "lblStatus");
    QLabel* file = AddLabel(column, "lblFile");
    QLabel* progress = AddLabel(column, "lblProgress");
    auto* cancel = new QPushButton("Cancel");
    cancel->setObjectName("Command1");
    column->addWidget(cancel);

    const auto ownFolders = flenmark::MakeFolders();
    const auto setup = flenmark::UpdaterSetupOf(*ownFolders);
    if (!setup) return 1;
    flenmark::QtHttp http;
    flenmark::QtShell shell;
    flenmark::QtDialogs dialogs;
    dialogs.setParent(&window);
    flenmark::UpdaterRun* current = nullptr;
    flenmark::UpdaterRun run(http, shell, dialogs, setup->folders, setup->reporter, [&] {
        if (!current) return;
        status->setText(QString::fromStdString(current->view().status));
        file->setText(QString::fromStdString(current->view().file));
        progress->setText(QString::fromStdString(current->view().progress));
        QApplication::processEvents();
    });
    current = &run;
    QObject::connect(cancel, &QPushButton::clicked, &window, [&] {
        run.cancel();
        http.cancel();
    });
    status->setText("Initializing...");
    window.show();
    QApplication::processEvents();
    run.run();
    return 0;
}
