#include "sheet/design_dlg.h"
#include "window/design_form.h"

#include <gtest/gtest.h>

#include <ostream>

namespace gelvant {
namespace {

struct CommandCase {
    const char* name;
    unsigned commandId;
    bool opensAbout;
};

void PrintTo(const CommandCase& c, std::ostream* os) {
    *os << "command 0x" << std::hex << c.commandId << std::dec;
}

class AboutCommand : public testing::TestWithParam<CommandCase> {};

// The About entry of the window menu is command 16; the window manager may
// set the low four bits, which do not change the command.
TEST_P(AboutCommand, OpensTheAboutBoxOnlyForCommandSixteen) {
    RecordingPresenter presenter;
    CDesignDlg dlg(designFormLayout(), presenter);
    dlg.systemCommand(GetParam().commandId);
    EXPECT_EQ(presenter.aboutBoxes, GetParam().opensAbout ? 1 : 0);
    EXPECT_TRUE(presenter.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Commands, AboutCommand,
    testing::Values(CommandCase{"About", 16, true}, CommandCase{"AboutLowBitsSet", 16 + 3, true},
                    CommandCase{"AboutAllLowBits", 31, true}, CommandCase{"Zero", 0, false},
                    CommandCase{"NextBlock", 32, false}, CommandCase{"Close", 0xF060, false},
                    CommandCase{"Minimise", 0xF020, false}),
    [](const testing::TestParamInfo<CommandCase>& info) { return info.param.name; });

} // namespace
} // namespace gelvant
