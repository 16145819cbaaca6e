#include "app/program_port.h"

#include "app/main_tick.h"
#include "app/program.h"
#include "app/tcas_display.h"

namespace flenmark {

DirectPort::DirectPort(Program& program, std::function<void()> published)
    : program_(program), published_(std::move(published)) {}

void DirectPort::post(Command command) {
    command(program_);
    if (published_) published_();
}

void DirectPort::tick() {
    post([](Program& p) { MainTick(p); });
}

void DirectPort::refreshTraffic() {
    post([](Program& p) { TcasTimerTick(p); });
}

ProgramView DirectPort::view() const {
    return ViewOf(program_);
}

TickRunner::TickRunner(Program& program, std::function<void()> published)
    : program_(program), published_(std::move(published)), view_(ViewOf(program)) {
    thread_ = std::thread([this] { run(); });
}

TickRunner::~TickRunner() {
    stop();
    if (thread_.joinable()) thread_.join();
}

void TickRunner::stop() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stop_ = true;
    }
    wake_.notify_all();
}

void TickRunner::finish(const std::function<void()>& whileWaiting) {
    stop();
    while (busy_) whileWaiting();
    if (thread_.joinable()) thread_.join();
}

void TickRunner::post(Command command) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        commands_.push_back(std::move(command));
    }
    wake_.notify_all();
}

void TickRunner::tick() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        tickWanted_ = true;
    }
    wake_.notify_all();
}

void TickRunner::refreshTraffic() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        trafficWanted_ = true;
    }
    wake_.notify_all();
}

ProgramView TickRunner::view() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return view_;
}

void TickRunner::run() {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        wake_.wait(lock,
                   [this] { return stop_ || !commands_.empty() || tickWanted_ || trafficWanted_; });
        if (stop_) return;
        std::vector<Command> commands;
        commands.swap(commands_);
        const bool tick = tickWanted_, traffic = trafficWanted_;
        tickWanted_ = trafficWanted_ = false;
        busy_ = true;
        lock.unlock();
        for (Command& c : commands) c(program_);
        // Once the updater took over, the program only waits for its end.
        if (traffic && !program_.EndRequested) TcasTimerTick(program_);
        if (tick && !program_.EndRequested) MainTick(program_);
        ProgramView view = ViewOf(program_);
        lock.lock();
        view_ = std::move(view);
        busy_ = false;
        lock.unlock();
        if (published_) published_();
        lock.lock();
    }
}

}  // namespace flenmark
