// `gelvant --report` and `gelvant --csv` run as a designer runs them, their
// PDF read back with the PDF tools a reader would use (poppler-utils).

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
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

std::string quoted(const std::string& s) {
    return "'" + s + "'";
}

class HeadlessReport : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        char pattern[] = "/tmp/gelvant-report-XXXXXX";
        dir_ = mkdtemp(pattern);
        // The design the program opens on, and a project of two rooms.
        const Outcome one = run(quoted(GELVANT_CLI), "save " + path("one.gelvant") + "\ndump\n");
        ASSERT_EQ(one.status, 0) << one.err;
        dump_ = nlohmann::json::parse(one.out);
        const Outcome two = run(quoted(GELVANT_CLI), "room add 冻结间\nchoose referenceList 6\n"
                                                     "click apply\nsave " +
                                                         path("two.gelvant") + "\n");
        ASSERT_EQ(two.status, 0) << two.err;
    }

    static void TearDownTestSuite() { fs::remove_all(dir_); }

    static std::string path(const std::string& name) { return (dir_ / name).string(); }

    static Outcome run(const std::string& command, const std::string& input = {}) {
        const std::string in = path("stdin"), out = path("stdout"), err = path("stderr");
        std::ofstream(in, std::ios::binary) << input;
        const int raw = std::system((command + " < " + in + " > " + out + " 2> " + err).c_str());
        return {readWhole(out), readWhole(err), WIFEXITED(raw) ? WEXITSTATUS(raw) : -1};
    }

    static Outcome gelvant(const std::string& args) {
        return run(quoted(GELVANT_APP) + " " + args);
    }

    // A poppler tool on the PDF; the test fails plainly when it is missing.
    static std::string popplerTool(const std::string& tool, const std::string& args) {
        const Outcome which = run("command -v " + tool);
        if (which.status != 0) {
            ADD_FAILURE() << tool << " is missing: install poppler-utils (scripts/install-deps)";
            return {};
        }
        const Outcome r = run(tool + " " + args);
        EXPECT_EQ(r.status, 0) << tool << ": " << r.err;
        return r.out;
    }

    static std::string field(const char* name) { return dump_["fields"][name]; }

    static inline fs::path dir_;
    static inline nlohmann::json dump_;
};

// The PDF has the title, the file, the total with its note, the per-tonne
// figure and every label the CSV gives (a load row's unit only in the head of
// the PDF's table); its text is the form's, no radical (U+2E80 to U+2FDF)
// standing in for an ideograph, no tab for a space.
TEST_F(HeadlessReport, TheReportOfOneRoomHasEveryLabelOfTheCsvWithTheTotal) {
    ASSERT_EQ(gelvant("--report " + path("one.pdf") + " " + path("one.gelvant")).status, 0);
    ASSERT_EQ(gelvant("--csv " + path("one.csv") + " " + path("one.gelvant")).status, 0);
    const std::string text = popplerTool("pdftotext", "-raw " + path("one.pdf") + " -");
    const std::string csv = readWhole(path("one.csv"));
    EXPECT_EQ(csv.rfind("\xEF\xBB\xBF分组,项目,数值,单位\r\n", 0), 0U);
    EXPECT_NE(csv.find("冷负荷,总冷负荷(W)," + field("totalCoolingLoadW") + ",W\r\n"),
              std::string::npos);
    std::vector<std::string> expected{"冷库冷负荷计算书",
                                      "one.gelvant",
                                      field("totalCoolingLoadW"),
                                      dump_["texts"]["totalLoadNote"],
                                      "冷却负荷(W/t)：" + field("loadPerTonW"),
                                      "第 1 页 共"};
    std::istringstream rows(csv);
    for (std::string row; std::getline(rows, row);) {
        const auto comma = row.find(',');
        std::string label = row.substr(comma + 1, row.find(',', comma + 1) - comma - 1);
        if (row.rfind("冷负荷,", 0) == 0 && label.ends_with("(W)")) {
            label.resize(label.size() - 3);
        }
        if (comma != 0 && row.find('"') == std::string::npos && row.rfind("项目,", 0) != 0 &&
            row.rfind("经验数据,", 0) != 0) {
            expected.push_back(label);
        }
    }
    EXPECT_GT(expected.size(), 95U);
    for (const std::string& s : expected) {
        EXPECT_NE(text.find(s), std::string::npos) << s;
    }
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const auto next = static_cast<unsigned char>(text[i + 1]);
        ASSERT_FALSE(lead == 0xE2 && next >= 0xBA && next <= 0xBF) << text.substr(i, 12);
    }
    EXPECT_EQ(text.find('\t'), std::string::npos);
}

TEST_F(HeadlessReport, ThePagesAreA4AndEveryFontIsEmbedded) {
    ASSERT_EQ(gelvant("--report " + path("fonts.pdf") + " " + path("two.gelvant")).status, 0);
    std::istringstream info(popplerTool("pdfinfo", path("fonts.pdf")));
    int pages = 0;
    for (std::string line; std::getline(info, line);) {
        if (line.rfind("Pages:", 0) == 0) {
            pages = std::stoi(line.substr(6));
        }
        if (line.rfind("Page size:", 0) == 0) {
            EXPECT_NE(line.find("(A4)"), std::string::npos) << line;
        }
    }
    EXPECT_GT(pages, 3); // the summary page, then each room
    std::istringstream fonts(popplerTool("pdffonts", path("fonts.pdf")));
    int fontsListed = 0;
    for (std::string line; std::getline(fonts, line);) {
        // Below two head lines: name, type, encoding, emb, sub, uni, object, generation.
        std::istringstream columns(line);
        const std::vector<std::string> words{std::istream_iterator<std::string>(columns), {}};
        if (++fontsListed > 2) {
            ASSERT_GE(words.size(), 7U) << line;
            EXPECT_EQ(words[words.size() - 5], "yes") << line;
        }
    }
    EXPECT_GT(fontsListed, 2) << "no fonts listed";
    EXPECT_LT(fs::file_size(path("fonts.pdf")), 1024U * 1024U); // subsets, not whole fonts
    const std::string text = popplerTool("pdftotext", "-raw " + path("fonts.pdf") + " -");
    for (const char* s : {"项目汇总", "库房1", "冻结间", "各蒸发温度的制冷量"}) {
        EXPECT_NE(text.find(s), std::string::npos) << s;
    }
}

TEST_F(HeadlessReport, WhatCannotBeDoneExitsTwoWithOneLine) {
    std::ofstream(path("not-a-design.gelvant")) << "这不是设计文件";
    const struct {
        const char* what;
        std::string args;
        const char* says;
    } cases[] = {
        {"not a design", "--report " + path("x.pdf") + " " + path("not-a-design.gelvant"),
         "cannot open"},
        {"output in a missing folder",
         "--report " + path("nowhere/x.pdf") + " " + path("one.gelvant"), "cannot write"},
        {"no design named", "--report " + path("x.pdf"), "needs an output file and a design file"},
    };
    for (const auto& c : cases) {
        const Outcome r = gelvant(c.args);
        EXPECT_EQ(r.status, 2) << c.what;
        EXPECT_EQ(r.err.rfind("gelvant: ", 0), 0U) << c.what << ": " << r.err;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << c.what << ": " << r.err;
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << c.what << ": " << r.err;
    }
    EXPECT_FALSE(fs::exists(path("x.pdf")));
}

} // namespace
