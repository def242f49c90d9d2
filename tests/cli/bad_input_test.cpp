// Bad input to the driver: whatever arrives, the answer is one clear line on
// standard error and exit status 2, and standard output holds only the whole
// JSON lines of the commands before the bad one.

#include "cli_runner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <ostream>
#include <string>

namespace gelvant::testing_cli {
namespace {

// Every line of standard output is complete JSON.
void expectWholeJsonLines(const CliRun& run) {
    if (!run.out.empty()) {
        EXPECT_EQ(run.out.back(), '\n');
    }
    EXPECT_NO_THROW(run.jsonLines()) << run.out.substr(0, 200);
}

// One line on standard error, free of control characters and short enough to read.
void expectOneCleanErrorLine(const CliRun& run) {
    ASSERT_FALSE(run.err.empty());
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_EQ(run.err.back(), '\n');
    EXPECT_TRUE(std::none_of(run.err.begin(), run.err.end() - 1, [](char c) {
        return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
    })) << run.err;
    EXPECT_LT(run.err.size(), 200U) << run.err;
}

struct BadScript {
    const char* name;
    std::string script;
    const char* messagePart;
};

void PrintTo(const BadScript& c, std::ostream* os) {
    *os << c.name;
}

class BadScripts : public testing::TestWithParam<BadScript> {};

TEST_P(BadScripts, StopWithOneCleanLineAndStatusTwo) {
    const BadScript& c = GetParam();
    const CliRun run = runCli("dump\n" + c.script + "\ndump\n");
    EXPECT_EQ(run.status, 2);
    expectWholeJsonLines(run);
    EXPECT_EQ(run.jsonLines().size(), 1U);
    expectOneCleanErrorLine(run);
    EXPECT_EQ(run.err.find("gelvant-cli: line 2: "), 0U) << run.err;
    EXPECT_NE(run.err.find(c.messagePart), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, BadScripts,
    testing::Values(BadScript{"BinaryGarbage",
                              std::string("\x7f"
                                          "ELF\x02\x01\x01\0\0\0",
                                          10),
                              "NUL"},
                    BadScript{"StrayContinuationByte", "type storeLength \x80", "UTF-8"},
                    BadScript{"OverlongSlash", "set roomTemp \xC0\xAF", "UTF-8"},
                    BadScript{"Surrogate", "set roomTemp \xED\xA0\x80", "UTF-8"},
                    BadScript{"CutOffSequence", "set roomTemp \xE5\x86", "UTF-8"},
                    BadScript{"BeyondUnicode", "set roomTemp \xF4\x90\x80\x80", "UTF-8"},
                    BadScript{"LineOverTheLimit", "set roomTemp " + std::string(65536, '5'),
                              "longer than 65536"},
                    BadScript{"TerminalEscapesAreShownNotSent", "frob\x1b[31mred\rX",
                              "'frob\\x1b[31mred\\x0dX'"},
                    BadScript{"LongUnknownWordIsCut", std::string(5000, 'z'), "..."},
                    BadScript{"LongUnknownFieldIsCut", "type " + std::string(300, 'q') + " 5",
                              "unknown field"},
                    BadScript{"UnknownListWithTab", "items \tsiteChoice", "'\\x09siteChoice'"}),
    [](const testing::TestParamInfo<BadScript>& info) { return info.param.name; });

TEST(BadInput, ALineOfExactlyTheLimitIsCarriedOut) {
    std::string line = "set roomTemp 5";
    line.append(65536 - line.size(), ' ');
    const CliRun run = runCli(line + "\ndump\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.lastDump()["fields"]["roomTemp"].get<std::string>().substr(0, 1), "5");
}

TEST(BadInput, AByteOrderMarkBeforeTheFirstCommandIsSkipped) {
    const CliRun run = runCli("\xEF\xBB\xBFset storeLength 9\ndump\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.lastDump()["fields"]["storeLength"], "9");
}

TEST(BadInput, AMissingScriptIsOneLineNamingTheFileAndTheReason) {
    const CliRun run = runCli("", "--no-startup '/nonexistent/dir/with\nnewline'");
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.out.empty());
    expectOneCleanErrorLine(run);
    EXPECT_NE(run.err.find("'/nonexistent/dir/with\\x0anewline'"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("No such file or directory"), std::string::npos) << run.err;
}

TEST(BadInput, ADirectoryIsNoScript) {
    const CliRun run = runCli("", "--no-startup /");
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.out.empty());
    expectOneCleanErrorLine(run);
    EXPECT_NE(run.err.find("Is a directory"), std::string::npos) << run.err;
}

// Runs the driver on a script file with the shell redirections given,
// standard error captured.
CliRun runRedirected(const std::string& script, const std::string& redirections) {
    const std::string base = "/tmp/gelvant-cli-bad-" + std::to_string(::getpid());
    { std::ofstream(base + ".script", std::ios::binary) << script; }
    const std::string command = std::string(GELVANT_CLI) + " --no-startup " + base + ".script " +
                                redirections + " 2> " + base + ".err";
    const int raw = std::system(command.c_str());
    CliRun run{"", readWhole(base + ".err"), WIFEXITED(raw) ? WEXITSTATUS(raw) : -1};
    std::remove((base + ".script").c_str());
    std::remove((base + ".err").c_str());
    return run;
}

TEST(BadInput, StandardInputThatCannotBeReadIsAnErrorNotAnEmptyScript) {
    for (const char* redirection : {"< /", "<&-"}) {
        const std::string command =
            std::string(GELVANT_CLI) + " --no-startup " + redirection + " > /dev/null 2> /dev/null";
        const int raw = std::system(command.c_str());
        EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, 2) << redirection;
    }
}

TEST(BadInput, OutputThatCannotBeWrittenIsAnErrorNotSilentSuccess) {
    for (const char* redirection : {"> /dev/full", ">&-"}) {
        const CliRun run = runRedirected("dump\n", redirection);
        EXPECT_EQ(run.status, 2) << redirection;
        EXPECT_NE(run.err.find("cannot write the output"), std::string::npos) << run.err;
    }
}

} // namespace
} // namespace gelvant::testing_cli
