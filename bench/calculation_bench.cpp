// Times the calculation a designer triggers with the compute button, and the
// whole-form exchange on its own.

#include "calc/cooling_load.h"
#include "sheet/design_dlg.h"
#include "window/design_form.h"
#include "window/startup.h"

#include <benchmark/benchmark.h>

namespace {

using gelvant::CDesignDlg;

class NullPresenter final : public gelvant::MessagePresenter {
public:
    void showMessage(const gelvant::Message& /*message*/) override {}
};

void openForm(CDesignDlg& dlg) { gelvant::OnInitDialog(dlg); }

void BM_ComputeCoolingLoad(benchmark::State& state) {
    NullPresenter presenter;
    CDesignDlg dlg(gelvant::designFormLayout(), presenter);
    openForm(dlg);
    for (auto _ : state) {
        gelvant::ComputeCoolingLoad(dlg);
        benchmark::DoNotOptimize(dlg.sheet().totalCoolingLoadW);
    }
}
BENCHMARK(BM_ComputeCoolingLoad);

void BM_SheetRead(benchmark::State& state) {
    NullPresenter presenter;
    CDesignDlg dlg(gelvant::designFormLayout(), presenter);
    openForm(dlg);
    for (auto _ : state) {
        benchmark::DoNotOptimize(dlg.readSheet());
    }
}
BENCHMARK(BM_SheetRead);

void BM_SheetWrite(benchmark::State& state) {
    NullPresenter presenter;
    CDesignDlg dlg(gelvant::designFormLayout(), presenter);
    openForm(dlg);
    bool flip = false;
    for (auto _ : state) {
        // Alternate the record so every box's text really changes.
        dlg.sheet().storeLength = flip ? 6.0F : 6.5F;
        dlg.sheet().totalCoolingLoadW = flip ? 11194.0F : 11195.5F;
        flip = !flip;
        dlg.writeSheet();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_SheetWrite);

} // namespace
