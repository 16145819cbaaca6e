// The Win32 windows over the real core, the real link and the host window flying the default
// circuit, driven through window messages as a user drives them: connect, logging, animation,
// realtime, the TCAS scope's modes and ranges, the options dialog's OK and Cancel, and saving
// the track under a name outside ASCII into a data folder outside ASCII.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <thread>
#include <utility>

#include "app/program.h"
#include "app/program_port.h"
#include "app/startup.h"
#include "app/window_layouts.h"
#include "base/text_files.h"
#include "base/utf8_path.h"
#include "platform/system_clock.h"
#include "platform/win/gui_thread.h"
#include "platform/win/win_dialogs.h"
#include "platform/win_ipc_transport.h"
#include "simhost/host_server.h"
#include "simhost/scenario.h"
#include "simlink/fsuipc_client.h"
#include "support/fakes.h"
#include "win/flights_window_win.h"
#include "win/gdiplus_win.h"
#include "win/main_window_win.h"
#include "win/options_dialog_win.h"
#include "windows/gui/gui_driver.h"
#include "windows/host_thread.h"

namespace flenmark {
namespace {

namespace fs = std::filesystem;
using testing::GuiDriver;

// Folders below a temporary folder whose name holds letters outside ASCII.
class UnicodeFolders final : public Folders {
  public:
    UnicodeFolders() {
        root_ = TextOf(fs::temp_directory_path() /
                       PathOf("Flenmark üßéøł日本 " + std::to_string(GetCurrentProcessId())));
        std::error_code ec;
        fs::remove_all(PathOf(root_), ec);  // what a run that was stopped left
        for (const char* sub : {"/data/Flenmark", "/docs", "/program/icons"})
            fs::create_directories(PathOf(root_ + sub));
        for (const char* file : {"KMLSettings.txt", "Airports.txt"})
            fs::copy_file(PathOf(std::string(FLENMARK_RESOURCES_DIR "/") + file),
                          PathOf(root_ + "/program/" + file), fs::copy_options::overwrite_existing);
    }
    ~UnicodeFolders() override {
        std::error_code ec;
        fs::remove_all(PathOf(root_), ec);
    }
    std::string applicationDataRoot() const override { return root_ + "/data"; }
    std::string documentsRoot() const override { return root_ + "/docs"; }
    std::string programFolder() const override { return root_ + "/program"; }
    std::string data() const { return root_ + "/data/Flenmark/"; }

  private:
    std::string root_;
};

// The default circuit, one scenario second per recorder tick, the recorder's clock moving on
// with it.
testing::HostThread::Prepare Circuit(SteppedClock& clock) {
    return [&clock](simhost::OffsetTable& table, simhost::HostServer& server) {
        simhost::Scenario scenario;
        std::string error;
        simhost::ParseScenario(simhost::DefaultScenarioText(), scenario, error);
        auto player = std::make_shared<simhost::ScenarioPlayer>(std::move(scenario), table);
        auto seconds = std::make_shared<double>(0);
        server.beforeTick = [player, seconds, &clock] {
            player->advanceTo(++*seconds);
            clock.tick();
        };
    };
}

struct Gui {
    win::GdiplusSession gdiplus;
    UnicodeFolders folders;
    SteppedClock clock;
    GuiThread gui;
    WinDialogs dialogs{gui};
    testing::FakeShell shell;
    WinIpcTransport transport;
    FsuipcClient link{transport};
    win::MainWindow window{gui};
    Program program{Services{clock, folders, dialogs, shell, window, link}};
    std::atomic<int> rounds{0};
    std::unique_ptr<TickRunner> runner;

    Gui() {
        dialogs.setOwner(window.hwnd());
        EXPECT_TRUE(StartUp(program, "2.5"));
        // Each round is drawn before it counts, so what the driver reads next is on screen.
        runner = std::make_unique<TickRunner>(program, [this] {
            gui.post([this] {
                window.renderAll();
                ++rounds;
            });
        });
        window.attach(*runner, dialogs);
        window.show();
    }
    ~Gui() {
        // The windows go first: closing them tells the program through the runner.
        SendMessageW(window.hwnd(), WM_CLOSE, 0, 0);
        runner->finish([] { GuiDriver::Run([](GuiDriver&) {}); });
    }
    HWND control(const std::string& name) const { return window.control(name)->hwnd(); }
    std::string text(const std::string& name) const { return GuiDriver::text(control(name)); }
    // Runs one main tick as Timer1 does, and waits until it was published and drawn.
    void tick(int timerId = 1, HWND target = nullptr) {
        const int before = rounds;
        PostMessageW(target ? target : window.hwnd(), WM_TIMER, static_cast<WPARAM>(timerId), 0);
        GuiDriver::waitFor([&] { return rounds > before && !runner->busy(); });
    }
    // Waits for the round a click started.
    void settle() {
        GuiDriver::waitFor([&] { return !runner->busy(); });
        const int before = rounds;
        runner->post([](Program&) {});
        GuiDriver::waitFor([&] { return rounds > before && !runner->busy(); });
    }
};

std::string ReadAll(const std::string& path) {
    return ReadWholeFile(path).value_or("");
}

TEST(WindowsGui, RecordsTheCircuitThroughTheWindows) {
    Gui g;
    std::unique_ptr<testing::HostThread> host;
    GuiDriver::Run([&](GuiDriver& d) {
        g.settle();
        EXPECT_EQ(g.text("lblConnect"), "Not connected");
        EXPECT_FALSE(IsWindowEnabled(g.control("btn_startlog")));
        host = std::make_unique<testing::HostThread>(Circuit(g.clock));
        ASSERT_TRUE(host->started());
        d.click(g.control("Command1"));  // (Re) Connect
        g.settle();
        g.tick();
        EXPECT_EQ(g.text("lblConnect"), "Connected");
        ASSERT_TRUE(IsWindowEnabled(g.control("btn_startlog")));
        for (const char* button : {"btn_startlog", "btn_startAnimate", "btn_ToggleRealtime"}) {
            d.click(g.control(button));
            g.settle();
        }
        g.tick();  // the labels follow the modes at the next tick
        EXPECT_EQ(g.text("Label5"), "Logging");
        EXPECT_EQ(g.text("Label13"), "Animation");
        EXPECT_EQ(g.text("Label6"), "Realtime");

        d.click(g.control("btn_TCAS"));
        win::TcasWindow* tcas = g.window.tcasWindow();
        ASSERT_TRUE(tcas && tcas->isOpen());
        auto tcasText = [&](const char* name) { return d.text(tcas->control(name)->hwnd()); };
        EXPECT_EQ(tcasText("Label11"), "OFF");
        // The scope grows with its window.
        auto scopeSize = [&] {
            RECT r{};
            GetClientRect(tcas->control("imgTCASTable")->hwnd(), &r);
            return std::pair{r.right, r.bottom};
        };
        const auto small = scopeSize();
        SetWindowPos(tcas->hwnd(), nullptr, 0, 0, 900, 1100, SWP_NOMOVE | SWP_NOZORDER);
        const auto large = scopeSize();
        EXPECT_GT(large.first, small.first + 300);
        EXPECT_GT(large.second, small.second + 300);
        for (int i = 0; i < 4; ++i) d.click(tcas->control("btn_ToggleTCAS")->hwnd());
        for (int i = 0; i < 5; ++i) d.click(tcas->control("btn_zoomin")->hwnd());
        g.settle();
        EXPECT_EQ(tcasText("Label11"), "ALL");
        EXPECT_EQ(tcasText("Label10"), "5NM");
        for (int i = 0; i < 5; ++i) d.click(tcas->control("btn_zoomout")->hwnd());
        g.settle();
        EXPECT_EQ(tcasText("Label10"), "40NM");
        d.click(g.control("btn_indicator"));
        ASSERT_TRUE(g.window.statusWindow() && g.window.statusWindow()->isOpen());

        std::set<int16_t> classes;
        for (int i = 0; i < 300; ++i) {
            g.tick();
            if (i % 10 == 0) {
                g.tick(1, tcas->hwnd());  // the scope's own timer
                for (const TcasTarget& t : g.runner->view().tcas.targets) classes.insert(t.traffic);
            }
        }
        EXPECT_GE(classes.size(), 3u) << "closeness classes seen on the scope";
        EXPECT_GT(tcas->drawnTargets(), 0u);
        EXPECT_EQ(tcas->drawnLabels(), tcas->drawnTargets()) << "captions drawn on the scope";
        EXPECT_EQ(d.text(g.window.statusWindow()->label("Label3")->hwnd()).rfind("ALT: ", 0), 0u);
        // The summary beside the controls: the time aloft, and the field the circuit began at.
        EXPECT_EQ(g.text("lblFlight0").find(':'), 1u) << g.text("lblFlight0");
        EXPECT_EQ(g.text("lblFlight4").rfind("EHAM ", 0), 0u) << g.text("lblFlight4");

        // Options: Cancel keeps the settings file as it was, OK stores the change.
        for (const char* end : {"btnCancel", "btnOK"}) {
            d.clickLater(g.control("btn_Options"));
            ASSERT_TRUE(d.waitForWindow("Options"));
            ASSERT_TRUE(d.waitFor([] { return win::OptionsDialog::open() != nullptr; }));
            win::OptionsDialog* options = win::OptionsDialog::open();
            d.click(options->control("Check3")->hwnd());  // "Install updates" off
            d.click(options->control(end)->hwnd());
            ASSERT_TRUE(d.waitFor([&] { return !d.findWindow("Options"); }));
            g.settle();
            const std::string settings = ReadAll(g.folders.data() + "Offsets.txt");
            EXPECT_NE(settings.find(std::string(end) == "btnOK" ? "\r\nUpdate=False\r\n"
                                                                : "\r\nUpdate=True\r\n"),
                      std::string::npos)
                << end;
        }

        d.click(g.control("btn_stoplog"));
        g.settle();
        EXPECT_EQ(g.text("Label5"), "No logging");

        // The flight just kept, in the flights window; the filter hides what does not match.
        d.click(g.control(kFlightsButton.name));
        win::FlightsWindow* flights = g.window.flightsWindow();
        ASSERT_TRUE(flights && flights->isOpen());
        g.settle();
        win::ListView& table = flights->table();
        ASSERT_EQ(table.rowCount(), 1u);
        // Stopped aloft: it left EHAM and arrived nowhere.
        EXPECT_EQ(table.cell(0, 1), "EHAM");
        EXPECT_EQ(table.cell(0, 2), "");
        EXPECT_EQ(d.text(flights->control("lblFlightsTotals")->hwnd()).rfind("1 flight,", 0), 0u);
        d.setText(flights->control("txtFlightsFilter")->hwnd(), "EGLL");
        EXPECT_EQ(table.rowCount(), 0u);
        d.setText(flights->control("txtFlightsFilter")->hwnd(), "eham");
        ASSERT_EQ(table.rowCount(), 1u);
        const std::string folder = g.runner->view().logbook->front().folder;
        ASSERT_TRUE(fs::is_directory(PathOf(folder)));
        // A double click on the row converts the flight in its folder and opens it.
        table.select(0);
        NMITEMACTIVATE dbl{};
        dbl.hdr = {table.hwnd(), 0, static_cast<UINT>(NM_DBLCLK)};
        SendMessageW(flights->hwnd(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&dbl));
        g.settle();
        ASSERT_EQ(g.shell.opened.size(), 1u);
        EXPECT_EQ(g.shell.opened[0].rfind(folder, 0), 0u) << g.shell.opened[0];
        EXPECT_NE(ReadAll(g.shell.opened[0]).find("<kml"), std::string::npos);
        g.shell.opened.clear();
        // Deleting asks first, then the folder goes to the Recycle Bin and the row goes.
        table.select(0);
        d.clickLater(flights->control("btn_FlightDelete")->hwnd());
        HWND question = d.waitForWindow("Delete flight");
        ASSERT_TRUE(question);
        d.click(GetDlgItem(question, IDYES));
        g.settle();
        EXPECT_FALSE(fs::exists(PathOf(folder)));
        EXPECT_EQ(table.rowCount(), 0u);

        // The track saved under a name outside ASCII, asked for by the text question.
        d.clickLater(g.control("btn_Convert"));
        HWND ask = d.waitForWindow("File name", kInputBoxClass);
        ASSERT_TRUE(ask);
        d.setText(GetDlgItem(ask, kInputBoxEdit), "Rundflug üßéøł 日本");
        d.click(GetDlgItem(ask, IDOK));
        g.settle();
    });
    const std::string log = ReadAll(g.folders.data() + "Flightlog.txt");
    for (const char* code : {":SA:", ":FL=10:", ":TO=3:", ":GU:", ":SD:", ":TL:", ":O:", ":OE:",
                             ":S:", ":SE:", ":SO:"})
        EXPECT_NE(log.find(code), std::string::npos) << code;
    EXPECT_TRUE(fs::exists(PathOf(g.folders.data() + "Realtime.kml")));
    ASSERT_EQ(g.shell.opened.size(), 1u);
    const std::string saved = g.shell.opened[0];
    EXPECT_NE(saved.find("Rundflug üßéøł 日本"), std::string::npos) << saved;
    EXPECT_NE(ReadAll(saved).find("<kml"), std::string::npos);
    // scripts/test-windows checks the document against the KML schema.
    if (const char* out = std::getenv("FLENMARK_TEST_OUT")) {
        EXPECT_TRUE(CopyFileReplacing(saved, std::string(out) + "/windows-flight.kml"));
    }
    EXPECT_EQ(g.text("Label7"), "Tracklog converted and saved, opening Google Earth...");
}

}  // namespace
}  // namespace flenmark
