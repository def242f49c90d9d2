#pragma once

// Runs the built gelvant-cli as an outside tool would: a script on standard
// input, standard output and error and the exit status captured.

#include <nlohmann/json.hpp>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
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

inline std::string readWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline CliRun runCli(const std::string& script, const std::string& args = "--no-startup") {
    char dir[] = "/tmp/gelvant-cli-XXXXXX";
    const std::string base = mkdtemp(dir);
    const std::string in = base + "/script", out = base + "/out", err = base + "/err";
    { std::ofstream(in, std::ios::binary) << script; }
    const std::string command =
        std::string(GELVANT_CLI) + " " + args + " < " + in + " > " + out + " 2> " + err;
    const int raw = std::system(command.c_str());
    CliRun run{readWhole(out), readWhole(err), WIFEXITED(raw) ? WEXITSTATUS(raw) : -1};
    std::remove(in.c_str());
    std::remove(out.c_str());
    std::remove(err.c_str());
    rmdir(base.c_str());
    return run;
}

} // namespace gelvant::testing_cli
