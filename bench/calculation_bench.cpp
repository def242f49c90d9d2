// Times the calculation a designer triggers with the compute button, and the
// whole-form exchange on its own.

#include "calc/cooling_load.h"
#include "form/design_dlg.h"
#include "form/field_dictionary.h"
#include "form_tables/design_form.h"
#include "form_tables/startup.h"

#include <benchmark/benchmark.h>

namespace {

using gelvant::CDesignDlg;

class NullPresenter final : public gelvant::MessagePresenter {
public:
    void showMessage(const gelvant::Message& /*message*/) override {}
};

void openForm(CDesignDlg& dlg) {
    gelvant::OnInitDialog(dlg);
}

void BM_ComputeCoolingLoad(benchmark::State& state) {
    NullPresenter presenter;
    CDesignDlg dlg(gelvant::designFormListsAndEvents(), presenter);
    openForm(dlg);
    for (auto _ : state) {
        gelvant::ComputeCoolingLoad(dlg);
        benchmark::DoNotOptimize(dlg.sheet().totalCoolingLoadW);
    }
}
BENCHMARK(BM_ComputeCoolingLoad);

void BM_SheetRead(benchmark::State& state) {
    NullPresenter presenter;
    CDesignDlg dlg(gelvant::designFormListsAndEvents(), presenter);
    openForm(dlg);
    for (auto _ : state) {
        benchmark::DoNotOptimize(dlg.readSheet());
    }
}
BENCHMARK(BM_SheetRead);

// Every box gets a new value each time: the whole record is formatted.
void BM_SheetWrite(benchmark::State& state) {
    NullPresenter presenter;
    CDesignDlg dlg(gelvant::designFormListsAndEvents(), presenter);
    openForm(dlg);
    float step = 1.0F;
    for (auto _ : state) {
        step = -step;
        for (const gelvant::FieldDef& def : gelvant::kFields) {
            if (def.floatMember != nullptr) {
                dlg.sheet().*def.floatMember += step;
            } else {
                dlg.sheet().*def.intMember += static_cast<int>(step);
            }
        }
        dlg.writeSheet();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_SheetWrite);

// A write after a handler that changed nothing: no box needs new text.
void BM_SheetWriteUnchanged(benchmark::State& state) {
    NullPresenter presenter;
    CDesignDlg dlg(gelvant::designFormListsAndEvents(), presenter);
    openForm(dlg);
    for (auto _ : state) {
        dlg.writeSheet();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_SheetWriteUnchanged);

} // namespace
