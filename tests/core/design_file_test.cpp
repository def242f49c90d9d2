// Design files: a saved design opens as the very same form, bad files are
// refused with the reason and change nothing, a save never destroys the
// previous file.

#include "document/design_document.h"
#include "document/design_file.h"
#include "document/design_file_io.h"
#include "project/startup_form.h"
#include "sheet/controls.h"
#include "window/design_form.h"
#include "window/startup.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sys/stat.h>
#include <unistd.h>

#include <bit>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <limits>
#include <ostream>

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

// A temporary folder, removed with what it holds.
struct ScratchFolder {
    fs::path path;
    ScratchFolder() {
        char pattern[] = "/tmp/gelvant-design-XXXXXX";
        path = mkdtemp(pattern);
    }
    ~ScratchFolder() {
        std::error_code ec;
        fs::permissions(path, fs::perms::owner_all, ec);
        fs::remove_all(path, ec);
    }
};

// The start-up design with a few odd values in its record: what only the
// record holds (more digits than a box shows, non-finite values, a signed
// zero) must come back bit for bit.
Project oddProject() {
    FormState form = *startupForm();
    form.sheet.storeLength = 6.123456789F;
    form.sheet.doorArea = std::numeric_limits<float>::infinity();
    form.sheet.doorAirSpeed = -std::numeric_limits<float>::infinity();
    form.sheet.doorOpenMinutes = std::bit_cast<float>(0xFFC00000U); // the NaN of 0/0
    form.sheet.goodsDensity = std::bit_cast<float>(0x7FC00000U);
    form.sheet.steelMassKg = -0.0F;
    form.sheet.copperMassKg = std::numeric_limits<float>::denorm_min();
    form.sheet.aluminiumMassKg = std::numeric_limits<float>::max();
    form.sheet.workerCount = std::numeric_limits<std::int32_t>::min();
    form.editTexts[3] = "6.2 typed, not read";
    form.lists[0] = ListChoice{-1, "typed over the list"};
    Project project = singleRoomProject(std::make_shared<const FormState>(form));
    project.info = ProjectInfo{"冷库", "设计院", "张工", "2026-12-07", "第一行\n第二行"};
    project.rooms.push_back(Room{"冻结间", CoolingEquipment::Coil, startupForm()});
    project.current = 1;
    return project;
}

void expectSameProject(const Project& a, const Project& b) {
    EXPECT_EQ(a.info, b.info);
    EXPECT_EQ(a.current, b.current);
    ASSERT_EQ(a.rooms.size(), b.rooms.size());
    for (std::size_t i = 0; i < a.rooms.size(); ++i) {
        EXPECT_EQ(a.rooms[i].name, b.rooms[i].name);
        EXPECT_EQ(a.rooms[i].equipment, b.rooms[i].equipment);
        EXPECT_TRUE(a.rooms[i].form->sameForm(*b.rooms[i].form)) << "room " << i;
    }
}

TEST(DesignFile, ReopensEveryRoomBitForBit) {
    const Project saved = oddProject();
    const std::string text = designFileText(saved);
    const DesignReadResult read = readDesignText(text);
    ASSERT_TRUE(read.design) << describeInEnglish(*read.error);
    expectSameProject(saved, read.design->project);
    EXPECT_TRUE(read.design->unrestoredLists.empty());
    EXPECT_EQ(designFileText(read.design->project), text); // and saves the same text again
}

TEST(DesignFile, OneRoomDesignIsSmallAndReadable) {
    const std::string text = designFileText(singleRoomProject(startupForm()));
    EXPECT_LT(text.size(), 16U * 1024U);
    EXPECT_NE(
        text.find("\"storeHeight\": {\n          \"text\": \"4.2\",\n          \"value\": 4.2\n"),
        std::string::npos);
    EXPECT_NE(text.find("\"name\": \"库房1\""), std::string::npos);
}

// A file written by another version: lists are found by their text when the
// index no longer names it; what cannot be found is reported; unknown keys
// are ignored; what is missing keeps the start-up form.
TEST(DesignFile, OtherVersionsListsAndMissingParts) {
    nlohmann::ordered_json file =
        nlohmann::ordered_json::parse(designFileText(singleRoomProject(startupForm())));
    auto& room = file["rooms"][0];
    const std::string site = room["lists"]["siteChoice"]["text"];
    room["lists"]["siteChoice"]["index"] = 0; // moved in a newer table
    room["lists"]["doorChoice"] = {{"index", 1}, {"text", "一扇不存在的门"}};
    room["fields"].erase("storeLength");
    room["somethingNew"] = {1, 2, 3};
    file["future"] = "ignored";
    const DesignReadResult read = readDesignText(file.dump());
    ASSERT_TRUE(read.design);
    RecordingPresenter presenter;
    CDesignDlg form(designFormLayout(), presenter);
    form.restoreState(*read.design->project.currentRoom().form);
    EXPECT_EQ(form.currentText(ctl::siteChoice), site);
    EXPECT_EQ(form.currentIndex(ctl::doorChoice), -1);
    EXPECT_EQ(form.editText(3), startupForm()->editTexts[3]);
    EXPECT_EQ(read.design->unrestoredLists, std::vector<std::string>{"库房1: doorChoice"});
}

struct BadFile {
    const char* name;
    std::string bytes;
    DesignFileProblem problem;
    std::size_t line = 0;
    std::size_t column = 0;
    friend void PrintTo(const BadFile& c, std::ostream* os) { *os << c.name; }
};

std::string withRoomField(const std::string& key, const std::string& json) {
    return R"({"format":"gelvant-design","version":1,"rooms":[{"fields":{")" + key + R"(":)" +
           json + "}}]}";
}

class RefusedFile : public testing::TestWithParam<BadFile> {};

// The document open of a refused file changes nothing: the form, the history
// and the modified mark stay as they were.
TEST_P(RefusedFile, IsRefusedWithItsReasonAndChangesNothing) {
    const BadFile& bad = GetParam();
    const DesignReadResult read = readDesignText(bad.bytes);
    ASSERT_FALSE(read.design);
    ASSERT_TRUE(read.error);
    EXPECT_EQ(read.error->problem, bad.problem) << describeInEnglish(*read.error);
    if (bad.line != 0) {
        EXPECT_EQ(read.error->line, bad.line);
        EXPECT_EQ(read.error->column, bad.column);
        EXPECT_NE(describeInChinese(*read.error).find("第 " + std::to_string(bad.line) + " 行"),
                  std::string::npos);
    }
    EXPECT_FALSE(describeInEnglish(*read.error).empty());
}

const std::string kGood = R"({"format":"gelvant-design","version":1})";

INSTANTIATE_TEST_SUITE_P(
    BadFiles, RefusedFile,
    testing::Values(
        BadFile{"Empty", "", DesignFileProblem::Empty},
        BadFile{"BrokenJsonSaysWhere", "{\n  \"format\": \"gelvant-design\",\n  \"version\" 1\n}",
                DesignFileProblem::NotJson, 3, 13},
        BadFile{"CutOff", kGood.substr(0, 20), DesignFileProblem::NotJson, 1, 21},
        BadFile{"NotUtf8", "{\"format\":\"\xff\"}", DesignFileProblem::NotJson, 1, 12},
        BadFile{"AnArray", "[1,2]", DesignFileProblem::NotDesign},
        BadFile{"OtherFormat", R"({"format":"other","version":1})", DesignFileProblem::NotDesign},
        BadFile{"NoVersion", R"({"format":"gelvant-design"})", DesignFileProblem::NotDesign},
        BadFile{"NewerVersion", R"({"format":"gelvant-design","version":2})",
                DesignFileProblem::NewerVersion},
        BadFile{"RoomsNotAList", R"({"format":"gelvant-design","version":1,"rooms":{}})",
                DesignFileProblem::WrongType},
        BadFile{"RoomNotAnObject", R"({"format":"gelvant-design","version":1,"rooms":[3]})",
                DesignFileProblem::WrongType},
        BadFile{"ProjectNameNotText",
                R"({"format":"gelvant-design","version":1,"project":{"name":5}})",
                DesignFileProblem::WrongType},
        BadFile{"TextNotAString", withRoomField("storeLength", R"({"text":6})"),
                DesignFileProblem::WrongType},
        BadFile{"ValueAWord", withRoomField("storeLength", R"({"value":"six"})"),
                DesignFileProblem::BadValue},
        BadFile{"ValueBeyondAFloat", withRoomField("storeLength", R"({"value":1e39})"),
                DesignFileProblem::BadValue},
        BadFile{"IntValueAFraction", withRoomField("workerCount", R"({"value":2.5})"),
                DesignFileProblem::BadValue},
        BadFile{"IntValueBeyond32Bits", withRoomField("workerCount", R"({"value":2147483648})"),
                DesignFileProblem::BadValue},
        BadFile{"IntValueInfinite", withRoomField("workerCount", R"({"value":"inf"})"),
                DesignFileProblem::BadValue},
        BadFile{"UnknownEquipment",
                R"({"format":"gelvant-design","version":1,"rooms":[{"equipment":"fan"}]})",
                DesignFileProblem::WrongType}),
    [](const testing::TestParamInfo<BadFile>& info) { return std::string(info.param.name); });

TEST(DesignFileOnDisk, RefusesFoldersHugeAndMissingFiles) {
    const ScratchFolder scratch;
    writeWhole(scratch.path / "huge.gelvant", std::string(kMaxDesignFileBytes + 1, ' '));
    const std::pair<fs::path, DesignFileProblem> cases[] = {
        {scratch.path, DesignFileProblem::IsDirectory},
        {scratch.path / "huge.gelvant", DesignFileProblem::TooLarge},
        {scratch.path / "missing.gelvant", DesignFileProblem::Unreadable},
    };
    for (const auto& [path, problem] : cases) {
        const DesignReadResult read = openDesignFile(path);
        ASSERT_TRUE(read.error) << path;
        EXPECT_EQ(read.error->problem, problem) << path;
    }
}

TEST(DesignFileOnDisk, UnreadablePermissionsAreRefused) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "permissions do not stop the superuser from reading";
    }
    const ScratchFolder scratch;
    const fs::path file = scratch.path / "locked.gelvant";
    writeWhole(file, kGood);
    fs::permissions(file, fs::perms::none);
    const DesignReadResult read = openDesignFile(file);
    ASSERT_TRUE(read.error);
    EXPECT_EQ(read.error->problem, DesignFileProblem::Unreadable);
}

TEST(DesignFileOnDisk, SaveReplacesTheFileAndKeepsItsPermissions) {
    const ScratchFolder scratch;
    const fs::path file = scratch.path / "store.gelvant";
    writeWhole(file, "old");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_FALSE(saveDesignFile(file, oddProject()));
    EXPECT_EQ(readWhole(file), designFileText(oddProject()));
    EXPECT_EQ(fs::status(file).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(std::distance(fs::directory_iterator(scratch.path), fs::directory_iterator()), 1);
}

// Each failing call of a save: the old file stays whole, no temporary file
// is left behind, and the reason comes back.
TEST(DesignFileOnDisk, FailedSaveLeavesTheOldFileUntouched) {
    const auto diskFull = +[](int, const void*, std::size_t) -> long {
        errno = ENOSPC;
        return -1;
    };
    const auto shortThenFull = +[](int fd, const void* data, std::size_t size) -> long {
        static bool first = true;
        first = !first;
        if (!first) {
            errno = ENOSPC;
            return -1;
        }
        return ::write(fd, data, size / 2);
    };
    const auto syncFails = +[](int) -> int {
        errno = EIO;
        return -1;
    };
    const auto renameFails = +[](const char*, const char*) -> int {
        errno = EXDEV;
        return -1;
    };
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
        const std::error_code ec = saveDesignFile(file, oddProject(), {}, calls);
        EXPECT_EQ(ec, std::make_error_code(reason));
        EXPECT_EQ(readWhole(file), "the design saved yesterday");
        EXPECT_EQ(std::distance(fs::directory_iterator(scratch.path), fs::directory_iterator()), 1);
    }
}

TEST(DesignFileOnDisk, SaveIntoAMissingFolderOrTooLongANameSaysWhy) {
    const ScratchFolder scratch;
    EXPECT_EQ(saveDesignFile(scratch.path / "no" / "such.gelvant", oddProject()),
              std::make_error_code(std::errc::no_such_file_or_directory));
    EXPECT_EQ(saveDesignFile(scratch.path / (std::string(300, 'x') + ".gelvant"), oddProject()),
              std::make_error_code(std::errc::filename_too_long));
    EXPECT_TRUE(fs::is_empty(scratch.path));
}

TEST(DesignFileOnDisk, ARecoveryFileNamesTheDesignItKeepsSafe) {
    const DesignReadResult read =
        readDesignText(designFileText(oddProject(), "/home/designer/冷库.gelvant"));
    ASSERT_TRUE(read.design);
    EXPECT_EQ(read.design->recoveredFrom, "/home/designer/冷库.gelvant");
    expectSameProject(oddProject(), read.design->project);
}

} // namespace
} // namespace gelvant

namespace gelvant {
namespace {

// Bytes that are not UTF-8 in a box (the window never types them, a script
// cannot) are saved as replacement characters, never as a broken file.
TEST(DesignFile, BytesThatAreNotUtf8SaveAsReplacementCharacters) {
    FormState form = *startupForm();
    form.editTexts[3] = "6\xff\"\n";
    const DesignReadResult read =
        readDesignText(designFileText(singleRoomProject(std::make_shared<const FormState>(form))));
    ASSERT_TRUE(read.design);
    EXPECT_EQ(read.design->project.currentRoom().form->editTexts[3], "6\xEF\xBF\xBD\"\n");
}

} // namespace
} // namespace gelvant
