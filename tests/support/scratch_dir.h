#pragma once

// A folder of the test's own under the test framework's temporary directory
// (TEST_TMPDIR, else the system's), removed with all it holds at the end.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

namespace gelvant::testing_support {

struct ScratchDir {
    std::filesystem::path path;

    ScratchDir() {
        std::string pattern = (std::filesystem::path(testing::TempDir()) / "gelvant-XXXXXX");
        if (mkdtemp(pattern.data()) == nullptr) {
            ADD_FAILURE() << "cannot make a folder like " << pattern;
        }
        path = pattern;
    }
    ~ScratchDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    std::string file(const std::string& name) const { return (path / name).string(); }
};

} // namespace gelvant::testing_support
