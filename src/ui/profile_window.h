#pragma once

#include <QByteArray>
#include <QIcon>
#include <QTimer>
#include <QWidget>
#include <optional>

#include "app/profile_view.h"
#include "app/program_port.h"

namespace flenmark::ui {

// "Flight profile": the altitude and ground speed of the current log over time with its
// events, drawn again every few seconds while the flight is being recorded, in the theme of
// the desktop (dark or light).
class ProfileWindow final : public QWidget {
  public:
    ProfileWindow(ProgramPort& port, const QIcon& icon);
    // A kept flight's profile, drawn once: its log no longer grows.
    ProfileWindow(ProgramPort& port, const QIcon& icon, ProfileSource keptFlight);
    // Reads the log again and redraws.
    void refresh();
    QTimer& timer() { return timer_; }
    bool hasPicture() const { return !svg_.isEmpty(); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    ProgramPort& port_;
    QTimer timer_;
    std::optional<ProfileSource> keptFlight_;
    QByteArray svg_;
};

}  // namespace flenmark::ui
