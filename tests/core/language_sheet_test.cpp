// What the core puts together from words and figures, in English without a
// CJK character: the notes the rules write, the messages, the refusals and
// questions, and every text of calculation sheets of many rooms.

#include "core/report_forms.h"
#include "document/design_file_error.h"
#include "document/design_file_io.h"
#include "document/gathered_messages.h"
#include "language/language.h"
#include "library/library.h"
#include "library/library_file.h"
#include "plant/plant_settings.h"
#include "report/report_export.h"
#include "report/report_language.h"
#include "session/view_texts.h"

#include <gtest/gtest.h>

#include <set>

using namespace gelvant;
using namespace gelvant::testing_report;

namespace {

using Texts = std::vector<std::string>;

// The texts with a CJK character left in their English.
struct Untranslated {
    std::set<std::string> texts;
    void check(const std::string& text) {
        if (hasCjk(shownText(Language::English, text))) {
            texts.insert(text);
        }
    }
};

// Every room a designer gets from the catalogue, computed, with what its
// rules wrote and said; a form never computed; one whose figures are not
// finite; the start-up form; the examples' rooms.
std::vector<Room> manyRooms(Untranslated& out) {
    std::vector<Room> rooms;
    const auto keep = [&](const std::shared_ptr<const FormState>& form, bool stale = false) {
        for (const std::string& text : form->staticTexts) {
            out.check(text);
        }
        Room room = testing_report::room("Room " + std::to_string(rooms.size() + 1), form,
                                         rooms.size() % 2 == 0 ? CoolingEquipment::AirCooler
                                                               : CoolingEquipment::Coil);
        if (stale) {
            room.computedInputs = 1;
        }
        rooms.push_back(std::move(room));
    };
    for (int row = 0; row < 30; ++row) {
        RecordingPresenter said;
        CDesignDlg dlg(designFormListsAndEvents(), said);
        dlg.restoreState(*startupForm());
        dlg.userChooses(ctl::referenceList, row);
        dlg.userClicks(ctl::applyReferenceButton);
        dlg.userClicks(ctl::computeButton);
        for (const Message& message : said.messages) {
            out.check(message.caption);
            out.check(message.text);
        }
        keep(std::make_shared<const FormState>(dlg.captureState()), row == 3);
    }
    keep(blankForm());
    keep(computedWith("insulationThicknessMm", "0"));
    keep(computedWith("coolingHours", "0"));
    keep(startupForm());
    for (const char* name : {"distribution-cold-store", "freezing-room", "frozen-store"}) {
        const DesignReadResult read =
            openDesignFile(std::string(GELVANT_SOURCE_DIR) + "/examples/" + name + ".gelvant");
        for (const Room& room : read.design->project.rooms) {
            keep(room.form);
        }
    }
    return rooms;
}

TEST(LanguageSheet, EveryTextOfManySheetsReadsInEnglish) {
    Untranslated out;
    Project project;
    project.info = {"Harbour store", "Cold Co", "A. Designer", "", "", "", "2024-05-01", "none"};
    project.rooms = manyRooms(out);
    project.rooms[1].use = RoomUse::Anteroom;
    project.library = emptyLibrary();
    // Each unit the loads can be shown in, the systems in turn.
    for (const LoadUnitDef& unit : kLoadUnits) {
        project.loadUnit = unit.unit;
        project.plant.system = project.plant.system == CoolingSystem::Direct
                                   ? CoolingSystem::Indirect
                                   : CoolingSystem::Direct;
        for (const ReportScope scope : {ReportScope::WholeProject, ReportScope::CurrentRoom}) {
            Report report = buildReport(project, scope, "", "2024-05-02");
            translateReport(report, Language::English);
            visitProgramTexts(report, [&](std::string& text) { out.check(text); });
            for (const std::string_view word : report.words.loadColumns) {
                out.check(std::string(word));
            }
            if (report.summary) {
                for (const SummaryColumn& column : report.summary->table.roomColumns) {
                    out.check(columnHeader(column));
                }
            }
            if (report.machineLoad) {
                for (const SummaryColumn& column : report.machineLoad->groupColumns) {
                    out.check(columnHeader(column));
                }
            }
        }
    }
    EXPECT_EQ(out.texts, std::set<std::string>{});
}

// A project whose texts are all the program's: its English sheet's heading,
// CSV and copied load table hold no Chinese at all, in every unit.
TEST(LanguageSheet, TheCsvAndTheCopiedTableOfAProgramsProjectHoldNoChinese) {
    Project project;
    project.info = {"Harbour store", "Cold Co", "A. Designer", "", "", "", "2024-05-01", "none"};
    for (const char* name : {"库房1", "库房2"}) {
        Room room;
        room.name = name;
        room.form = startupForm();
        project.rooms.push_back(room);
    }
    project.library = emptyLibrary();
    for (const LoadUnitDef& unit : kLoadUnits) {
        project.loadUnit = unit.unit;
        for (const ReportScope scope : {ReportScope::WholeProject, ReportScope::CurrentRoom}) {
            Report report = buildReport(project, scope, "", "2024-05-02");
            translateReport(report, Language::English);
            std::string texts = reportCsv(report) + loadTableTsv(report.rooms[0], report.words);
            for (const ReportField& field : report.heading) {
                texts += field.value; // the room line's 库房1 too
            }
            EXPECT_FALSE(hasCjk(texts)) << texts;
        }
    }
}

TEST(LanguageSheet, MessagesRefusalsAndQuestionsReadInEnglish) {
    Untranslated out;
    Room room = testing_report::room("Cold A", startupForm());
    Texts texts{
        view_text::deleteRoomQuestion("Cold A"),
        view_text::reportScopeQuestion(3, "Cold A"),
        view_text::cannotWriteFile("/tmp/a.pdf", "Permission denied"),
        unrestoredListsText({"地区", "食品"}),
        goodsLoadFactorRangeMessage(),
        systemChoiceText(CoolingSystem::Indirect),
        useChoiceText(RoomUse::Auto, room),
        useChoiceText(RoomUse::Frozen, room),
        automaticGoodsLoadFactorText(room),
        gatheredMessagesText({{"Cold A", {{"注意", "冷风机有功率但台数为0"}}}}),
    };
    for (const CoefficientDef& def : kPlantCoefficients) {
        texts.push_back(outOfRangeMessage(def.which));
        texts.push_back(coefficientPrompt(def));
    }
    for (const std::string_view bytes : {"", "{", "[1]", R"({"format":"gelvant","version":99})"}) {
        if (const DesignReadResult read = readDesignText(bytes); read.error) {
            texts.push_back(describeInChinese(*read.error));
        }
        if (const LibraryReadResult read = readLibraryText(bytes); read.error) {
            texts.push_back(describeInChinese(*read.error));
        }
    }
    const LibraryKeyDef* temp = libraryKey(LibraryKind::Site, "ambientTemp");
    const LibraryKeyDef* pressure = libraryKey(LibraryKind::Site, "summerPressurePa");
    const auto problem = [](LibraryProblemKind what, LibraryKind kind, const char* name,
                            const LibraryKeyDef* key, const char* text) {
        return LibraryProblem{what, kind, name, key, text};
    };
    using P = LibraryProblemKind;
    const LibraryKind site = LibraryKind::Site;
    for (const LibraryProblem& p : std::vector<LibraryProblem>{
             problem(P::UnknownKind, site, "", nullptr, "x"),
             problem(P::NoName, LibraryKind::Product, "", nullptr, ""),
             problem(P::NameNotOneWord, site, "a b", nullptr, ""),
             problem(P::NameTooLong, site, "abc", nullptr, ""),
             problem(P::NameTaken, LibraryKind::Insulation, "Cork", nullptr, ""),
             problem(P::UnknownKey, LibraryKind::Goods, "", nullptr, "x"),
             problem(P::RepeatedKey, site, "", temp, ""),
             problem(P::MissingKey, site, "", temp, ""), problem(P::NotNumber, site, "", temp, "x"),
             problem(P::OutOfRange, site, "", temp, ""),
             problem(P::OutOfRange, site, "", pressure, ""),
             problem(P::NoSuchEntry, site, "Mine", nullptr, "")}) {
        texts.push_back(describeInChinese(p));
    }
    for (const std::errc error :
         {std::errc::permission_denied, std::errc::no_space_on_device, std::errc::io_error}) {
        texts.push_back(describeSaveFailureInChinese(std::make_error_code(error)));
    }
    for (const std::string& text : texts) {
        out.check(text);
    }
    EXPECT_EQ(out.texts, std::set<std::string>{});
}

} // namespace
