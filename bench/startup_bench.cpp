// Times opening the form: construction and the whole start-up sequence, with
// row 27 applied and computed twice, as the designer waits for it.

#include "form/design_dlg.h"
#include "form_tables/design_form.h"
#include "form_tables/startup.h"

#include <benchmark/benchmark.h>

namespace {

class NullPresenter final : public gelvant::MessagePresenter {
public:
    void showMessage(const gelvant::Message& /*message*/) override {}
};

void BM_OpenForm(benchmark::State& state) {
    NullPresenter presenter;
    for (auto _ : state) {
        gelvant::CDesignDlg dlg(gelvant::designFormListsAndEvents(), presenter);
        benchmark::DoNotOptimize(gelvant::OnInitDialog(dlg));
        benchmark::DoNotOptimize(dlg.sheet().totalCoolingLoadW);
    }
}
BENCHMARK(BM_OpenForm)->Unit(benchmark::kMicrosecond);

} // namespace
