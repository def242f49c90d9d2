#include "document/design_document.h"

#include "form/controls.h"
#include "form_tables/design_form.h"
#include "plant/plant_settings.h"
#include "project/result_inputs.h"
#include "project/startup_form.h"

#include <algorithm>
#include <utility>

namespace gelvant {

DesignDocument::DesignDocument(CDesignDlg& form)
    : form_(form),
      project_(singleRoomProject(std::make_shared<const FormState>(form.captureState()))) {
    project_.library = form_.library();
}

bool DesignDocument::takeFormIntoRoom(unsigned long computationsBefore) {
    FormState now = form_.captureState();
    Room& room = project_.rooms[project_.current];
    bool changed = false;
    // An action that computed: the room's results now answer to its inputs.
    if (form_.computations() != computationsBefore) {
        const std::uint64_t inputs = inputsFingerprint(now);
        changed = room.computedInputs != inputs;
        room.computedInputs = inputs;
    }
    if (now.sameForm(*room.form)) {
        return changed;
    }
    room.form = std::make_shared<const FormState>(std::move(now));
    return true;
}

void DesignDocument::recordStep(Project before) {
    history_.push(UndoStep{std::move(before), project_});
}

void DesignDocument::showCurrentRoom() {
    if (form_.library() != project_.library) {
        form_.setLibrary(project_.library);
    }
    form_.restoreState(*project_.currentRoom().form);
}

// --- Actions on the form -------------------------------------------------------------

void DesignDocument::typeInto(std::size_t field, std::string text) {
    typingAction(kFields[field].controlId, [&] { form_.userEdits(field, std::move(text)); });
}

void DesignDocument::typeOverList(int listCtl, std::string text) {
    typingAction(listCtl, [&] { form_.userClearsList(listCtl, std::move(text)); });
}

void DesignDocument::typingAction(int control, const std::function<void()>& action) {
    const bool sameRun = typingRun_ && typingRun_->room == project_.current &&
                         typingRun_->control == control && typingRun_->hasStep &&
                         history_.lastStep() != nullptr;
    Project before = project_;
    const unsigned long computations = form_.computations();
    action();
    if (!sameRun) {
        const bool changed = takeFormIntoRoom(computations);
        if (changed) {
            recordStep(std::move(before));
        }
        typingRun_ = TypingRun{project_.current, control, changed};
        return;
    }
    // Another key in the same control: the run's step grows.
    if (!takeFormIntoRoom(computations)) {
        return;
    }
    if (history_.lastStepIsSaved()) {
        history_.forgetSaved(); // the saved design lay inside this run
    }
    UndoStep& step = *history_.lastStep();
    step.after = project_;
    if (step.before.currentRoom().form->sameForm(*project_.currentRoom().form)) {
        history_.dropLastStep(); // typed back to where the run started
        typingRun_->hasStep = false;
    }
}

void DesignDocument::perform(const std::function<void()>& action) {
    typingRun_.reset();
    Project before = project_;
    const unsigned long computations = form_.computations();
    action();
    if (takeFormIntoRoom(computations)) {
        recordStep(std::move(before));
    }
}

void DesignDocument::setProjectInfo(const ProjectInfo& info) {
    if (info == project_.info) {
        return;
    }
    roomOperation([&] { project_.info = info; });
}

// --- Rooms -----------------------------------------------------------------------------

void DesignDocument::roomOperation(const std::function<void()>& change) {
    typingRun_.reset();
    Project before = project_;
    change();
    showCurrentRoom();
    recordStep(std::move(before));
}

void DesignDocument::selectRoom(std::size_t index) {
    if (index >= project_.rooms.size()) {
        return;
    }
    typingRun_.reset();
    project_.current = index;
    showCurrentRoom();
}

void DesignDocument::addRoom(std::optional<std::string> name) {
    roomOperation([&] {
        project_.rooms.push_back(
            roomOfForm(name ? std::move(*name) : nextRoomName(project_.rooms), startupForm()));
        project_.current = project_.rooms.size() - 1;
    });
}

void DesignDocument::copyRoom() {
    roomOperation([&] {
        Room copy = project_.currentRoom();
        copy.name += kCopySuffix;
        const auto at = project_.rooms.begin() + static_cast<std::ptrdiff_t>(project_.current) + 1;
        project_.rooms.insert(at, std::move(copy));
        ++project_.current;
    });
}

void DesignDocument::renameRoom(std::string name) {
    if (name == project_.currentRoom().name) {
        return;
    }
    roomOperation([&] { project_.rooms[project_.current].name = std::move(name); });
}

bool DesignDocument::deleteRoom() {
    if (!canDeleteRoom()) {
        return false;
    }
    roomOperation([&] {
        project_.rooms.erase(project_.rooms.begin() +
                             static_cast<std::ptrdiff_t>(project_.current));
        if (project_.current == project_.rooms.size()) {
            --project_.current; // the last room went: the one before it follows
        }
    });
    return true;
}

bool DesignDocument::canMoveRoom(int direction) const {
    const std::size_t from = project_.current;
    return (direction < 0 && from > 0) || (direction > 0 && from + 1 < project_.rooms.size());
}

bool DesignDocument::moveRoom(int direction) {
    if (!canMoveRoom(direction)) {
        return false;
    }
    const std::size_t from = project_.current;
    const std::size_t to = direction < 0 ? from - 1 : from + 1;
    roomOperation([&] {
        std::swap(project_.rooms[from], project_.rooms[to]);
        project_.current = to;
    });
    return true;
}

void DesignDocument::setEquipment(CoolingEquipment equipment) {
    if (project_.currentRoom().equipment == equipment) {
        return;
    }
    roomOperation([&] { project_.rooms[project_.current].equipment = equipment; });
}

void DesignDocument::setRoomUse(RoomUse use) {
    if (project_.currentRoom().use == use) {
        return;
    }
    roomOperation([&] { project_.rooms[project_.current].use = use; });
}

bool DesignDocument::setGoodsLoadFactor(std::optional<double> p) {
    if (p && !withinGoodsLoadFactorRange(*p)) {
        return false;
    }
    if (project_.currentRoom().goodsLoadFactor != p) {
        roomOperation([&] { project_.rooms[project_.current].goodsLoadFactor = p; });
    }
    return true;
}

bool DesignDocument::setPlantSettings(const PlantSettings& plant) {
    if (!withinRanges(plant)) {
        return false;
    }
    if (plant != project_.plant) {
        roomOperation([&] { project_.plant = plant; });
    }
    return true;
}

void DesignDocument::setLoadUnit(LoadUnit unit) {
    if (unit != project_.loadUnit) {
        roomOperation([&] { project_.loadUnit = unit; });
    }
}

std::vector<RoomMessages> DesignDocument::computeAllRooms() {
    typingRun_.reset();
    Project before = project_;
    std::vector<RoomMessages> gathered;
    RecordingPresenter recorder;
    CDesignDlg scratch(designFormListsAndEvents(), recorder);
    scratch.setLibrary(project_.library);
    bool changed = false;
    for (Room& room : project_.rooms) {
        recorder.messages.clear();
        scratch.restoreState(*room.form);
        scratch.userClicks(ctl::computeButton);
        FormState computed = scratch.captureState();
        const std::uint64_t inputs = inputsFingerprint(computed);
        if (room.computedInputs != inputs) {
            room.computedInputs = inputs;
            changed = true;
        }
        if (!computed.sameForm(*room.form)) {
            room.form = std::make_shared<const FormState>(std::move(computed));
            changed = true;
        }
        if (!recorder.messages.empty()) {
            gathered.push_back(RoomMessages{room.name, std::move(recorder.messages)});
        }
    }
    showCurrentRoom();
    if (changed) {
        recordStep(std::move(before));
    }
    return gathered;
}

// --- The designer's own data -----------------------------------------------------------------

void DesignDocument::libraryOperation(Library next, LibraryKind kind,
                                      const std::function<void(ListChoice&)>& choice) {
    typingRun_.reset();
    Project before = project_;
    project_.library = std::make_shared<const Library>(std::move(next));
    const auto lists = designFormLists();
    const auto slot =
        static_cast<std::size_t>(std::find_if(lists.begin(), lists.end(),
                                              [&](const ListDef& def) {
                                                  return def.controlId == libraryListControl(kind);
                                              }) -
                                 lists.begin());
    for (Room& room : project_.rooms) {
        if (!choice || slot >= room.form->lists.size()) {
            continue;
        }
        ListChoice changed = room.form->lists[slot];
        choice(changed);
        if (changed != room.form->lists[slot]) {
            auto form = std::make_shared<FormState>(*room.form);
            form->lists[slot] = std::move(changed);
            room.form = std::move(form);
        }
    }
    showCurrentRoom();
    recordStep(std::move(before));
}

void DesignDocument::extendLibrary(Library longer) {
    libraryOperation(std::move(longer), LibraryKind::Site, nullptr);
}

void DesignDocument::removeLibraryEntry(LibraryKind kind, std::size_t index) {
    const auto& entries = project_.library->of(kind);
    if (index >= entries.size()) {
        return;
    }
    Library next = *project_.library;
    next.of(kind).erase(next.of(kind).begin() + static_cast<std::ptrdiff_t>(index));
    const auto item = static_cast<int>(form_.builtInItemCount(libraryListControl(kind)) + index);
    libraryOperation(std::move(next), kind, [item](ListChoice& choice) {
        if (choice.current == item) {
            choice = ListChoice{}; // the boxes keep what the entry put in them
        } else if (choice.current > item) {
            --choice.current; // a later entry moves up one place
        }
    });
}

void DesignDocument::changeLibraryEntry(LibraryKind kind, std::size_t index, LibraryEntry entry) {
    if (index >= project_.library->of(kind).size()) {
        return;
    }
    Library next = *project_.library;
    const std::string name = entry.name;
    next.of(kind)[index] = std::move(entry);
    const auto item = static_cast<int>(form_.builtInItemCount(libraryListControl(kind)) + index);
    libraryOperation(std::move(next), kind, [item, &name](ListChoice& choice) {
        if (choice.current == item) {
            choice.editText = name;
        }
    });
}

// --- History ---------------------------------------------------------------------------

bool DesignDocument::undo() {
    typingRun_.reset();
    if (!history_.canUndo()) {
        return false;
    }
    project_ = history_.undo();
    showCurrentRoom();
    return true;
}

bool DesignDocument::redo() {
    typingRun_.reset();
    if (!history_.canRedo()) {
        return false;
    }
    project_ = history_.redo();
    showCurrentRoom();
    return true;
}

void DesignDocument::replaceProject(Project project, bool modified) {
    typingRun_.reset();
    project_ = std::move(project);
    if (project_.rooms.empty()) {
        project_ = singleRoomProject(startupForm());
    }
    if (project_.current >= project_.rooms.size()) {
        project_.current = 0;
    }
    history_.clear();
    if (modified) {
        history_.forgetSaved();
    }
    showCurrentRoom();
}

void DesignDocument::startFromForm() {
    typingRun_.reset();
    project_ = singleRoomProject(std::make_shared<const FormState>(form_.captureState()));
    project_.library = form_.library();
    history_.clear();
}

} // namespace gelvant
