#pragma once

// Runs the built gelvant-cli as an outside tool would: a script on standard
// input, standard output and error and the exit status captured; and reads
// back what a dump shows.

#include "support/scratch_dir.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace gelvant::testing_cli {

struct CliRun {
    std::string out;
    std::string err;
    int status = -1;

    std::vector<nlohmann::ordered_json> jsonLines() const {
        std::vector<nlohmann::ordered_json> lines;
        std::size_t start = 0;
        while (start < out.size()) {
            const auto end = out.find('\n', start);
            lines.push_back(nlohmann::ordered_json::parse(out.substr(start, end - start)));
            start = end == std::string::npos ? out.size() : end + 1;
        }
        return lines;
    }
    nlohmann::ordered_json lastDump() const { return jsonLines().back(); }
};

// A box or text line by its name, anything else by its place in the dump
// (a JSON pointer such as "/lists/doorChoice/index").
inline std::string shownIn(const nlohmann::ordered_json& dump, const std::string& name) {
    for (const char* section : {"fields", "texts"}) {
        if (dump.at(section).contains(name)) {
            return dump.at(section).at(name).get<std::string>();
        }
    }
    const auto& value = dump.at(nlohmann::ordered_json::json_pointer(name));
    return value.is_string() ? value.get<std::string>() : value.dump();
}

// A worked example: a script and what the form shows after it, each entry
// named as shownIn takes it.
struct RunCase {
    const char* name;
    std::string script;
    std::vector<std::pair<const char*, const char*>> shown;
};

inline void PrintTo(const RunCase& c, std::ostream* os) {
    *os << c.name;
}

inline std::string runCaseName(const testing::TestParamInfo<RunCase>& info) {
    return info.param.name;
}

inline std::string readWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The driver under test: the one built beside these tests, or the command
// GELVANT_CLI_COMMAND names (the WebAssembly driver run by Node), so that
// both builds answer the same cases.
inline std::string cliCommand() {
    const char* command = std::getenv("GELVANT_CLI_COMMAND");
    return command != nullptr && *command != '\0' ? command : GELVANT_CLI;
}

// `tail` (arguments or redirections) comes after the captured streams, so
// its redirections win.
inline CliRun runCli(const std::string& script, const std::string& args = "--no-startup",
                     const std::string& tail = "") {
    const testing_support::ScratchDir dir;
    const std::string in = dir.file("script"), out = dir.file("out"), err = dir.file("err");
    { std::ofstream(in, std::ios::binary) << script; }
    const std::string command =
        cliCommand() + " " + args + " < " + in + " > " + out + " 2> " + err + " " + tail;
    const int raw = std::system(command.c_str());
    return {readWhole(out), readWhole(err), WIFEXITED(raw) ? WEXITSTATUS(raw) : -1};
}

// Runs the case's script and a dump: every named entry shows its text.
inline void expectShows(const RunCase& c, const std::string& args = "--no-startup") {
    const CliRun run = runCli(c.script + "dump\n", args);
    ASSERT_EQ(run.status, 0) << run.err;
    const auto dump = run.lastDump();
    for (const auto& [name, text] : c.shown) {
        EXPECT_EQ(shownIn(dump, name), text) << name;
    }
}

} // namespace gelvant::testing_cli
