// Times gathering the calculation sheet from the form: one room (the form
// the program opens on), a project of six rooms with its summary, and the
// CSV of one room.

#include "project/startup_form.h"
#include "report/report_export.h"
#include "report/report_model.h"

#include <benchmark/benchmark.h>

namespace {

using namespace gelvant;

void BM_ReportOneRoom(benchmark::State& state) {
    const Project project = singleRoomProject(startupForm());
    for (auto _ : state) {
        Report report =
            buildReport(project, ReportScope::WholeProject, "cold.gelvant", "2026-01-01");
        benchmark::DoNotOptimize(report.rooms.front().load.total.share);
    }
}
BENCHMARK(BM_ReportOneRoom)->Unit(benchmark::kMicrosecond);

void BM_ReportSixRooms(benchmark::State& state) {
    Project project = singleRoomProject(startupForm());
    for (int i = 0; i < 5; ++i) {
        project.rooms.push_back(project.rooms.front());
    }
    for (auto _ : state) {
        Report report =
            buildReport(project, ReportScope::WholeProject, "cold.gelvant", "2026-01-01");
        benchmark::DoNotOptimize(report.summary->table.total);
    }
}
BENCHMARK(BM_ReportSixRooms)->Unit(benchmark::kMicrosecond);

void BM_ReportCsvOneRoom(benchmark::State& state) {
    const Report report = buildReport(singleRoomProject(startupForm()), ReportScope::WholeProject,
                                      "cold.gelvant", "2026-01-01");
    for (auto _ : state) {
        std::string csv = reportCsv(report);
        benchmark::DoNotOptimize(csv.data());
    }
}
BENCHMARK(BM_ReportCsvOneRoom)->Unit(benchmark::kMicrosecond);

} // namespace
