#include "ui/readable_colours.h"

#include <QPalette>
#include <cmath>

namespace flenmark::ui {
namespace {

constexpr double kReadableContrast = 4.5;

double Linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& c) {
    return 0.2126 * Linear(c.redF()) + 0.7152 * Linear(c.greenF()) + 0.0722 * Linear(c.blueF());
}

QColor Preferred(TextColour c, bool darkBackground) {
    switch (c) {
        case TextColour::Red:
            return darkBackground ? QColor(255, 128, 128) : QColor(176, 0, 0);
        case TextColour::Green:
            return darkBackground ? QColor(112, 224, 112) : QColor(0, 110, 0);
        case TextColour::Black:
            break;
    }
    return darkBackground ? QColor(255, 255, 255) : QColor(0, 0, 0);
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor StatusTextColour(TextColour c, const QColor& background) {
    const bool dark = Luminance(background) < 0.18;
    QColor colour = Preferred(c, dark);
    // A background between light and dark: go towards black (or white) until it reads.
    const QColor end = dark ? QColor(255, 255, 255) : QColor(0, 0, 0);
    for (int step = 0; step < 10 && ContrastRatio(colour, background) < kReadableContrast; ++step)
        colour = QColor::fromRgbF(colour.redF() + (end.redF() - colour.redF()) * 0.25f,
                                  colour.greenF() + (end.greenF() - colour.greenF()) * 0.25f,
                                  colour.blueF() + (end.blueF() - colour.blueF()) * 0.25f);
    return colour;
}

void ShowStatusLabel(QLabel* label, const LabelView& view) {
    label->setText(QString::fromStdString(view.text));
    const QColor background = label->window()->palette().color(QPalette::Window);
    label->setStyleSheet(
        QString("color: %1;").arg(StatusTextColour(view.colour, background).name()));
}

}  // namespace flenmark::ui
