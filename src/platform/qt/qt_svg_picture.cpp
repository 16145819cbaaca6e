
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "base/os_files.h"
#include "platform/svg_picture.h"

namespace flenmark {
namespace {

// Drawing text needs an application object; a program without windows gets one that draws off
// screen.
void EnsureGuiApplication() {
    if (QCoreApplication::instance()) return;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "flenmark";
    static char* argv[] = {name, nullptr};
    static std::unique_ptr<QGuiApplication> app = std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

bool WriteSvgAsPng(const std::string& svg, const std::string& pngPath) {
    EnsureGuiApplication();
    QSvgRenderer renderer(QByteArray::fromStdString(svg));
    if (!renderer.isValid()) return false;
    QImage image(renderer.defaultSize(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    const std::string temp = pngPath + ".tmp" + std::to_string(os::ProcessId());
    if (!image.save(QString::fromStdString(temp), "PNG")) {
        std::remove(temp.c_str());
        return false;
    }
    return std::rename(temp.c_str(), pngPath.c_str()) == 0;
}

}  // namespace flenmark
