// Bad input to the driver: whatever arrives, the answer is one clear line on
// standard error and exit status 2, and standard output holds only the whole
// JSON lines of the commands before the bad one.

#include "cli_runner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace gelvant::testing_cli {
namespace {

// A bad second line stops the script after the first line's dump; a bad
// invocation (`tail`: arguments or redirections) prints nothing.
struct BadCase {
    const char* name;
    std::string line2;
    const char* tail;
    const char* error; // part of the error line
    bool standardStreamOfNode = false;
};
constexpr bool kNodeStream = true;

// The WebAssembly driver runs under Node, which opens a standard stream it
// was started without on /dev/null and hands a directory on standard input
// to the program as an empty stream: the driver never sees those faults.
bool runByNode() {
    return cliCommand() != GELVANT_CLI;
}

TEST(BadInput, OneCleanErrorLineStatusTwoAndOnlyWholeJsonLines) {
    constexpr const char* kUtf8 = "line 2: line is not valid UTF-8";
    const std::vector<BadCase> cases{
        {"BinaryGarbage", std::string("\177ELF\2\1\1\0\0\0", 10), "",
         "line 2: line holds a NUL byte"},
        {"StrayContinuationByte", "type storeLength \x80", "", kUtf8},
        {"OverlongSlash", "set roomTemp \xC0\xAF", "", kUtf8},
        {"Surrogate", "set roomTemp \xED\xA0\x80", "", kUtf8},
        {"CutOffSequence", "set roomTemp \xE5\x86", "", kUtf8},
        {"BeyondUnicode", "set roomTemp \xF4\x90\x80\x80", "", kUtf8},
        {"LineOverTheLimit", "set roomTemp " + std::string(65536, '5'), "",
         "line 2: line longer than 65536 bytes"},
        {"TerminalEscapesShownNotSent", "frob\x1b[31mred\rX", "",
         "line 2: unknown command 'frob\\x1b[31mred\\x0dX'"},
        {"LongUnknownWordIsCut", std::string(5000, 'z'), "", "zzz'..."},
        {"LongUnknownFieldIsCut", "type " + std::string(300, 'q') + " 5", "", "unknown field 'qqq"},
        {"UnknownListWithTab", "items \tsiteChoice", "", "unknown list '\\x09siteChoice'"},
        {"MissingScript", "", "'/nonexistent/dir/with\nnewline'",
         "cannot open script '/nonexistent/dir/with\\x0anewline': No such file or directory"},
        {"DirectoryAsScript", "", "/", "cannot open script '/': Is a directory"},
        {"InputIsADirectory", "", "< /", "line 1: cannot read the script", kNodeStream},
        {"InputClosed", "", "<&-", "line 1: cannot read the script", kNodeStream},
        {"OutputDeviceFull", "", "> /dev/full", "line 1: cannot write the output"},
        {"OutputClosed", "", ">&-", "line 1: cannot write the output", kNodeStream},
    };
    for (const BadCase& c : cases) {
        if (c.standardStreamOfNode && runByNode()) {
            continue;
        }
        SCOPED_TRACE(c.name);
        const CliRun run = runCli("dump\n" + c.line2 + "\ndump\n", "--no-startup", c.tail);
        EXPECT_EQ(run.status, 2);
        EXPECT_TRUE(run.out.empty() || run.out.ends_with('\n'));
        std::size_t wholeLines = 0;
        EXPECT_NO_THROW(wholeLines = run.jsonLines().size()) << run.out.substr(0, 200);
        EXPECT_EQ(wholeLines, c.line2.empty() ? 0U : 1U);
        // One short line, free of control characters, naming the fault.
        EXPECT_TRUE(run.err.starts_with("gelvant-cli: ") && run.err.ends_with('\n')) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_TRUE(std::none_of(run.err.begin(), run.err.end(), [](char ch) {
            return (static_cast<unsigned char>(ch) < 0x20 && ch != '\n') || ch == 0x7F;
        })) << run.err;
        EXPECT_LT(run.err.size(), 200U) << run.err;
        EXPECT_NE(run.err.find(c.error), std::string::npos) << run.err;
    }
}

// Just inside what is refused: a line of exactly the limit, and a byte-order
// mark before the first command.
TEST(BadInput, TheEdgesOfTheRefusedAreCarriedOut) {
    std::string atTheLimit = "set storeLength 9";
    atTheLimit.append(65536 - atTheLimit.size(), ' ');
    const std::pair<std::string, std::string> cases[] = {{atTheLimit, atTheLimit.substr(16)},
                                                         {"\xEF\xBB\xBFset storeLength 9", "9"}};
    for (const auto& [line, shown] : cases) {
        const CliRun run = runCli(line + "\ndump\n");
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.lastDump()["fields"]["storeLength"], shown);
    }
}

} // namespace
} // namespace gelvant::testing_cli
