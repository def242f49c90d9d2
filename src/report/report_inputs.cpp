#include "report/report_inputs.h"

#include "form_tables/form_cells_table.h"
#include "form_tables/form_groups_table.h"
#include "report/report_model.h"

#include <algorithm>
#include <array>

namespace gelvant {
namespace {

// The input groups in the order a reader goes through the design: the store,
// its insulation, the goods, the air, the door and floor, the people and
// lights, the packaging and the air coolers.
constexpr std::array kInputGroups{
    FormGroup::StoreSize,      FormGroup::Insulation,  FormGroup::Goods,
    FormGroup::GoodsHeat,      FormGroup::Ventilation, FormGroup::Respiration,
    FormGroup::DoorAndFloor,   FormGroup::Workers,     FormGroup::Lighting,
    FormGroup::OtherMaterials, FormGroup::AirCoolers};

// The fields and lists of one form group, in the form's order; hidden boxes
// and lists are left out, as the form does not show them.
ReportGroup inputGroup(const FormReader& form, FormGroup group) {
    ReportGroup out{std::string(formGroupDef(group).title), {}};
    for (const FormCellDef& cell : kFormCells) {
        if (cell.group != group) {
            continue;
        }
        if (cell.kind == CellKind::Field || cell.kind == CellKind::BareField) {
            const std::size_t index = *fieldIndexByControl(cell.control);
            if (kFields[index].box != BoxStyle::Hidden) {
                out.fields.push_back(form.boxField(index));
            }
        } else if (cell.kind == CellKind::List && form.isVisible(cell.control)) {
            out.fields.push_back(form.listField(cell.control));
        }
    }
    return out;
}

// The designer's entries the room's lists have chosen, each as a group:
// its name, then its values as their boxes would show them.
std::vector<ReportGroup> ownDataGroups(const FormReader& form, const Library& library) {
    std::vector<ReportGroup> groups;
    for (const LibraryKind kind : kLibraryKinds) {
        const int listCtl = libraryListControl(kind);
        const ListChoice* choice = form.list(listCtl);
        const auto lists = designFormLists();
        const auto def = std::find_if(lists.begin(), lists.end(),
                                      [&](const ListDef& d) { return d.controlId == listCtl; });
        if (choice == nullptr || def == lists.end() || choice->current < 0) {
            continue;
        }
        const auto builtIn = def->itemCount(form.referenceRowsAppended());
        const auto& entries = library.of(kind);
        const auto index = static_cast<std::size_t>(choice->current);
        if (index < builtIn || index - builtIn >= entries.size()) {
            continue;
        }
        const LibraryEntry& entry = entries[index - builtIn];
        const LibraryKindDef& kindDef = libraryKindDef(kind);
        ReportGroup group{std::string(kOwnDataTitle) + "：" + std::string(kindDef.title),
                          {{"名称", entry.name, {}}}};
        for (const LibraryKeyDef& key : kindDef.keys) {
            const std::string_view label = trimLabel(keyField(key).label);
            group.fields.push_back(
                {std::string(label), entryValueText(entry, key), std::string(labelUnit(label))});
        }
        groups.push_back(std::move(group));
    }
    return groups;
}

} // namespace

std::vector<ReportGroup> inputGroups(const FormReader& form, const Library& library) {
    std::vector<ReportGroup> groups;
    groups.reserve(kInputGroups.size() + kLibraryKinds.size());
    for (const FormGroup group : kInputGroups) {
        groups.push_back(inputGroup(form, group));
    }
    for (ReportGroup& group : ownDataGroups(form, library)) {
        groups.push_back(std::move(group));
    }
    return groups;
}

} // namespace gelvant
