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

TEST_F(HeadlessReport, TheReportOfOneRoomReadsBackWithTitleTotalPerTonneAndEveryComponent) {
    const Outcome r = gelvant("--report " + path("one.pdf") + " " + path("one.gelvant"));
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string text = popplerTool("pdftotext", "-raw " + path("one.pdf") + " -");
    const std::vector<std::string> expected{"冷库冷负荷计算书",
                                            "one.gelvant",
                                            field("totalCoolingLoadW"),
                                            dump_["texts"]["totalLoadNote"],
                                            "冷却负荷(W/t)：" + field("loadPerTonW"),
                                            "库体漏热",
                                            "货物热量",
                                            "鲜果蔬呼吸热",
                                            "其它材料放热",
                                            "总操作热量",
                                            "开门热量",
                                            "照明热量",
                                            "人工操作热",
                                            "冷风机热",
                                            "通风换气热",
                                            "总冷负荷",
                                            "第 1 页 共"};
    for (const std::string& s : expected) {
        EXPECT_NE(text.find(s), std::string::npos) << s;
    }
    // Copied or searched, the text is the form's: no radical stands in for an
    // ideograph (U+2E80 to U+2FDF), no tab for a space.
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const auto next = static_cast<unsigned char>(text[i + 1]);
        ASSERT_FALSE(lead == 0xE2 && next >= 0xBA && next <= 0xBF) << text.substr(i, 12);
    }
    EXPECT_EQ(text.find('\t'), std::string::npos);
    // Every label of the inputs and the equipment, as the CSV gives them (the
    // load rows are named above: the PDF's table gives their unit once, in its head).
    ASSERT_EQ(gelvant("--csv " + path("labels.csv") + " " + path("one.gelvant")).status, 0);
    std::istringstream csv(readWhole(path("labels.csv")));
    int labels = 0;
    for (std::string line; std::getline(csv, line);) {
        const auto comma = line.find(',');
        const std::string label = line.substr(comma + 1, line.find(',', comma + 1) - comma - 1);
        if (line.rfind("项目,", 0) == 0 || line.rfind("经验数据,", 0) == 0 ||
            line.rfind("冷负荷,", 0) == 0 || line.find('"') != std::string::npos || comma == 0) {
            continue;
        }
        ++labels;
        EXPECT_NE(text.find(label), std::string::npos) << label;
    }
    EXPECT_GT(labels, 80);
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
    std::vector<std::string> lines;
    for (std::string line; std::getline(fonts, line);) {
        lines.push_back(line);
    }
    ASSERT_GT(lines.size(), 2U) << "no fonts listed";
    for (std::size_t i = 2; i < lines.size(); ++i) {
        // Columns: name, type, encoding, emb, sub, uni, object, generation.
        std::istringstream columns(lines[i]);
        std::vector<std::string> words{std::istream_iterator<std::string>(columns), {}};
        ASSERT_GE(words.size(), 7U) << lines[i];
        EXPECT_EQ(words[words.size() - 5], "yes") << lines[i];
    }
    EXPECT_LT(fs::file_size(path("fonts.pdf")), 1024U * 1024U); // subsets, not whole fonts
    const std::string text = popplerTool("pdftotext", "-raw " + path("fonts.pdf") + " -");
    for (const char* s : {"项目汇总", "库房1", "冻结间", "各蒸发温度的制冷量"}) {
        EXPECT_NE(text.find(s), std::string::npos) << s;
    }
}

TEST_F(HeadlessReport, TheCsvHasAByteOrderMarkAndTheFormsTexts) {
    const Outcome r = gelvant("--csv " + path("one.csv") + " " + path("one.gelvant"));
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string csv = readWhole(path("one.csv"));
    EXPECT_EQ(csv.rfind("\xEF\xBB\xBF分组,项目,数值,单位\r\n", 0), 0U);
    EXPECT_NE(csv.find("冷负荷,总冷负荷(W)," + field("totalCoolingLoadW") + ",W\r\n"),
              std::string::npos);
    EXPECT_NE(csv.find("库体尺寸,库体长(m)," + field("storeLength") + ",m\r\n"), std::string::npos);
}

TEST_F(HeadlessReport, WhatCannotBeDoneExitsTwoWithOneLine) {
    std::ofstream(path("not-a-design.gelvant")) << "这不是设计文件";
    fs::create_directories(path("a-folder"));
    struct Case {
        const char* what;
        std::string args;
        const char* says;
    };
    const std::vector<Case> cases{
        {"not a design", "--report " + path("x.pdf") + " " + path("not-a-design.gelvant"),
         "cannot open"},
        {"no such design", "--csv " + path("x.csv") + " " + path("missing.gelvant"), "cannot open"},
        {"a folder as design", "--report " + path("x.pdf") + " " + path("a-folder"), "cannot open"},
        {"output in a missing folder",
         "--report " + path("nowhere/x.pdf") + " " + path("one.gelvant"), "cannot write"},
        {"csv output over a folder", "--csv " + path("a-folder") + " " + path("one.gelvant"),
         "cannot write"},
        {"no design named", "--report " + path("x.pdf"), "needs an output file and a design file"},
    };
    for (const Case& c : cases) {
        const Outcome r = gelvant(c.args);
        EXPECT_EQ(r.status, 2) << c.what;
        EXPECT_EQ(r.err.rfind("gelvant: ", 0), 0U) << c.what << ": " << r.err;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << c.what << ": " << r.err;
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << c.what << ": " << r.err;
    }
    EXPECT_FALSE(fs::exists(path("x.pdf")));
}

} // namespace
