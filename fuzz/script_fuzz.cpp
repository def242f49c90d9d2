// Any bytes as a gelvant-cli script. The interpreter must never crash, end
// with status 0 or 2, print only whole lines of JSON on standard output, and
// on a usage error print exactly one line naming the script line.
//
// The form is opened with the start-up sequence unless the script begins
// with the comment line "#no-startup".

#include "script/script.h"

#include <nlohmann/json.hpp>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

namespace {

[[noreturn]] void fail(const std::string& what, const std::string& output) {
    std::fprintf(stderr, "script_fuzz: %s\n--- output ---\n%.2000s\n", what.c_str(),
                 output.c_str());
    std::abort();
}

void checkJsonLines(const std::string& out) {
    if (!out.empty() && out.back() != '\n') {
        fail("standard output ends in a partial line", out);
    }
    std::size_t start = 0;
    while (start < out.size()) {
        const std::size_t end = out.find('\n', start);
        const std::string_view line(out.data() + start, end - start);
        const auto json = nlohmann::json::parse(line, nullptr, false);
        if (json.is_discarded() || !(json.is_object() || json.is_array())) {
            fail("a line of standard output is not a JSON object or array", std::string(line));
        }
        start = end + 1;
    }
}

void checkErrorLine(const std::string& err, int status) {
    if (status == gelvant::kScriptOk) {
        if (!err.empty()) {
            fail("a script that ended normally wrote to standard error", err);
        }
        return;
    }
    const bool oneLine = !err.empty() && err.find('\n') == err.size() - 1;
    if (!oneLine || err.rfind("gelvant-cli: line ", 0) != 0) {
        fail("the usage error is not one line naming the script line", err);
    }
    for (const char c : err.substr(0, err.size() - 1)) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            fail("the usage error carries a control character", err);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string script(reinterpret_cast<const char*>(data), size);
    // Saving and opening reach the files of the machine the fuzzer runs on:
    // the design file target covers the reader instead.
    if (script.find("save") != std::string::npos || script.find("open") != std::string::npos) {
        return 0;
    }
    std::istringstream in(script);
    std::ostringstream out;
    std::ostringstream err;
    gelvant::ScriptOptions options;
    options.runStartup = script.rfind("#no-startup\n", 0) != 0;

    const int status = gelvant::runScript(in, out, err, options);
    if (status != gelvant::kScriptOk && status != gelvant::kUsageError) {
        fail("exit status " + std::to_string(status), err.str());
    }
    checkJsonLines(out.str());
    checkErrorLine(err.str(), status);
    return 0;
}
