// The designer's own data: an entry that copies a built-in row gives the
// same form as the row, whatever follows; entries that break a rule, and
// library files that cannot be read, change nothing; designs carry their
// entries; adding and removing are undo steps.

#include "form/controls.h"
#include "form/portable.h"
#include "form_tables/design_form.h"
#include "library/library_file.h"
#include "session/design_session.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace gelvant {
namespace {

std::size_t field(std::string_view name) {
    return *fieldIndexByName(name);
}

std::size_t listSlot(int listCtl) {
    const auto lists = designFormLists();
    for (std::size_t i = 0; i < lists.size(); ++i) {
        if (lists[i].controlId == listCtl) {
            return i;
        }
    }
    return lists.size();
}

struct Session {
    RecordingPresenter presenter;
    DesignSession session{presenter};
};

// The values the entry's keys take, as numbers: the record's after the pick.
std::vector<double> keyValues(const DesignSheet& sheet, LibraryKind kind) {
    std::vector<double> values;
    for (const LibraryKeyDef& key : libraryKindDef(kind).keys) {
        const FieldDef& def = keyField(key);
        values.push_back(def.type == FieldType::Float ? static_cast<double>(sheet.*def.floatMember)
                                                      : sheet.*def.intMember);
    }
    return values;
}

// Every box, record value, static text, visibility and list alike, except
// the one list, which shows the entry.
void expectSameFormButTheList(const CDesignDlg& builtIn, const CDesignDlg& own, int listCtl,
                              int entryItem, std::string_view name) {
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        EXPECT_EQ(own.editText(i), builtIn.editText(i)) << kFields[i].name;
    }
    for (const StaticTextDef& text : kStaticTexts) {
        EXPECT_EQ(own.staticText(text.controlId), builtIn.staticText(text.controlId)) << text.name;
    }
    FormState expected = builtIn.captureState();
    const FormState shown = own.captureState();
    const std::size_t slot = listSlot(listCtl);
    EXPECT_EQ(shown.lists.at(slot), (ListChoice{entryItem, std::string(name)}));
    expected.lists.at(slot) = shown.lists.at(slot);
    EXPECT_TRUE(shown.sameForm(expected));
}

// For each kind, an entry that copies a built-in row.
TEST(LibraryEntry, CopyingABuiltInRowGivesTheRowsFormThroughRulesAndCompute) {
    for (const auto& [kind, row] : {std::pair{LibraryKind::Site, 2},
                                    {LibraryKind::Product, 0},
                                    {LibraryKind::Insulation, 1},
                                    {LibraryKind::Goods, 0}}) {
        SCOPED_TRACE(libraryKindDef(kind).key);
        const int listCtl = libraryListControl(kind);
        Session builtIn;
        Session own;
        builtIn.session.start();
        own.session.start();
        ASSERT_TRUE(builtIn.session.choose(listCtl, row));
        const auto values = keyValues(builtIn.session.form().sheet(), kind);
        // The row as a start for an entry of one's own holds the values the pick gave.
        const auto start = builtInEntry(kind, static_cast<std::size_t>(row));
        ASSERT_TRUE(start);
        EXPECT_EQ(keyValues(start->values, kind), values);
        ASSERT_FALSE(own.session.addLibraryEntry(kind, "自定义", values));
        const auto entryItem = static_cast<int>(own.session.form().builtInItemCount(listCtl));
        ASSERT_TRUE(own.session.choose(listCtl, entryItem));
        expectSameFormButTheList(builtIn.session.form(), own.session.form(), listCtl, entryItem,
                                 "自定义");

        // Typing into boxes the entry's rules read, then the compute button.
        for (const auto& [box, text] : {std::pair{"intakeTemp", "25"},
                                        {"insulationThicknessMm", "150"},
                                        {"storeLength", "9"},
                                        {"", ""}}) {
            SCOPED_TRACE(box);
            for (DesignSession* s : {&builtIn.session, &own.session}) {
                if (*box == '\0') {
                    s->click(ctl::computeButton);
                } else {
                    s->type(field(box), text);
                }
            }
            expectSameFormButTheList(builtIn.session.form(), own.session.form(), listCtl, entryItem,
                                     "自定义");
        }
        EXPECT_EQ(own.presenter.messages, builtIn.presenter.messages);
    }
}

// --- Rules of an entry --------------------------------------------------------------------------

// Each kind's keys with the values of its first built-in row.
std::vector<KeyText> typicalValues(LibraryKind kind) {
    const LibraryEntry row = *builtInEntry(kind, 0);
    std::vector<KeyText> values;
    for (const LibraryKeyDef& key : libraryKindDef(kind).keys) {
        values.push_back({std::string(key.field), entryValueText(row, key)});
    }
    return values;
}

std::vector<KeyText> with(std::vector<KeyText> values, const std::string& key,
                          const std::string& text) {
    for (KeyText& value : values) {
        if (value.key == key) {
            value.text = text;
        }
    }
    return values;
}

TEST(LibraryEntry, EveryKeyTakesItsRangeEdgesAndNothingBeyond) {
    const Library none;
    for (const LibraryKind kind : kLibraryKinds) {
        for (const LibraryKeyDef& key : libraryKindDef(kind).keys) {
            SCOPED_TRACE(key.field);
            const bool whole = takesWholeNumbers(key);
            const auto made = [&](double value) {
                return makeEntry(
                    none, kind, "甲",
                    with(typicalValues(kind), std::string(key.field), shortestText(value)));
            };
            for (const double inside : {key.low, key.high}) {
                const auto entry = made(inside);
                ASSERT_TRUE(std::holds_alternative<LibraryEntry>(entry)) << inside;
                EXPECT_EQ(entryValue(std::get<LibraryEntry>(entry), key), inside);
            }
            const double step = whole ? 1 : 0.001;
            std::vector<double> outside{key.low - step, key.high + step};
            if (whole) {
                outside.push_back(key.low + 0.5);
            }
            for (const double value : outside) {
                const auto entry = made(value);
                ASSERT_TRUE(std::holds_alternative<LibraryProblem>(entry)) << value;
                EXPECT_EQ(std::get<LibraryProblem>(entry).what, LibraryProblemKind::OutOfRange);
                EXPECT_EQ(std::get<LibraryProblem>(entry).key, &key);
            }
        }
    }
}

TEST(LibraryEntry, BadInputIsRefusedWithItsReasonAndChangesNothing) {
    const std::string forty(40, 'x');
    const auto site = typicalValues(LibraryKind::Site);
    auto missing = site;
    missing.pop_back();
    auto repeated = site;
    repeated.push_back({"ambientTemp", "31"});
    auto unknown = site;
    unknown.push_back({"ambientTemperature", "31"});
    using P = LibraryProblemKind;
    const struct {
        std::string name;
        std::vector<KeyText> values;
        LibraryProblemKind problem;
        const char* chinese; // the message, where the case pins it
    } cases[] = {
        {"某县", with(site, "ambientTemp", "60.5"), P::OutOfRange,
         "环境平均温度℃ 应在 -60～60 之间。"},
        {"某县", with(site, "ambientHumidity", "80.5"), P::OutOfRange,
         "环境湿度(%) 应为 0～100 之间的整数。"},
        {"某县", with(site, "ambientTemp", "3O"), P::NotNumber, nullptr},
        {"某县", with(site, "ambientTemp", ""), P::NotNumber, nullptr},
        {"某县", with(site, "ambientTemp", "nan"), P::NotNumber, nullptr},
        {"某县", with(site, "ambientTemp", "inf"), P::NotNumber, nullptr},
        {"某县", missing, P::MissingKey, "请填写 夏季大气压Pa。"},
        {"某县", repeated, P::RepeatedKey, nullptr},
        {"某县", unknown, P::UnknownKey, nullptr},
        {"北京", site, P::NameTaken, "地区气候列表中已有“北京”，请另取一个名称。"},
        {"", site, P::NoName, nullptr},
        {"某 县", site, P::NameNotOneWord, nullptr},
        {"某\xE3\x80\x80县", site, P::NameNotOneWord, nullptr}, // the full-width space
        {"某\t县", site, P::NameNotOneWord, nullptr},
        {"\xFF", site, P::NameNotOneWord, nullptr},
        {forty + "x", site, P::NameTooLong, nullptr},
        {"县" + forty.substr(1) + "县", site, P::NameTooLong, nullptr}, // characters, not bytes
    };
    Session s;
    s.session.start();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto problem = s.session.addLibraryEntry(LibraryKind::Site, c.name, c.values);
        ASSERT_TRUE(problem);
        EXPECT_EQ(problem->what, c.problem);
        EXPECT_FALSE(describeInEnglish(*problem).empty());
        if (c.chinese != nullptr) {
            EXPECT_EQ(describeInChinese(*problem), c.chinese);
        }
        EXPECT_TRUE(s.session.library().empty());
        EXPECT_FALSE(s.session.canUndo());
        EXPECT_EQ(s.session.form().itemCount(ctl::siteChoice), 70U);
    }
    // Forty characters are a name; a second entry of that name is not.
    const std::string fortyCharacters = "县" + forty.substr(1);
    ASSERT_FALSE(s.session.addLibraryEntry(LibraryKind::Site, fortyCharacters, site));
    const auto again = s.session.addLibraryEntry(LibraryKind::Site, fortyCharacters, site);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->what, P::NameTaken);
    // A name is unique in its own list only.
    EXPECT_FALSE(s.session.addLibraryEntry(LibraryKind::Goods, fortyCharacters,
                                           typicalValues(LibraryKind::Goods)));
    // The product item without a row gives no start for an entry.
    EXPECT_FALSE(builtInEntry(LibraryKind::Product, 53));
}

// --- The library file
// ------------------------------------------------------------------------------

TEST(LibraryFile, RefusesBadFilesWholeAndImportsGoodOnesOnce) {
    const std::string head = R"({"format":"gelvant-library","version":1,)";
    const std::string good =
        R"({"name":"某县","ambientTemp":31.5,"ambientHumidity":80,"summerAirConditioningTemp":34.1,"summerPressurePa":99500})";
    using P = LibraryFileProblem;
    using E = LibraryProblemKind;
    const struct {
        std::string bytes;
        LibraryFileProblem problem;
        std::optional<LibraryProblemKind> entry;
        const char* where = "";
    } cases[] = {
        {"", P::Empty, {}},
        {"{\"format\":", P::NotJson, {}},
        {"[1]", P::NotLibrary, {}},
        {R"({"format":"gelvant-design","version":1})", P::NotLibrary, {}},
        {R"({"format":"gelvant-library"})", P::NotLibrary, {}},
        {R"({"format":"gelvant-library","version":2})", P::NewerVersion, {}},
        {head + R"("site":{}})", P::WrongType, {}},
        {head + R"("site":[3]})", P::WrongType, {}},
        {head + R"("site":[{"name":7}]})", P::WrongType, {}},
        {head + R"("site":[)" + good +
             R"(,{"name":"乙县","ambientTemp":31.5,"ambientHumidity":101,"summerAirConditioningTemp":34.1,"summerPressurePa":99500}]})",
         P::BadEntry, E::OutOfRange, "site[1]"},
        {head + R"("site":[)" + good + "," + good + "]}", P::BadEntry, E::NameTaken, "site[1]"},
        {head + R"("goods":[{"name":"机制冰","goodsDensity":700}]})", P::BadEntry, E::NameTaken,
         "goods[0]"},
        {head + R"("goods":[{"name":"冰","goodsDensity":"700"}]})", P::BadEntry, E::NotNumber,
         "goods[0]"},
        {head + R"("goods":[{"name":"冰","goodsDensity":700,"density":1}]})", P::BadEntry,
         E::UnknownKey, "goods[0]"},
        {head + R"("goods":[{"name":"冰"}]})", P::BadEntry, E::MissingKey, "goods[0]"},
        {head + R"("goods":[{"goodsDensity":700}]})", P::BadEntry, E::NoName, "goods[0]"},
        {std::string(kMaxLibraryFileBytes + 1, ' '), P::TooLarge, {}},
    };
    Session s;
    s.session.start();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes.substr(0, 200));
        const auto error = s.session.importLibrary(c.bytes);
        ASSERT_TRUE(error);
        EXPECT_EQ(error->problem, c.problem) << describeInEnglish(*error);
        EXPECT_EQ(error->entry ? std::optional(error->entry->what) : std::nullopt, c.entry);
        if (c.entry) {
            EXPECT_EQ(error->detail, c.where);
        }
        EXPECT_FALSE(describeInChinese(*error).empty());
        EXPECT_TRUE(s.session.library().empty());
        EXPECT_FALSE(s.session.canUndo());
    }

    // A good file is one step; the same file again adds nothing.
    ASSERT_FALSE(s.session.importLibrary(head + R"("site":[)" + good + "]}"));
    EXPECT_EQ(s.session.history().position(), 1U);
    ASSERT_FALSE(s.session.importLibrary(head + R"("site":[)" + good + "]}"));
    EXPECT_EQ(s.session.history().position(), 1U);
    // One whose entry differs under the same name changes nothing.
    const auto clash = s.session.importLibrary(
        head +
        R"("site":[{"name":"某县","ambientTemp":20,"ambientHumidity":80,"summerAirConditioningTemp":34.1,"summerPressurePa":99500}]})");
    ASSERT_TRUE(clash);
    EXPECT_EQ(clash->entry->what, E::NameTaken);
    EXPECT_EQ(s.session.history().position(), 1U);

    // What is exported imports into another design as it was.
    Session other;
    ASSERT_FALSE(other.session.importLibrary(s.session.exportLibrary()));
    EXPECT_TRUE(other.session.library().sameAs(s.session.library()));
    EXPECT_EQ(entryValueText(other.session.library().of(LibraryKind::Site).at(0),
                             *libraryKey(LibraryKind::Site, "summerAirConditioningTemp")),
              "34.1");
}

// --- The personal library follows the design --------------------------------------------------

Library goodsLibrary(std::initializer_list<std::pair<const char*, double>> entries) {
    Library library;
    for (const auto& [name, density] : entries) {
        const double values[] = {density};
        library.of(LibraryKind::Goods)
            .push_back(
                std::get<LibraryEntry>(makeEntry(library, LibraryKind::Goods, name, values)));
    }
    return library;
}

TEST(PersonalLibrary, FollowsTheEntriesMadeChangedRemovedAndImportedIntoTheDesign) {
    const Library personal = goodsLibrary({{"甲", 500}, {"乙", 600}});
    const Library design = goodsLibrary({{"甲", 510}, {"丙", 700}, {"丁", 800}});
    const struct {
        const char* before;
        const char* name;
        Library expected;
    } cases[] = {
        {"甲", "甲", goodsLibrary({{"甲", 510}, {"乙", 600}})}, // changed
        {"乙", "丙", goodsLibrary({{"甲", 500}, {"丙", 700}})}, // renamed, in its place
        {"丁", "丁", goodsLibrary({{"甲", 500}, {"乙", 600}, {"丁", 800}})}, // made
        {"乙", "乙", goodsLibrary({{"甲", 500}})},                           // removed
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(personalFollowing(personal, design, LibraryKind::Goods, c.before, c.name)
                        .sameAs(c.expected))
            << c.before << " " << c.name;
    }
    // Imported: each entry the design took, in its place or after the others.
    const Library imported = goodsLibrary({{"丁", 800}, {"甲", 510}, {"戊", 900}});
    EXPECT_TRUE(personalFollowing(personal, design, imported)
                    .sameAs(goodsLibrary({{"甲", 510}, {"乙", 600}, {"丁", 800}})));
}

// --- Designs carry their entries -------------------------------------------------------------

std::vector<double> numbers(const std::vector<KeyText>& values) {
    std::vector<double> out;
    for (const KeyText& value : values) {
        out.push_back(std::stod(value.text));
    }
    return out;
}

TEST(LibraryInDesigns, OpenWithTheSameListsAndFiguresAndAreCompletedFromThePersonalLibrary) {
    Session made;
    DesignSession& a = made.session;
    a.start();
    for (const LibraryKind kind : kLibraryKinds) {
        ASSERT_FALSE(a.addLibraryEntry(kind, "自有", typicalValues(kind)));
        ASSERT_TRUE(a.choose(libraryListControl(kind), static_cast<int>(a.form().builtInItemCount(
                                                           libraryListControl(kind)))));
    }
    a.addRoom();
    ASSERT_TRUE(a.choose(ctl::siteChoice, 70));
    a.computeAllRooms();
    const std::string bytes = a.saveToBytes();

    // A fresh session with no personal library: the same lists and forms.
    Session fresh;
    ASSERT_FALSE(fresh.session.openBytes(bytes));
    EXPECT_TRUE(fresh.presenter.messages.empty());
    EXPECT_TRUE(fresh.session.library().sameAs(a.library()));
    const Project& opened = fresh.session.project();
    ASSERT_EQ(opened.rooms.size(), 2U);
    for (std::size_t r = 0; r < 2; ++r) {
        EXPECT_TRUE(opened.rooms[r].form->sameForm(*a.project().rooms[r].form)) << r;
    }
    for (const LibraryKind kind : kLibraryKinds) {
        EXPECT_EQ(fresh.session.form().items(libraryListControl(kind)),
                  a.form().items(libraryListControl(kind)));
    }

    // With a personal library: its new entries follow the design's; one of the
    // design's names with other values keeps the design's values, told once.
    Library personal;
    personal.of(LibraryKind::Site)
        .push_back(std::get<LibraryEntry>(
            makeEntry({}, LibraryKind::Site, "自有",
                      with(typicalValues(LibraryKind::Site), "ambientTemp", "20"))));
    personal.of(LibraryKind::Site)
        .push_back(std::get<LibraryEntry>(
            makeEntry({}, LibraryKind::Site, "他县", typicalValues(LibraryKind::Site))));
    RecordingPresenter presenter;
    DesignSession withPersonal(presenter, personal);
    ASSERT_FALSE(withPersonal.openBytes(bytes));
    const auto& sites = withPersonal.library().of(LibraryKind::Site);
    ASSERT_EQ(sites.size(), 2U);
    EXPECT_EQ(sites[0].values.ambientTemp, a.library().of(LibraryKind::Site)[0].values.ambientTemp);
    EXPECT_EQ(sites[1].name, "他县");
    ASSERT_EQ(presenter.messages.size(), 1U);
    EXPECT_NE(presenter.messages[0].text.find("地区气候 自有"), std::string::npos);
    EXPECT_FALSE(withPersonal.isModified());
    EXPECT_TRUE(withPersonal.project().rooms[0].form->sameForm(*a.project().rooms[0].form));
    // A new design starts with the personal library.
    withPersonal.newDesign();
    EXPECT_TRUE(withPersonal.library().sameAs(personal));
    EXPECT_EQ(withPersonal.form().items(ctl::siteChoice).back(), "他县");
}

TEST(LibraryInDesigns, AddingAndRemovingAreStepsAndRoomsKeepTheirBoxes) {
    Session s;
    DesignSession& d = s.session;
    d.start();
    const auto site = numbers(typicalValues(LibraryKind::Site));
    std::vector<SessionChanges> told;
    d.listen([&](const SessionChanges& changes) { told.push_back(changes); });
    ASSERT_FALSE(d.addLibraryEntry(LibraryKind::Site, "甲县", site));
    ASSERT_EQ(told.size(), 1U); // a view fills the lists again
    EXPECT_TRUE(told[0].library && told[0].form && told[0].history && !told[0].rooms);
    ASSERT_FALSE(d.addLibraryEntry(LibraryKind::Site, "乙县", site));
    EXPECT_EQ(d.history().position(), 2U);
    ASSERT_TRUE(d.choose(ctl::siteChoice, 71)); // 乙县
    d.addRoom();
    ASSERT_TRUE(d.choose(ctl::siteChoice, 70)); // 甲县
    const std::string ambient(d.form().editText(field("ambientTemp")));
    const auto listOf = [&](std::size_t room) {
        return d.project().rooms.at(room).form->lists.at(listSlot(ctl::siteChoice));
    };

    ASSERT_FALSE(d.removeLibraryEntry(LibraryKind::Site, "甲县"));
    EXPECT_EQ(d.form().items(ctl::siteChoice).size(), 71U);
    EXPECT_EQ(listOf(1), ListChoice{});
    EXPECT_EQ(d.form().currentIndex(ctl::siteChoice), -1);
    EXPECT_EQ(d.form().editText(field("ambientTemp")), ambient);
    EXPECT_EQ(listOf(0), (ListChoice{70, "乙县"})); // moved up one place
    const auto removedForm = d.project().rooms[1].form;

    // Changed in its place: the room that chose it keeps it and its boxes.
    auto other = site;
    other[0] = 20;
    const auto clash = d.changeLibraryEntry(LibraryKind::Site, "乙县", "北京", other);
    ASSERT_TRUE(clash);
    EXPECT_EQ(clash->what, LibraryProblemKind::NameTaken);
    ASSERT_FALSE(d.changeLibraryEntry(LibraryKind::Site, "乙县", "丙县", other));
    EXPECT_EQ(listOf(0), (ListChoice{70, "丙县"}));
    EXPECT_EQ(d.library().of(LibraryKind::Site).at(0).values.ambientTemp, 20.0F);
    EXPECT_EQ(d.project().rooms[0].form->editTexts[field("ambientTemp")],
              typicalValues(LibraryKind::Site)[0].text);
    ASSERT_TRUE(d.undo());
    EXPECT_EQ(listOf(0), (ListChoice{70, "乙县"}));

    ASSERT_TRUE(d.undo());
    EXPECT_EQ(d.form().items(ctl::siteChoice).at(70), "甲县");
    EXPECT_EQ(listOf(1), (ListChoice{70, "甲县"}));
    EXPECT_EQ(listOf(0), (ListChoice{71, "乙县"}));
    EXPECT_EQ(d.form().currentText(ctl::siteChoice), "甲县");
    ASSERT_TRUE(d.redo());
    EXPECT_TRUE(d.project().rooms[1].form->sameForm(*removedForm));
    EXPECT_EQ(d.form().items(ctl::siteChoice).size(), 71U);

    // Undoing the adds takes the items away again, in every room.
    while (d.canUndo()) {
        d.undo();
    }
    EXPECT_TRUE(d.library().empty());
    EXPECT_EQ(d.form().items(ctl::siteChoice).size(), 70U);
    const auto problem = d.removeLibraryEntry(LibraryKind::Site, "甲县");
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->what, LibraryProblemKind::NoSuchEntry);
}

} // namespace
} // namespace gelvant
