// Design files: a saved design opens as the very same form, bad files are
// refused with the reason, a save never destroys the previous file.

#include "document/design_file.h"
#include "document/design_file_io.h"
#include "form/controls.h"
#include "form/design_dlg.h"
#include "form/messages.h"
#include "form/portable.h"
#include "form_tables/design_form.h"
#include "project/project_info_fields.h"
#include "project/startup_form.h"
#include "support/scratch_dir.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <limits>

namespace gelvant {
namespace {

namespace fs = std::filesystem;

std::string readWhole(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeWhole(const fs::path& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::ptrdiff_t entries(const fs::path& folder) {
    return std::distance(fs::directory_iterator(folder), fs::directory_iterator());
}

using ScratchFolder = testing_support::ScratchDir;

// Odd record values that only the record holds (more digits than a box shows,
// both NaNs, infinities, a signed zero), a box typed but not read, a list
// typed over, two rooms with their uses (one with a p of its own, the other
// following its use), the project's information and its plant settings, none
// of them the defaults.
Project oddProject() {
    FormState form = *startupForm();
    form.sheet.storeLength = 6.123456789F;
    form.sheet.doorArea = std::numeric_limits<float>::infinity();
    form.sheet.doorAirSpeed = -std::numeric_limits<float>::infinity();
    form.sheet.doorOpenMinutes = bitCast<float>(0xFFC00000U); // the NaN of 0/0
    form.sheet.goodsDensity = bitCast<float>(0x7FC00000U);
    form.sheet.steelMassKg = -0.0F;
    form.sheet.copperMassKg = std::numeric_limits<float>::denorm_min();
    form.sheet.aluminiumMassKg = std::numeric_limits<float>::max();
    form.sheet.workerCount = std::numeric_limits<std::int32_t>::min();
    form.editTexts[3] = "6.2 typed, not read";
    form.lists[0] = ListChoice{-1, "typed over the list"};
    Project project = singleRoomProject(std::make_shared<const FormState>(form));
    for (const ProjectInfoField& field : kProjectInfoFields) {
        project.info.*field.member = std::string(field.label) + "：第一行\n第二行";
    }
    project.plant = PlantSettings{CoolingSystem::Indirect, 0.75, 0.6, 0.45, 0.55};
    project.rooms.push_back(Room{"冻结间", CoolingEquipment::Coil, startupForm(), RoomUse::Ice});
    project.rooms[0].use = RoomUse::Frozen;
    project.rooms[0].goodsLoadFactor = 1.15;
    project.current = 1;
    return project;
}

TEST(DesignFile, ReopensEveryRoomBitForBitAndSavesTheSameText) {
    const Project saved = oddProject();
    for (const std::string recovering : {"", "/home/designer/冷库.gelvant"}) {
        const std::string text = designFileText(saved, recovering);
        const DesignReadResult read = readDesignText(text);
        ASSERT_TRUE(read.design) << describeInEnglish(*read.error);
        const Project& opened = read.design->project;
        EXPECT_EQ(opened.info, saved.info);
        EXPECT_EQ(opened.current, saved.current);
        EXPECT_EQ(opened.plant, saved.plant);
        ASSERT_EQ(opened.rooms.size(), saved.rooms.size());
        for (std::size_t i = 0; i < saved.rooms.size(); ++i) {
            EXPECT_EQ(opened.rooms[i].name, saved.rooms[i].name);
            EXPECT_EQ(opened.rooms[i].equipment, saved.rooms[i].equipment);
            EXPECT_EQ(opened.rooms[i].use, saved.rooms[i].use);
            EXPECT_EQ(opened.rooms[i].goodsLoadFactor, saved.rooms[i].goodsLoadFactor);
            EXPECT_TRUE(opened.rooms[i].form->sameForm(*saved.rooms[i].form)) << "room " << i;
        }
        EXPECT_TRUE(read.design->unrestoredLists.empty());
        EXPECT_EQ(read.design->recoveredFrom, recovering); // a recovery file names its design
        EXPECT_EQ(designFileText(opened, recovering), text);
    }
}

// A file of another version: lists found by their text when the index moved,
// unfound ones reported, unknown keys ignored, missing parts as at start-up
// (no plant settings, no room use and no p: the defaults, 自动 and the use's p);
// bytes that are not UTF-8 were saved as replacement characters.
TEST(DesignFile, ReadsWhatItCanOfAnotherVersionsFile) {
    FormState notUtf8 = *startupForm();
    notUtf8.editTexts[4] = "6\xff\"\n";
    nlohmann::ordered_json file = nlohmann::ordered_json::parse(
        designFileText(singleRoomProject(std::make_shared<const FormState>(notUtf8))));
    auto& room = file["rooms"][0];
    const std::string site = room["lists"]["siteChoice"]["text"];
    room.erase("use");
    file.erase("plant");
    room["lists"]["siteChoice"]["index"] = 0; // moved in a newer table
    room["lists"]["doorChoice"] = {{"index", 1}, {"text", "一扇不存在的门"}};
    room["fields"].erase("storeLength");
    room["somethingNew"] = {1, 2, 3};
    file["future"] = "ignored";
    const DesignReadResult read = readDesignText(file.dump());
    ASSERT_TRUE(read.design);
    RecordingPresenter presenter;
    CDesignDlg form(designFormListsAndEvents(), presenter);
    form.restoreState(*read.design->project.currentRoom().form);
    EXPECT_EQ(form.currentText(ctl::siteChoice), site);
    EXPECT_EQ(read.design->project.plant, PlantSettings{});
    EXPECT_EQ(read.design->project.currentRoom().use, RoomUse::Auto);
    EXPECT_EQ(read.design->project.currentRoom().goodsLoadFactor, std::nullopt);
    EXPECT_EQ(form.currentIndex(ctl::doorChoice), -1);
    EXPECT_EQ(form.editText(3), startupForm()->editTexts[3]);
    EXPECT_EQ(read.design->project.currentRoom().form->editTexts[4], "6\xEF\xBF\xBD\"\n");
    EXPECT_EQ(read.design->unrestoredLists, std::vector<std::string>{"库房1: doorChoice"});
}

// The unit a design shows its loads in is written only when it is not W:
// a design in W saves as every design did before the choice, a file without
// it opens in W, and a unit saved reopens.
TEST(DesignFile, KeepsTheLoadUnitAndWritesNothingForW) {
    Project project = oddProject();
    const std::string inW = designFileText(project);
    EXPECT_EQ(inW.find("loadUnit"), std::string::npos);
    project.loadUnit = LoadUnit::KW;
    const std::string inKw = designFileText(project);
    EXPECT_NE(inKw.find("\n  \"loadUnit\": \"kW\",\n"), std::string::npos) << inKw;
    const DesignReadResult kw = readDesignText(inKw);
    ASSERT_TRUE(kw.design);
    EXPECT_EQ(kw.design->project.loadUnit, LoadUnit::KW);
    EXPECT_EQ(designFileText(kw.design->project), inKw);
    const DesignReadResult w = readDesignText(inW);
    ASSERT_TRUE(w.design);
    EXPECT_EQ(w.design->project.loadUnit, LoadUnit::W);
    EXPECT_EQ(designFileText(w.design->project), inW);
    const std::string example =
        readWhole(fs::path(GELVANT_SOURCE_DIR) / "examples/frozen-store.gelvant");
    const DesignReadResult old = readDesignText(example);
    ASSERT_TRUE(old.design);
    EXPECT_EQ(old.design->project.loadUnit, LoadUnit::W);
}

TEST(DesignFile, RefusesBadFilesWithTheirReason) {
    const auto field = [](const std::string& key, const std::string& json) {
        return R"({"format":"gelvant-design","version":1,"rooms":[{"fields":{")" + key + R"(":)" +
               json + "}}]}";
    };
    const std::string v1 = R"({"format":"gelvant-design","version":1,)";
    using P = DesignFileProblem;
    struct Case {
        std::string bytes;
        DesignFileProblem problem;
        std::size_t line = 0;
        std::size_t column = 0;
    };
    const Case cases[] = {
        {"", P::Empty},
        {"{\n  \"format\": \"gelvant-design\",\n  \"version\" 1\n}", P::NotJson, 3, 13},
        {v1.substr(0, 20), P::NotJson, 1, 21},
        {"{\"format\":\"\xff\"}", P::NotJson, 1, 12},
        {"[1,2]", P::NotDesign},
        {R"({"format":"other","version":1})", P::NotDesign},
        {R"({"format":"gelvant-design"})", P::NotDesign},
        {R"({"format":"gelvant-design","version":2})", P::NewerVersion},
        {v1 + R"("rooms":{}})", P::WrongType},
        {v1 + R"("rooms":[3]})", P::WrongType},
        {v1 + R"("project":{"name":5}})", P::WrongType},
        {v1 + R"("rooms":[{"equipment":"fan"}]})", P::WrongType},
        {v1 + R"("rooms":[{"use":"cellar"}]})", P::WrongType},
        {v1 + R"("rooms":[{"p":1.31}]})", P::BadValue},
        {v1 + R"("rooms":[{"p":"1.3"}]})", P::BadValue},
        {v1 + R"("plant":{"system":"brine"}})", P::WrongType},
        {v1 + R"("plant":{"n1":1.6}})", P::BadValue},
        {v1 + R"("plant":{"n2Frozen":"0.6"}})", P::BadValue},
        {v1 + R"("loadUnit":"kcal"})", P::WrongType},
        {v1 + R"("loadUnit":1000})", P::WrongType},
        {field("storeLength", R"({"text":6})"), P::WrongType},
        {field("storeLength", R"({"value":"six"})"), P::BadValue},
        {field("storeLength", R"({"value":1e39})"), P::BadValue},
        {field("workerCount", R"({"value":2.5})"), P::BadValue},
        {field("workerCount", R"({"value":2147483648})"), P::BadValue},
        {field("workerCount", R"({"value":"inf"})"), P::BadValue},
        {v1 + R"("library":[]})", P::WrongType},
        {v1 + R"("library":{"site":{}}})", P::WrongType},
        {v1 + R"("library":{"goods":[{"name":"机制冰","goodsDensity":700}]}})", P::BadEntry},
        {v1 + R"("library":{"goods":[{"name":"冰","goodsDensity":0}]}})", P::BadEntry},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes);
        const DesignReadResult read = readDesignText(c.bytes);
        ASSERT_FALSE(read.design);
        ASSERT_TRUE(read.error);
        EXPECT_EQ(read.error->problem, c.problem) << describeInEnglish(*read.error);
        EXPECT_FALSE(describeInEnglish(*read.error).empty());
        if (c.line != 0) {
            EXPECT_EQ(read.error->line, c.line);
            EXPECT_EQ(read.error->column, c.column);
            EXPECT_NE(describeInChinese(*read.error).find("第 " + std::to_string(c.line) + " 行"),
                      std::string::npos);
        }
    }
}

TEST(DesignFileOnDisk, RefusesFoldersHugeMissingAndUnreadableFiles) {
    const ScratchFolder scratch;
    writeWhole(scratch.path / "huge.gelvant", std::string(kMaxDesignFileBytes + 1, ' '));
    writeWhole(scratch.path / "locked.gelvant", R"({"format":"gelvant-design","version":1})");
    fs::permissions(scratch.path / "locked.gelvant", fs::perms::none);
    std::vector<std::pair<fs::path, DesignFileProblem>> cases = {
        {scratch.path, DesignFileProblem::IsDirectory},
        {scratch.path / "huge.gelvant", DesignFileProblem::TooLarge},
        {scratch.path / "missing.gelvant", DesignFileProblem::Unreadable},
    };
    if (::geteuid() != 0) { // permissions do not stop the superuser from reading
        cases.emplace_back(scratch.path / "locked.gelvant", DesignFileProblem::Unreadable);
    }
    for (const auto& [path, problem] : cases) {
        const DesignReadResult read = openDesignFile(path);
        ASSERT_TRUE(read.error) << path;
        EXPECT_EQ(read.error->problem, problem) << path;
    }
}

TEST(DesignFileOnDisk, SaveReplacesTheFileAndKeepsItsPermissions) {
    const ScratchFolder scratch;
    const fs::path file = scratch.path / "store.gelvant";
    const fs::perms perms = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    writeWhole(file, "old");
    fs::permissions(file, perms);
    ASSERT_FALSE(saveDesignFile(file, oddProject()));
    EXPECT_EQ(readWhole(file), designFileText(oddProject()));
    EXPECT_EQ(fs::status(file).permissions(), perms);
    EXPECT_EQ(entries(scratch.path), 1);

    EXPECT_EQ(saveDesignFile(scratch.path / "no" / "such.gelvant", oddProject()),
              std::make_error_code(std::errc::no_such_file_or_directory));
    EXPECT_EQ(saveDesignFile(scratch.path / (std::string(300, 'x') + ".gelvant"), oddProject()),
              std::make_error_code(std::errc::filename_too_long));
    EXPECT_EQ(entries(scratch.path), 1);
}

// Each failing call of a save: the old file stays whole, no temporary file
// is left behind, and the reason comes back.
TEST(DesignFileOnDisk, FailedSaveLeavesTheOldFileUntouched) {
    const auto diskFull = +[](int, const void*, std::size_t) -> long { return errno = ENOSPC, -1; };
    const auto shortThenFull = +[](int fd, const void* data, std::size_t size) -> long {
        static bool full = true;
        full = !full; // half the bytes, then a full disk
        return full ? (errno = ENOSPC, -1) : ::write(fd, data, size / 2);
    };
    const auto syncFails = +[](int) -> int { return errno = EIO, -1; };
    const auto renameFails = +[](const char*, const char*) -> int { return errno = EXDEV, -1; };
    const FileSystemCalls& os = systemFileCalls();
    const std::pair<FileSystemCalls, std::errc> cases[] = {
        {{diskFull, os.sync, os.rename}, std::errc::no_space_on_device},
        {{shortThenFull, os.sync, os.rename}, std::errc::no_space_on_device},
        {{os.write, syncFails, os.rename}, std::errc::io_error},
        {{os.write, os.sync, renameFails}, std::errc::cross_device_link},
    };
    for (const auto& [calls, reason] : cases) {
        const ScratchFolder scratch;
        const fs::path file = scratch.path / "store.gelvant";
        writeWhole(file, "the design saved yesterday");
        EXPECT_EQ(saveDesignFile(file, oddProject(), {}, calls), std::make_error_code(reason));
        EXPECT_EQ(readWhole(file), "the design saved yesterday");
        EXPECT_EQ(entries(scratch.path), 1);
    }
}

// The usual reasons read as what the designer can do; any other keeps the
// system's text.
TEST(DesignFileOnDisk, SaveFailuresAreToldInTheDesignersWords) {
    const std::pair<int, const char*> cases[] = {
        {EROFS, "只读"},           {EDQUOT, "磁盘空间不足"}, {ENAMETOOLONG, "太长"},
        {ENOTDIR, "文件夹不存在"}, {EIO, "系统错误："},
    };
    for (const auto& [error, words] : cases) {
        const std::string text = describeSaveFailureInChinese({error, std::generic_category()});
        EXPECT_NE(text.find(words), std::string::npos) << error << ": " << text;
    }
    const std::error_code io(EIO, std::generic_category());
    EXPECT_NE(describeSaveFailureInChinese(io).find(io.message()), std::string::npos);
}

} // namespace
} // namespace gelvant
