// Any bytes as a design file. Reading must never crash; it either refuses
// the file with a reason and leaves the open design exactly as it was, or
// gives a design that saves to a text which reads back to the same design.

#include "document/design_document.h"
#include "document/design_file.h"
#include "form_tables/design_form.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "design_file_fuzz: %s\n", what);
    std::abort();
}

bool sameProject(const gelvant::Project& a, const gelvant::Project& b) {
    if (a.info != b.info || a.plant != b.plant || a.loadUnit != b.loadUnit ||
        a.current != b.current || a.rooms.size() != b.rooms.size() ||
        !a.library->sameAs(*b.library)) {
        return false;
    }
    for (std::size_t i = 0; i < a.rooms.size(); ++i) {
        if (a.rooms[i].name != b.rooms[i].name || a.rooms[i].equipment != b.rooms[i].equipment ||
            a.rooms[i].use != b.rooms[i].use ||
            a.rooms[i].goodsLoadFactor != b.rooms[i].goodsLoadFactor ||
            !a.rooms[i].form->sameForm(*b.rooms[i].form)) {
            return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace gelvant;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    static RecordingPresenter presenter;
    static CDesignDlg form(designFormListsAndEvents(), presenter);
    static DesignDocument document(form);
    const FormState before = form.captureState();

    DesignReadResult read = readDesignText(bytes);
    if (read.error) {
        if (read.design || describeInEnglish(*read.error).empty() ||
            describeInChinese(*read.error).empty()) {
            fail("a refusal without its reason");
        }
        if (!form.captureState().sameForm(before)) {
            fail("a refused file changed the form");
        }
        return 0;
    }
    document.replaceProject(read.design->project);
    const std::string saved = designFileText(document.project());
    const DesignReadResult again = readDesignText(saved);
    if (!again.design || !sameProject(again.design->project, document.project()) ||
        !again.design->unrestoredLists.empty()) {
        fail("an opened design does not read back from its own save");
    }
    if (designFileText(again.design->project) != saved) {
        fail("saving a reopened design gives another text");
    }
    return 0;
}
