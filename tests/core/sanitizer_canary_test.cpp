// The sanitizer build must stop on the faults it is there to catch; these
// canaries fail if a flag goes missing (GCC, for one, leaves float-to-integer
// overflow out of -fsanitize=undefined unless it is named).

#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

namespace gelvant {
namespace {

#if defined(GELVANT_SANITIZED)

TEST(SanitizerCanaryDeathTest, RawCastOfAnInfiniteLoadToAnIntegerStopsTheRun) {
    EXPECT_DEATH(
        {
            volatile double loadW = 1e20;
            volatile int field = static_cast<int>(loadW);
            (void)field;
        },
        "outside the range of representable values");
}

// An index past the items of a list whose storage has room to spare: the
// address sanitizer sees no bad address, the library's assertions see it.
int itemAt(std::size_t index) {
    std::vector<int> items{6, 8, 10, 12, 15};
    items.reserve(16);
    return items[index];
}

TEST(SanitizerCanaryDeathTest, IndexPastTheItemsOfAListStopsTheRun) {
    volatile std::size_t index = 5;
    EXPECT_DEATH((void)itemAt(index), "__n < this->size\\(\\)");
}

#endif

} // namespace
} // namespace gelvant
