// The plant's machine load by the national code, against figures worked by
// hand: each use alone, the goods flow without the load factor p, groups of
// frozen stores stepping n4 and n5, direct and indirect plants, coils and air
// coolers, and two uses at one evaporating temperature, per tonne too.

#include "core/report_forms.h"
#include "document/design_file_io.h"
#include "evaporator/room_choices.h"
#include "form/field_dictionary.h"
#include "plant/machine_load.h"
#include "plant/plant_settings.h"
#include "report/machine_load_table.h"
#include "report/report_numbers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

using namespace gelvant;
using namespace gelvant::testing_report;

namespace {

// Flows a room hands the plant: Q1 1000, Q2 1500 + 300 + 200, Q3 300,
// Q4 400 (air coolers), Q5 500.
std::shared_ptr<const FormState> flowsForm() {
    FormState form = *startupForm();
    DesignSheet& s = form.sheet;
    s.wallLeakHeatW = 1000;
    s.goodsHeatW = 1500;
    s.respirationHeatW = 300;
    s.materialHeatW = 200;
    s.ventilationHeatW = 300;
    s.airCoolerHeatW = 400.0F;
    s.operatingHeatW = 500;
    return std::make_shared<const FormState>(form);
}

struct PlannedRoom {
    RoomUse use;
    CoolingEquipment equipment = CoolingEquipment::AirCooler;
    std::optional<double> p{}; // none: the use's
};

// Each room of a planned group stores this much.
constexpr float kRoomTonnage = 2.5F;

// Rooms at one evaporating temperature, every one in the sums.
GroupMachineLoad plannedGroup(const std::vector<PlannedRoom>& planned, PlantSettings plant = {}) {
    Project project;
    project.plant = plant;
    ProjectSummary summary;
    EvaporatingGroup group{-10.0, {}, 0, 0};
    for (const PlannedRoom& p : planned) {
        group.rooms.push_back(project.rooms.size());
        project.rooms.push_back(Room{"库房", p.equipment, flowsForm(), p.use, p.p});
        RoomSummary r;
        r.inSums = true;
        r.evaporatingTemp = -10.0;
        r.storageTonnage = kRoomTonnage;
        summary.rooms.push_back(r);
    }
    summary.groups.push_back(group);
    const MachineLoad load = machineLoad(project, summary);
    EXPECT_EQ(load.totalW, load.groups.at(0).machineLoadW);
    return load.groups.at(0);
}

std::vector<PlannedRoom> frozenStores(std::size_t count) {
    return std::vector<PlannedRoom>(count, PlannedRoom{RoomUse::Frozen});
}

} // namespace

TEST(MachineLoad, EachCaseAgainstTheFigureWorkedByHand) {
    const PlantSettings indirect{CoolingSystem::Indirect};
    const auto coil = CoolingEquipment::Coil;
    const auto air = CoolingEquipment::AirCooler;
    // Q2 of a chilling or freezing room by default: 2000 W / 1.3.
    const double goodsOver13 = 2000 / 1.3;
    struct Case {
        const char* what;
        std::vector<PlannedRoom> rooms;
        PlantSettings plant;
        double expectedW;
    } cases[] = {
        // clang-format off
        // Alone: n4 = n5 = 1; the flows sum to 4200 W, 3700 W without Q5.
        // Chilling and freezing rooms hand the plant their goods without p = 1.3.
        {"chilling: goods ÷ 1.3, no Q5", {{RoomUse::Chilling}}, {}, (1700 + goodsOver13) * 1.07},
        {"freezing: goods ÷ 1.3, no Q5", {{RoomUse::Freezing}}, {}, (1700 + goodsOver13) * 1.07},
        {"freezing room, p 1: goods whole", {{RoomUse::Freezing, air, 1.0}}, {}, 3700 * 1.07},
        {"freezing room, p 1.2", {{RoomUse::Freezing, air, 1.2}}, {}, (1700 + 2000 / 1.2) * 1.07},
        {"chilled store: p 1, goods × 0.6", {{RoomUse::Chilled}}, {}, 3400 * 1.07},
        {"chilled store taking goods not chilled: p 1.3, then × 0.6",
         {{RoomUse::Chilled, air, 1.3}}, {}, (2200 + 0.6 * goodsOver13) * 1.07},
        {"frozen store: goods × 0.8", {{RoomUse::Frozen}}, {}, 3800 * 1.07},
        {"ice store", {{RoomUse::Ice}}, {}, 4200 * 1.07},
        {"anteroom", {{RoomUse::Anteroom}}, {}, 4200 * 1.07},
        {"processing room", {{RoomUse::Processing}}, {}, 4200 * 1.07},
        {"coil room: no motor flow", {{RoomUse::Chilled, coil}}, {}, 3000 * 1.07},
        {"indirect plant", {{RoomUse::Frozen}}, indirect, 3800 * 1.12},
        {"designer's coefficients", {{RoomUse::Frozen}},
         {CoolingSystem::Direct, 0.5, 0.5, 0.6, 0.5}, (500 + 1000 + 150 + 400 + 500) * 1.07},
        // 1000 + 1600 + 300 + n·400 + n·500 per frozen store.
        {"two frozen stores: n4 = n5 = 0.5", frozenStores(2), {}, 2 * 3350 * 1.07},
        {"four frozen stores: n4 = n5 = 0.5", frozenStores(4), {}, 4 * 3350 * 1.07},
        {"five frozen stores: n4 = n5 = 0.4", frozenStores(5), {}, 5 * 3260 * 1.07},
        // Two chilled stores keep n4 = 1 but share n5 = 0.5; the frozen store is alone.
        {"mixed group", {{RoomUse::Chilled}, {RoomUse::Frozen}, {RoomUse::Chilled}}, {},
         (2 * 3150 + 3800) * 1.07},
        {"two freezing rooms on coils: motors 0, n4 stays 1",
         {{RoomUse::Freezing, coil}, {RoomUse::Freezing, coil}}, {},
         2 * (1300 + goodsOver13) * 1.07},
        // Each room's Q2 by its own p: freezing 1.3 and 1 (n5 0.5 of no
        // operating flow), a chilled store alone with p 1.
        {"freezing rooms with p 1.3 and 1 beside a chilled store",
         {{RoomUse::Freezing}, {RoomUse::Freezing, air, 1.0}, {RoomUse::Chilled}}, {},
         ((1700 + goodsOver13) + 3700 + 3400) * 1.07},
        // clang-format on
    };
    for (const Case& c : cases) {
        const GroupMachineLoad group = plannedGroup(c.rooms, c.plant);
        EXPECT_NEAR(group.machineLoadW, c.expectedW, 1e-9) << c.what;
        // Per tonne of the group's storage.
        EXPECT_NEAR(group.machineLoadPerTonW,
                    c.expectedW / (static_cast<double>(kRoomTonnage) * c.rooms.size()), 1e-9)
            << c.what;
    }
}

TEST(MachineLoad, CoefficientsStepWithTheRoomsOfOneUse) {
    const PlantSettings plant;
    struct Case {
        RoomUse use;
        std::size_t sameUse;
        FlowCoefficients expected;
    } cases[] = {
        {RoomUse::Frozen, 1, {1, 0.8, 1, 1, 1}},     {RoomUse::Frozen, 3, {1, 0.8, 1, 0.5, 0.5}},
        {RoomUse::Frozen, 9, {1, 0.8, 1, 0.4, 0.4}}, {RoomUse::Chilled, 5, {1, 0.6, 1, 1, 0.4}},
        {RoomUse::Chilling, 2, {1, 1, 1, 1, 0.5}},   {RoomUse::Freezing, 6, {1, 1, 1, 1, 0.4}},
        {RoomUse::Anteroom, 2, {1, 1, 1, 0.5, 0.5}}, {RoomUse::Ice, 5, {1, 1, 1, 0.4, 0.4}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(flowCoefficients(c.use, c.sameUse, plant), c.expected)
            << useKey(c.use) << " × " << c.sameUse;
    }
}

TEST(MachineLoad, GroupsFollowTheSummaryAndRoomsLeftOutKeepTheirFlows) {
    Project project = singleRoomProject(startupForm());
    project.rooms.push_back(room("冻结物冷藏间", referenceRoomForm(12)));
    project.rooms.push_back(room("未算", blankForm()));
    project.rooms.push_back(room("冻结物冷藏间2", referenceRoomForm(12), CoolingEquipment::Coil));
    const ProjectSummary summary = summarizeProject(project);
    const MachineLoad load = machineLoad(project, summary);
    ASSERT_EQ(load.rooms.size(), 4U);
    ASSERT_EQ(load.groups.size(), summary.groups.size());
    double totalW = 0;
    for (std::size_t g = 0; g < load.groups.size(); ++g) {
        EXPECT_EQ(load.groups[g].rooms, summary.groups[g].rooms);
        EXPECT_EQ(load.groups[g].evaporatingTemp, summary.groups[g].evaporatingTemp);
        totalW += load.groups[g].machineLoadW;
    }
    EXPECT_EQ(load.totalW, totalW);
    EXPECT_FALSE(load.rooms[2].inSums);
    EXPECT_EQ(load.rooms[2].n[3], 1.0);
    EXPECT_EQ(load.rooms[2].n[4], 1.0);
    // The same frozen store on coils hands the plant no motor heat.
    EXPECT_GT(load.rooms[1].flows[3], 0.0);
    EXPECT_EQ(load.rooms[3].flows[3], 0.0);
    EXPECT_EQ(load.rooms[1].use, (AppliedUse{RoomUse::Frozen, true}));
    // The plant's basis: the statement, one line per group, the total; each
    // sets the machine load beside the rooms' own compressor lines.
    const std::vector<std::string> basis = machineLoadTable(summary, load).basis;
    ASSERT_EQ(basis.size(), load.groups.size() + 2);
    const std::string& total = basis.back();
    EXPECT_NE(total.find("机械负荷 " + numberText(load.totalW / 1000, 1) + " kW"),
              std::string::npos)
        << total;
    EXPECT_NE(
        total.find("库房选配合计 " + numberText(summary.total.capacityKw, 1) + " kW，比机械负荷多"),
        std::string::npos)
        << total;
}

TEST(MachineLoad, TemperatureDifferenceBeyondTheSystemsLimit) {
    struct Case {
        CoolingSystem system;
        double evaporatingTemp;
        bool over;
    } cases[] = {
        {CoolingSystem::Direct, -10, false},
        {CoolingSystem::Direct, -10.5, true},
        {CoolingSystem::Indirect, -15, false},
        {CoolingSystem::Indirect, -16, true},
        {CoolingSystem::Direct, std::numeric_limits<double>::quiet_NaN(), false},
    };
    for (const Case& c : cases) {
        Project project = singleRoomProject(startupForm());
        project.plant.system = c.system;
        ProjectSummary summary;
        RoomSummary r;
        r.roomTemp = 0;
        r.evaporatingTemp = c.evaporatingTemp;
        summary.rooms.push_back(r);
        EXPECT_EQ(machineLoad(project, summary).rooms[0].tempDiffOverLimit, c.over)
            << systemKey(c.system) << " at " << c.evaporatingTemp;
    }
    // The note the summary, the report and the CSV give such a room.
    const Project project = singleRoomProject(startupForm());
    ProjectSummary summary;
    RoomSummary r;
    r.name = "库房1";
    r.roomTemp = 0;
    r.evaporatingTemp = -12;
    summary.rooms.push_back(r);
    EXPECT_EQ(machineLoadTable(summary, machineLoad(project, summary)).tempDiffNotes,
              std::vector<std::string>{
                  "库房1：库温与蒸发温度相差 12.0℃，超过直接冷却的 10℃（GB 50072）。"});
}

TEST(RoomUse, InferredFromRoomKindTemperatureAndGoods) {
    const auto kinds = roomKindItems();
    const auto index = [](const std::vector<std::string>& items, std::string_view item) {
        const auto at = std::find(items.begin(), items.end(), item);
        EXPECT_NE(at, items.end()) << item;
        return static_cast<int>(at - items.begin());
    };
    struct Case {
        int roomKind; // -1: none chosen
        const char* roomTemp;
        bool iceGoods;
        RoomUse expected;
    } cases[] = {
        {1, "-5", false, RoomUse::Freezing}, {1, "-4.9", false, RoomUse::Chilling},
        {2, "-5", false, RoomUse::Frozen},   {2, "0", false, RoomUse::Chilled},
        {2, "-10", true, RoomUse::Ice},      {0, "-20", false, RoomUse::Processing},
        {-1, "-18", false, RoomUse::Frozen}, {-1, "2", false, RoomUse::Chilled},
        {-1, "-10", true, RoomUse::Frozen}, // ice goods make an ice store only of a store
    };
    for (const Case& c : cases) {
        const auto form = formAfter([&](CDesignDlg& dlg) {
            dlg.userClearsList(ctl::roomKindChoice);
            if (c.roomKind >= 0) {
                dlg.userChooses(ctl::roomKindChoice,
                                index(dlg.items(ctl::roomKindChoice), kinds[c.roomKind]));
            }
            if (c.iceGoods) {
                dlg.userChooses(ctl::goodsKindChoice,
                                index(dlg.items(ctl::goodsKindChoice), "机制冰"));
            }
            dlg.userEdits(*fieldIndexByName("roomTemp"), c.roomTemp);
        });
        EXPECT_EQ(inferredUse(*form), c.expected) << c.roomKind << " at " << c.roomTemp;
        EXPECT_EQ(appliedUse(room("r", form)), (AppliedUse{c.expected, true}));
    }
    Room chosen = room("r", startupForm());
    chosen.use = RoomUse::Anteroom;
    EXPECT_EQ(appliedUse(chosen), (AppliedUse{RoomUse::Anteroom, false}));
}

TEST(PlantSettings, CoefficientsWithinTheirRangesOnly) {
    struct Case {
        PlantCoefficient which;
        double value;
        bool accepted;
    } cases[] = {
        {PlantCoefficient::N1, 0.5, true},           {PlantCoefficient::N1, 1.5, true},
        {PlantCoefficient::N1, 0.49, false},         {PlantCoefficient::N1, 1.51, false},
        {PlantCoefficient::N3, 1.0, true},           {PlantCoefficient::N3, 1.01, false},
        {PlantCoefficient::N2Chilled, 0.3, true},    {PlantCoefficient::N2Chilled, 0.7, false},
        {PlantCoefficient::N2Frozen, 0.8, true},     {PlantCoefficient::N2Frozen, 0.4, false},
        {PlantCoefficient::N1, std::nan(""), false},
    };
    for (const Case& c : cases) {
        const auto set = withCoefficient(PlantSettings{}, c.which, c.value);
        ASSERT_EQ(set.has_value(), c.accepted) << coefficientDef(c.which).key << " " << c.value;
        if (set) {
            EXPECT_EQ((*set).*coefficientDef(c.which).member, c.value);
            EXPECT_TRUE(withinRanges(*set));
        }
    }
    EXPECT_EQ(outOfRangeMessage(PlantCoefficient::N1),
              "围护结构热流量季节修正系数 n1 应在 0.5～1.5 之间。");
    EXPECT_EQ(outOfRangeMessage(PlantCoefficient::N3), "同期换气系数 n3 应在 0.5～1 之间。");
    EXPECT_EQ(goodsLoadFactorRangeMessage(), "负荷系数 p 应在 1～1.3 之间。");
}

// The example project's machine load as the summary window, the report and
// the CSV show it.
TEST(MachineLoadTable, TheExampleProjectsTexts) {
    const std::string path =
        std::string(GELVANT_SOURCE_DIR) + "/examples/distribution-cold-store.gelvant";
    const DesignReadResult read = openDesignFile(path);
    ASSERT_TRUE(read.design);
    Project project = read.design->project;
    project.plant.system = CoolingSystem::Indirect;
    project.rooms[4].use = RoomUse::Anteroom;
    const ProjectSummary summary = summarizeProject(project);
    const MachineLoadTable table = machineLoadTable(summary, machineLoad(project, summary));
    ASSERT_EQ(table.rooms.size(), 5U);
    // The freezing room's goods and trolleys, 37844 W + 2059 W, without p = 1.3.
    EXPECT_EQ(table.rooms[3], (MachineRoomRow{"冻结间", "冻结间（自动）", "1912", "30695", "0",
                                              "4400", "0", "1/1/1/1/1", "1.3"}));
    EXPECT_EQ(table.rooms[4][1], "穿堂");
    EXPECT_EQ(table.rooms[1][7], "1/0.8/1/0.5/0.5");
    EXPECT_EQ(table.rooms[1][8], "1");
    ASSERT_EQ(table.groups.size(), 4U);
    // 1.12 × (1912 + 30694.6 + 4400) W over 8 t.
    EXPECT_EQ(table.groups[0], (MachineGroupRow{"-33", "冻结间", "1912", "30695", "0", "4400", "0",
                                                "41447", "41.4", "5181"}));
    // 1.12 × 16993.6 W over 124.1 t + 82.3 t.
    EXPECT_EQ(table.groups[1], (MachineGroupRow{"-28", "冻结物冷藏间1、冻结物冷藏间2", "10875",
                                                "3977", "0", "0", "5874", "19033", "19.0", "92"}));
    EXPECT_EQ(table.total[0], "合计");
    EXPECT_EQ(table.total[1], "5");
    EXPECT_EQ(table.coefficients.front().value, "1.12");
    EXPECT_TRUE(table.leftOutNotes.empty());
    EXPECT_TRUE(table.tempDiffNotes.empty());
}
