// Times switching rooms in the program's window, for a project of 200 rooms:
// the document restores the room's form, the form window shows it, and the
// room selector, the 库房 commands, the title and the open project summary
// follow, as Ctrl+PgDown does it. The median of the single switches is
// reported as median_ms; the goal is under 10 ms. A second case also lets
// the event loop paint what the switch changed. The same again with a
// personal library of 500 entries of each kind, which every room's lists
// show, and the opening of a design of 20 rooms carrying those entries.

#include "app/design_window.h"
#include "app/document_prompts.h"
#include "app/form_look.h"
#include "app/main_window.h"
#include "app/summary_window.h"
#include "document/design_document.h"
#include "form/controls.h"
#include "form/field_dictionary.h"
#include "library/library.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace gelvant;

class NullPresenter final : public MessagePresenter {
public:
    void showMessage(const Message& /*message*/) override {}
};

class NoPrompts final : public DocumentPrompts {
public:
    // Unsaved changes are dropped, a recovery copy is not taken.
    Answer ask(const Question& /*question*/) override { return Answer::Discard; }
    QString askOpenFile(const QString& /*folder*/) override { return {}; }
    QString askSaveFile(const QString& /*suggested*/) override { return {}; }
    std::optional<ProjectInfo> askProjectInfo(const ProjectInfo& /*info*/) override {
        return std::nullopt;
    }
};

// A personal library of 500 entries per kind, each a built-in row's values
// under a name of its own.
Library largeLibrary() {
    constexpr std::size_t kEntries = 500;
    Library library;
    for (const LibraryKind kind : kLibraryKinds) {
        std::optional<LibraryEntry> row;
        for (std::size_t item = 0; !row; ++item) {
            row = builtInEntry(kind, item);
        }
        for (std::size_t n = 0; n < kEntries; ++n) {
            row->name = "自家" + std::to_string(n);
            library.of(kind).push_back(*row);
        }
    }
    return library;
}

// The program's window with a project of 200 rooms, each a little different
// from the one before and every other one computed again, the summary open.
struct LargeProjectWindow {
    static constexpr std::size_t kRooms = 200;

    explicit LargeProjectWindow(Library personal = {}) : session{presenter, std::move(personal)} {
        window.start();
        for (std::size_t n = 1; n < kRooms; ++n) {
            session.addRoom();
            session.type(*fieldIndexByName("storeLength"), std::to_string(20 + n % 40));
            if (n % 2 == 0) {
                session.click(ctl::computeButton);
            }
        }
        session.selectRoom(0);
        window.show();
        window.summaryWindow().show();
        QApplication::processEvents();
    }

    NullPresenter presenter;
    NoPrompts prompts;
    DesignSession session;
    MainWindow window{session, presenter, prompts};
};

LargeProjectWindow& projectWindow(bool withLibrary) {
    if (withLibrary) {
        static LargeProjectWindow withEntries(largeLibrary());
        return withEntries;
    }
    static LargeProjectWindow built;
    return built;
}

void switchRooms(benchmark::State& state, bool paint, bool withLibrary = false) {
    DesignSession& session = projectWindow(withLibrary).session;
    std::vector<double> switchesMs;
    for (auto _ : state) {
        // The next room, round the project.
        const std::size_t room = (session.project().current + 1) % LargeProjectWindow::kRooms;
        const auto start = std::chrono::steady_clock::now();
        session.selectRoom(room);
        if (paint) {
            QApplication::processEvents(); // paints what the switch changed
        }
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        switchesMs.push_back(took.count());
    }
    std::sort(switchesMs.begin(), switchesMs.end());
    state.counters["median_ms"] = switchesMs.empty() ? 0.0 : switchesMs[switchesMs.size() / 2];
    state.counters["rooms"] = static_cast<double>(session.project().rooms.size());
}

void BM_SwitchRoom(benchmark::State& state) {
    switchRooms(state, false);
}
BENCHMARK(BM_SwitchRoom)->Unit(benchmark::kMillisecond);

void BM_SwitchRoomAndPaint(benchmark::State& state) {
    switchRooms(state, true);
}
BENCHMARK(BM_SwitchRoomAndPaint)->Unit(benchmark::kMillisecond);

void BM_SwitchRoomAndPaintWithLibrary(benchmark::State& state) {
    switchRooms(state, true, true);
}
BENCHMARK(BM_SwitchRoomAndPaintWithLibrary)->Unit(benchmark::kMillisecond);

// Opening a design of 20 rooms that carries the 2000 entries, in a window
// whose personal library holds them too, painted.
void BM_OpenDesignWithLibrary(benchmark::State& state) {
    NullPresenter presenter;
    NoPrompts prompts;
    DesignSession session(presenter, largeLibrary());
    MainWindow window(session, presenter, prompts);
    window.start();
    for (std::size_t n = 1; n < 20; ++n) {
        session.addRoom();
        session.click(ctl::computeButton);
    }
    const std::string design = session.saveToBytes();
    window.show();
    QApplication::processEvents();
    std::vector<double> opensMs;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (session.openBytes(design)) {
            state.SkipWithError("the design could not be opened");
            break;
        }
        QApplication::processEvents();
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        opensMs.push_back(took.count());
    }
    std::sort(opensMs.begin(), opensMs.end());
    state.counters["median_ms"] = opensMs.empty() ? 0.0 : opensMs[opensMs.size() / 2];
}
BENCHMARK(BM_OpenDesignWithLibrary)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    applyFormLook();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
