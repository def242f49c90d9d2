// Times what a designer waits for with design files, undo and projects:
// saving and opening a one-room design and a project of 200 rooms, one undo,
// the project summary, the plant's machine load, and computing every room of
// a large project.

#include "document/design_document.h"
#include "document/design_file_io.h"
#include "form/field_dictionary.h"
#include "form_tables/design_form.h"
#include "form_tables/startup.h"
#include "plant/machine_load.h"
#include "project/summary.h"

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

using namespace gelvant;

class NullPresenter final : public MessagePresenter {
public:
    void showMessage(const Message& /*message*/) override {}
};

// The opened form and its document, with a project of the given rooms, each
// a little different from the one before.
struct OpenDesign {
    explicit OpenDesign(int rooms) {
        OnInitDialog(dlg);
        document.emplace(dlg);
        for (int n = 1; n < rooms; ++n) {
            document->addRoom();
            document->typeInto(*fieldIndexByName("storeLength"), std::to_string(20 + n % 40));
        }
        document->selectRoom(0);
    }
    NullPresenter presenter;
    CDesignDlg dlg{designFormListsAndEvents(), presenter};
    std::optional<DesignDocument> document;
};

std::string scratchFile() {
    return (std::filesystem::temp_directory_path() /
            ("gelvant-bench-" + std::to_string(::getpid()) + ".gelvant"))
        .string();
}

void BM_SaveDesign(benchmark::State& state) {
    const OpenDesign design(static_cast<int>(state.range(0)));
    const std::string path = scratchFile();
    for (auto _ : state) {
        benchmark::DoNotOptimize(saveDesignFile(path, design.document->project()));
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
    std::remove(path.c_str());
}
BENCHMARK(BM_SaveDesign)->Arg(1)->Arg(200)->Unit(benchmark::kMillisecond);

void BM_OpenDesign(benchmark::State& state) {
    OpenDesign design(static_cast<int>(state.range(0)));
    const std::string path = scratchFile();
    (void)saveDesignFile(path, design.document->project());
    for (auto _ : state) {
        DesignReadResult read = openDesignFile(path);
        design.document->replaceProject(std::move(read.design->project));
    }
    std::remove(path.c_str());
}
BENCHMARK(BM_OpenDesign)->Arg(1)->Arg(200)->Unit(benchmark::kMillisecond);

// One undo of a typed box and its rules' work (with the redo that sets up
// the next one).
void BM_UndoStep(benchmark::State& state) {
    OpenDesign design(1);
    design.document->typeInto(*fieldIndexByName("storeLength"), "60");
    for (auto _ : state) {
        design.document->undo();
        design.document->redo();
    }
    state.SetItemsProcessed(2 * state.iterations()); // undo and redo each count
}
BENCHMARK(BM_UndoStep)->Unit(benchmark::kMicrosecond);

void BM_ProjectSummary(benchmark::State& state) {
    const OpenDesign design(200);
    for (auto _ : state) {
        benchmark::DoNotOptimize(summarizeProject(design.document->project()));
    }
}
BENCHMARK(BM_ProjectSummary)->Unit(benchmark::kMicrosecond);

// The machine load of 200 computed rooms, every one in the sums: from the
// summary the window already holds (0), and with the summary made afresh (1).
void BM_MachineLoad(benchmark::State& state) {
    OpenDesign design(200);
    design.document->computeAllRooms();
    const Project& project = design.document->project();
    const ProjectSummary held = summarizeProject(project);
    if (held.total.rooms != project.rooms.size()) {
        state.SkipWithError("not every room is in the sums");
        return;
    }
    for (auto _ : state) {
        if (state.range(0) == 0) {
            benchmark::DoNotOptimize(machineLoad(project, held));
        } else {
            const ProjectSummary summary = summarizeProject(project);
            benchmark::DoNotOptimize(machineLoad(project, summary));
        }
    }
}
BENCHMARK(BM_MachineLoad)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_ComputeAllRooms(benchmark::State& state) {
    OpenDesign design(200);
    for (auto _ : state) {
        benchmark::DoNotOptimize(design.document->computeAllRooms());
    }
}
BENCHMARK(BM_ComputeAllRooms)->Unit(benchmark::kMillisecond);

} // namespace
