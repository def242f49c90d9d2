// Times switching rooms in the window, for a project of 200 rooms: the
// document restores the room's form, the form window shows it, and the room
// selector, the 库房 commands and the open project summary follow. The
// median of the single switches is reported as median_ms; the goal is under
// 10 ms. A second case also lets the event loop paint what the switch changed.

#include "app/design_window.h"
#include "app/form_look.h"
#include "app/room_commands.h"
#include "app/room_selector.h"
#include "app/summary_window.h"
#include "document/design_document.h"
#include "sheet/controls.h"
#include "sheet/field_dictionary.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace gelvant;

class NullPresenter final : public MessagePresenter {
public:
    void showMessage(const Message& /*message*/) override {}
};

class NoDialogs final : public RoomDialogs {
public:
    std::optional<std::string> askRoomName(const std::string& /*current*/) override {
        return std::nullopt;
    }
    bool confirmDelete(const std::string& /*room*/) override { return false; }
    void showGatheredMessages(const std::vector<RoomMessages>& /*rooms*/) override {}
};

// The opened window with a project of 200 rooms, each a little different
// from the one before and every other one computed again, the summary open.
struct LargeProjectDesk {
    static constexpr std::size_t kRooms = 200;

    LargeProjectDesk() {
        form.initialise();
        document = &form.document();
        for (std::size_t n = 1; n < kRooms; ++n) {
            document->addRoom();
            document->typeInto(*fieldIndexByName("storeLength"), std::to_string(20 + n % 40));
            if (n % 2 == 0) {
                document->perform([&] { form.model().userClicks(ctl::computeButton); });
            }
        }
        const auto changed = [this] { showAgain(); };
        commands = std::make_unique<RoomCommands>(*document, dialogs, changed);
        selector = std::make_unique<RoomSelector>(*document, changed);
        summary = std::make_unique<SummaryWindow>(*document, changed);
        document->selectRoom(0);
        form.show();
        summary->show();
        showAgain();
        QApplication::processEvents();
    }

    void showAgain() {
        form.showModel();
        commands->refresh();
        selector->refresh();
        summary->refresh();
    }

    NullPresenter presenter;
    CDesignWindow form{presenter};
    DesignDocument* document = nullptr;
    NoDialogs dialogs;
    std::unique_ptr<RoomCommands> commands;
    std::unique_ptr<RoomSelector> selector;
    std::unique_ptr<SummaryWindow> summary;
};

LargeProjectDesk& desk() {
    static LargeProjectDesk built;
    return built;
}

void switchRooms(benchmark::State& state, bool paint) {
    LargeProjectDesk& d = desk();
    std::vector<double> switchesMs;
    std::size_t room = d.document->project().current;
    for (auto _ : state) {
        room = (room + 1) % LargeProjectDesk::kRooms; // Ctrl+PgDown, round the project
        const auto start = std::chrono::steady_clock::now();
        d.document->selectRoom(room);
        d.showAgain();
        if (paint) {
            QApplication::processEvents(); // paints what the switch changed
        }
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        switchesMs.push_back(took.count());
    }
    std::sort(switchesMs.begin(), switchesMs.end());
    state.counters["median_ms"] = switchesMs.empty() ? 0.0 : switchesMs[switchesMs.size() / 2];
    state.counters["rooms"] = static_cast<double>(LargeProjectDesk::kRooms);
}

void BM_SwitchRoom(benchmark::State& state) {
    switchRooms(state, false);
}
BENCHMARK(BM_SwitchRoom)->Unit(benchmark::kMillisecond);

void BM_SwitchRoomAndPaint(benchmark::State& state) {
    switchRooms(state, true);
}
BENCHMARK(BM_SwitchRoomAndPaint)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    applyFormLook(app);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
