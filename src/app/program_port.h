#pragma once

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "app/program_view.h"

namespace flenmark {

struct Program;

// How the windows reach the program: they send it commands and show the view it published
// last. They never read or change the program themselves.
class ProgramPort {
  public:
    using Command = std::function<void(Program&)>;
    virtual ~ProgramPort() = default;
    // Runs a command on the program (a button's action, say).
    virtual void post(Command command) = 0;
    // Asks for a main tick, and for a refresh of the traffic (the TCAS window's timer). A
    // request made while one is waiting joins it.
    virtual void tick() = 0;
    virtual void refreshTraffic() = 0;
    // The program as last published.
    virtual ProgramView view() const = 0;
};

// Runs everything at once on the caller's thread, then publishes: for tests and for programs
// that do one thing after another.
class DirectPort final : public ProgramPort {
  public:
    DirectPort(Program& program, std::function<void()> published);
    void post(Command command) override;
    void tick() override;
    void refreshTraffic() override;
    ProgramView view() const override;

  private:
    Program& program_;
    std::function<void()> published_;
};

// Runs the ticks and commands on a thread of its own, so that a simulator that does not answer
// never holds up the windows; `published` is called on that thread after each round, and
// whatever the program asks of the outside world meanwhile must be safe to ask from there.
class TickRunner final : public ProgramPort {
  public:
    TickRunner(Program& program, std::function<void()> published);
    ~TickRunner() override;  // waits for the round in progress (see finish)
    // Ends the runner after the round in progress, calling `whileWaiting` until that round is
    // over: a round may be waiting for the caller's thread (a question to the user, say).
    void finish(const std::function<void()>& whileWaiting);
    TickRunner(const TickRunner&) = delete;
    TickRunner& operator=(const TickRunner&) = delete;

    void post(Command command) override;
    void tick() override;
    void refreshTraffic() override;
    ProgramView view() const override;
    // True while a round (commands, a traffic refresh, a tick) runs.
    bool busy() const { return busy_; }

  private:
    void stop();
    void run();

    Program& program_;
    std::function<void()> published_;
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::vector<Command> commands_;
    bool tickWanted_ = false;
    bool trafficWanted_ = false;
    bool stop_ = false;
    std::atomic<bool> busy_{false};
    ProgramView view_;
    std::thread thread_;
};

}  // namespace flenmark
