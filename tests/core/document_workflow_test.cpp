// The design-file workflow as every view drives it: what it asks before
// unsaved changes are lost, what each answer does, and the recovery offer.

#include "form/controls.h"
#include "session/document_workflow.h"

#include <gtest/gtest.h>

#include <string>

namespace gelvant {
namespace {

using Kind = WorkflowStep::Kind;

struct Workflow {
    RecordingPresenter presenter;
    DesignSession session{presenter};
    DocumentWorkflow workflow{session};

    Workflow() {
        session.newDesign();
        workflow.saveToBytes("冷库.gelvant");
    }
    void change() { session.type(*fieldIndexByName("storeLength"), "45"); }
    std::string storeLength() const {
        return std::string(session.form().editText(*fieldIndexByName("storeLength")));
    }
    DesignReadResult anotherDesign() const {
        RecordingPresenter quiet;
        DesignSession other(quiet);
        other.newDesign();
        other.type(*fieldIndexByName("storeLength"), "60");
        return readDesignText(other.designBytes("别处.gelvant"));
    }
};

// Each answer to the unsaved-changes question, for each request that asks it.
TEST(DocumentWorkflow, UnsavedChangesAreAskedAboutAndEachAnswerDoesWhatItSays) {
    const struct {
        Answer answer;
        bool savedFirst;
        bool carriedOut;
    } answers[] = {
        {Answer::Cancel, false, false},
        {Answer::Discard, false, true},
        {Answer::Save, true, true},
    };
    for (const bool opening : {false, true}) {
        for (const auto& a : answers) {
            SCOPED_TRACE(testing::Message()
                         << "open " << opening << ", answer " << static_cast<int>(a.answer));
            Workflow w;
            w.change();
            WorkflowStep step = opening ? w.workflow.open("/x/别处.gelvant", w.anotherDesign())
                                        : w.workflow.newDesign();
            ASSERT_EQ(step.kind, Kind::Ask);
            EXPECT_EQ(step.question.text, "设计“冷库.gelvant”已修改。\n要保存修改吗？");
            ASSERT_EQ(step.question.buttons.size(), 3U);
            step = w.workflow.answer(a.answer);
            if (a.savedFirst) {
                ASSERT_EQ(step.kind, Kind::SaveFirst);
                step = w.workflow.saved(true);
            }
            ASSERT_EQ(step.kind, Kind::Done);
            EXPECT_EQ(step.carriedOut, a.carriedOut);
            const std::string expected = !a.carriedOut ? "45" : opening ? "60" : "50";
            EXPECT_EQ(w.storeLength(), expected);
            EXPECT_EQ(w.workflow.file(), !a.carriedOut ? "冷库.gelvant"
                                         : opening     ? "/x/别处.gelvant"
                                                       : "");
        }
    }
}

TEST(DocumentWorkflow, ASaveThatFailsLeavesTheDesignAsItWas) {
    Workflow w;
    w.change();
    ASSERT_EQ(w.workflow.newDesign().kind, Kind::Ask);
    ASSERT_EQ(w.workflow.answer(Answer::Save).kind, Kind::SaveFirst);
    const WorkflowStep step = w.workflow.saved(false);
    EXPECT_EQ(step.kind, Kind::Done);
    EXPECT_FALSE(step.carriedOut);
    EXPECT_EQ(w.storeLength(), "45");
}

TEST(DocumentWorkflow, AFileThatCannotBeReadIsRefusedWithoutAQuestion) {
    Workflow w;
    w.change();
    const WorkflowStep step = w.workflow.open("/x/坏.gelvant", readDesignText("{"));
    ASSERT_EQ(step.kind, Kind::Refused);
    EXPECT_EQ(step.refusal.text.rfind("无法打开“坏.gelvant”：\n", 0), 0U) << step.refusal.text;
    EXPECT_EQ(w.storeLength(), "45");
}

TEST(DocumentWorkflow, ARecoveryCopyIsOfferedUnderItsFileAndRestoredUnsaved) {
    Workflow w;
    WorkflowStep step = w.workflow.offerRecovery(w.anotherDesign(), "2026-12-07 23:40");
    ASSERT_EQ(step.kind, Kind::Ask);
    EXPECT_EQ(step.question.text, "Gelvant 上次没有正常关闭。设计“别处.gelvant”有未保存的修改"
                                  "（2026-12-07 23:40 自动保存）。\n要恢复这些修改吗？");
    step = w.workflow.answer(Answer::Restore);
    EXPECT_TRUE(step.carriedOut);
    EXPECT_EQ(w.storeLength(), "60");
    EXPECT_TRUE(w.session.isModified());
    EXPECT_EQ(w.workflow.file(), "别处.gelvant");

    const WorkflowStep damaged = w.workflow.offerRecovery(readDesignText(""), "2026-12-07 23:41");
    ASSERT_EQ(damaged.kind, Kind::Refused);
    EXPECT_EQ(damaged.refusal.text.rfind("上次未保存的设计无法恢复：\n", 0), 0U);
}

TEST(DocumentWorkflow, TheTitleAndTheSuggestedNameFollowTheFileAndTheProject) {
    Workflow w;
    EXPECT_EQ(w.workflow.title(), "冷库.gelvant - Gelvant");
    w.change();
    EXPECT_EQ(w.workflow.title(), "冷库.gelvant* - Gelvant");
    EXPECT_EQ(w.workflow.suggestedFileName(), "无标题.gelvant");
    ProjectInfo info = w.session.project().info;
    info.name = "冷库一期/二号";
    w.session.setProjectInfo(info);
    EXPECT_EQ(w.workflow.suggestedFileName(), "冷库一期-二号.gelvant");
    EXPECT_EQ(DocumentWorkflow::withDesignExtension("/x/a"), "/x/a.gelvant");
    EXPECT_EQ(DocumentWorkflow::withDesignExtension("/x/a.json"), "/x/a.json");
}

} // namespace
} // namespace gelvant
