// `gelvant --report` and `gelvant --csv` run as a designer runs them, their
// PDF read back with poppler-utils.

#include "language/language.h"
#include "support/scratch_dir.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sys/wait.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Outcome {
    std::string out;
    std::string err;
    int status = -1;
};

std::string readWhole(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class HeadlessReport : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        scratch_.emplace();
        dir_ = scratch_->path;
        const Outcome made = run("'" GELVANT_CLI "'", "save " + path("one.gelvant") + "\ndump\n");
        ASSERT_EQ(made.status, 0) << made.err;
        dump_ = nlohmann::json::parse(made.out);
    }

    static void TearDownTestSuite() { scratch_.reset(); }

    static std::string path(const std::string& name) { return (dir_ / name).string(); }

    static Outcome run(const std::string& command, const std::string& input = {}) {
        const std::string in = path("stdin"), out = path("stdout"), err = path("stderr");
        std::ofstream(in, std::ios::binary) << input;
        const int raw = std::system((command + " < " + in + " > " + out + " 2> " + err).c_str());
        return {readWhole(out), readWhole(err), WIFEXITED(raw) ? WEXITSTATUS(raw) : -1};
    }

    static Outcome gelvant(const std::string& args) { return run("'" GELVANT_APP "' " + args); }

    static std::string poppler(const std::string& tool, const std::string& args) {
        const Outcome r = run(tool + " " + args);
        EXPECT_EQ(r.status, 0) << tool << " (poppler-utils, scripts/install-deps): " << r.err;
        return r.out;
    }

    static std::string field(const char* name) { return dump_["fields"][name]; }

    static inline std::optional<gelvant::testing_support::ScratchDir> scratch_;
    static inline fs::path dir_;
    static inline nlohmann::json dump_;
};

TEST_F(HeadlessReport, TheReportHasTheTotalAndEveryLoadOnA4WithEmbeddedFonts) {
    ASSERT_EQ(gelvant("--report " + path("one.pdf") + " " + path("one.gelvant")).status, 0);
    ASSERT_EQ(gelvant("--csv " + path("one.csv") + " " + path("one.gelvant")).status, 0);
    const std::string csv = readWhole(path("one.csv"));
    EXPECT_EQ(csv.rfind("\xEF\xBB\xBF分组,项目,数值,单位\r\n", 0), 0U);
    EXPECT_NE(csv.find("冷负荷,总冷负荷(W)," + field("totalCoolingLoadW") + ",W\r\n"),
              std::string::npos);

    // The load rows of the CSV name the load components; the PDF's table
    // gives their unit only in its head.
    std::vector<std::string> expected{"冷库冷负荷计算书", field("totalCoolingLoadW"),
                                      "冷却负荷(W/t)：" + field("loadPerTonW")};
    std::istringstream rows(csv);
    for (std::string row; std::getline(rows, row);) {
        if (row.rfind("冷负荷,", 0) == 0 && row.find("(W),") != std::string::npos) {
            expected.push_back(row.substr(10, row.find("(W),") - 10));
        }
    }
    EXPECT_GE(expected.size(), 3U + 10U);
    const std::string text = poppler("pdftotext", "-raw " + path("one.pdf") + " -");
    for (const std::string& s : expected) {
        EXPECT_NE(text.find(s), std::string::npos) << s;
    }

    const std::string info = poppler("pdfinfo", path("one.pdf"));
    EXPECT_NE(info.find("Page size:"), std::string::npos) << info;
    EXPECT_NE(info.find(" pts (A4)\n"), std::string::npos) << info;
    // Below two head lines: name, type, encoding, emb, sub, uni, object, generation.
    std::istringstream fonts(poppler("pdffonts", path("one.pdf")));
    int lines = 0;
    for (std::string line; std::getline(fonts, line);) {
        std::istringstream columns(line);
        const std::vector<std::string> words{std::istream_iterator<std::string>(columns), {}};
        if (++lines > 2) {
            ASSERT_GE(words.size(), 7U) << line;
            EXPECT_EQ(words[words.size() - 5], "yes") << line;
        }
    }
    EXPECT_GT(lines, 2) << "no fonts listed";
    // A single room's plant has its machine-load page, its basis and its
    // equipment schedule too; the first page its sign-off block.
    for (const char* shown : {"冷间机械负荷（GB 50072）", "制冷压缩机按 GB 50072", "设备表",
                              "库房冷却设备", "签署", "审定"}) {
        EXPECT_NE(text.find(shown), std::string::npos) << shown;
    }
}

// The example project's machine-load page: every group's load and the total
// in whole watts and in kW, as the driver's summary gives them.
TEST_F(HeadlessReport, TheMachineLoadPageReadsBackWithTheSummarysFigures) {
    const std::string example =
        std::string(GELVANT_SOURCE_DIR) + "/examples/distribution-cold-store.gelvant";
    ASSERT_EQ(gelvant("--report " + path("plant.pdf") + " " + example).status, 0);
    const Outcome summary = run("'" GELVANT_CLI "'", "open " + example + "\nsummary\n");
    ASSERT_EQ(summary.status, 0) << summary.err;
    const nlohmann::json s = nlohmann::json::parse(summary.out);
    const auto watts = [](double w) { return std::to_string(std::llround(w)); };
    const auto kw = [](double w) {
        char text[32];
        std::snprintf(text, sizeof text, "%.1f", w / 1000);
        return std::string(text);
    };
    const std::string text = poppler("pdftotext", "-raw " + path("plant.pdf") + " -");
    const auto page = text.find("冷间机械负荷（GB 50072）");
    ASSERT_NE(page, std::string::npos);
    const std::string machine = text.substr(page);
    std::vector<std::string> expected{"Qj =",
                                      "直接冷却",
                                      "1.07",
                                      "冻结物冷藏间（自动）",
                                      watts(s["total"]["machineLoadW"]),
                                      kw(s["total"]["machineLoadW"])};
    for (const auto& group : s["groups"]) {
        expected.push_back(watts(group["machineLoadW"]));
    }
    for (const std::string& shown : expected) {
        EXPECT_NE(machine.find(shown), std::string::npos) << shown;
    }
}

// A CSV line's cells, a quoted cell's commas and doubled quotes read as the
// spreadsheet reads them.
std::vector<std::string> csvCells(const std::string& line) {
    std::vector<std::string> cells(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"' && quoted && i + 1 < line.size() && line[i + 1] == '"') {
            cells.back() += '"';
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            cells.emplace_back();
        } else if (c != '\r') {
            cells.back() += c;
        }
    }
    return cells;
}

std::vector<std::vector<std::string>> csvRows(const std::string& text) {
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        rows.push_back(csvCells(line));
    }
    return rows;
}

// --lang en writes the sheet and the CSV of a project in English, every
// figure as the Chinese ones have it; --lang zh writes what no --lang does.
TEST_F(HeadlessReport, LangEnWritesTheSheetAndTheCsvInEnglishWithTheSameFigures) {
    const std::string example =
        std::string(GELVANT_SOURCE_DIR) + "/examples/distribution-cold-store.gelvant";
    for (const std::string& args :
         {"--lang en --csv " + path("en.csv"), "--lang zh --csv " + path("zh.csv"),
          "--csv " + path("plain.csv"), "--lang en --report " + path("en.pdf")}) {
        ASSERT_EQ(gelvant(args + " " + example).status, 0) << args;
    }
    EXPECT_EQ(readWhole(path("zh.csv")), readWhole(path("plain.csv")));
    const auto en = csvRows(readWhole(path("en.csv")));
    const auto zh = csvRows(readWhole(path("zh.csv")));
    // The project's information and the rooms' names are the designer's, as
    // typed: the heading rows' values and the rooms' column.
    std::string english = readWhole(path("en.csv"));
    std::string pdf = poppler("pdftotext", "-raw " + path("en.pdf") + " -");
    std::erase(pdf, '\n'); // a name a narrow cell wraps reads whole
    std::vector<std::string> typed;
    for (std::size_t r = 1; r < en.size(); ++r) {
        typed.push_back(en[r].at(en[r].at(1) == "Item" ? 3 : 0));
    }
    for (const std::string& words : typed) {
        for (std::string* text : {&english, &pdf}) {
            for (auto at = text->find(words); !words.empty() && at != std::string::npos;
                 at = text->find(words)) {
                text->erase(at, words.size());
            }
        }
    }
    EXPECT_FALSE(gelvant::hasCjk(english)) << english;
    EXPECT_FALSE(gelvant::hasCjk(pdf)) << pdf;
    EXPECT_NE(pdf.find("Machine load"), std::string::npos);

    ASSERT_EQ(en.size(), zh.size());
    constexpr std::size_t kValue = 3; // room, group, item, value, unit
    std::size_t figures = 0;
    for (std::size_t r = 0; r < zh.size(); ++r) {
        ASSERT_EQ(en[r].size(), zh[r].size()) << r;
        const std::string& value = zh[r].at(kValue);
        if (!value.empty() && !gelvant::hasCjk(value) && value.find_first_of("0123456789") == 0) {
            EXPECT_EQ(en[r].at(kValue), value) << r;
            ++figures;
        }
    }
    EXPECT_GT(figures, 100U);
}

// A room changed after its compute: its page, the summary and the total say
// so in the PDF and in the CSV, and the room that is current says nothing.
TEST_F(HeadlessReport, ResultsNotComputedAgainAreMarkedInThePdfAndTheCsv) {
    const std::string design = path("stale.gelvant");
    const Outcome made =
        run("'" GELVANT_CLI "'", "room add 冷藏间\nchoose siteChoice 2\nsave " + design + "\n");
    ASSERT_EQ(made.status, 0) << made.err;
    ASSERT_EQ(gelvant("--report " + path("stale.pdf") + " " + design).status, 0);
    ASSERT_EQ(gelvant("--csv " + path("stale.csv") + " " + design).status, 0);
    const std::string pdf = poppler("pdftotext", "-raw " + path("stale.pdf") + " -");
    const std::string csv = readWhole(path("stale.csv"));
    for (const std::string& text : {pdf, csv}) {
        EXPECT_NE(text.find("冷藏间（未重新计算）"), std::string::npos);
        EXPECT_EQ(text.find("库房1（未重新计算）"), std::string::npos);
    }
    EXPECT_NE(pdf.find("未重新计算：本库房的输入"), std::string::npos);
    EXPECT_NE(pdf.find("合计（未重新"), std::string::npos); // a narrow cell wraps the mark
}

// What cannot be done exits 2 with one line, writing nothing; an option it
// does not know is refused with the usage and, without a display, shows
// that no window was opened.
TEST_F(HeadlessReport, WhatCannotBeDoneExitsTwoWithOneLineAndNoWindow) {
    std::ofstream(path("not-a-design.gelvant")) << "这不是设计文件";
    const std::string one = path("one.gelvant");
    const struct {
        std::string args;
        const char* says;
        bool usage;
    } cases[] = {
        {"--report " + path("x.pdf") + " " + path("not-a-design.gelvant"), "cannot open", false},
        {"--report " + path("nowhere/x.pdf") + " " + one, "cannot write", false},
        {"--bogus", "'bogus'", true},
        {"--csv " + path("x.csv"), "needs an output file and a design file", true},
        {"--reprot " + path("x.pdf") + " " + one, "'reprot'", true},
        {"--report " + path("x.pdf") + " --csv " + path("x.csv") + " " + one,
         "cannot be given together", true},
        {one + " " + one, "one design file at a time", true},
        {"--lang fr --csv " + path("x.csv") + " " + one, "--lang takes en or zh", true},
    };
    for (const auto& c : cases) {
        const Outcome r =
            run("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM '" GELVANT_APP "' " + c.args);
        EXPECT_EQ(r.status, 2) << c.args;
        EXPECT_EQ(r.err.rfind("gelvant: ", 0), 0U) << r.err;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
        EXPECT_EQ(r.err.find("Usage: gelvant [--lang en|zh] [FILE]") != std::string::npos, c.usage)
            << r.err;
        if (!c.usage) {
            EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
        }
        EXPECT_TRUE(r.out.empty()) << r.out;
    }
    EXPECT_FALSE(fs::exists(path("x.pdf")));
}

} // namespace
