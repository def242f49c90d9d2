#include "session/design_session.h"

#include "document/design_file_io.h"
#include "form/controls.h"
#include "form/field_dictionary.h"
#include "form/utf8.h"
#include "form_tables/design_form.h"
#include "form_tables/startup.h"
#include "project/startup_form.h"

#include <algorithm>
#include <type_traits>
#include <utility>
#include <variant>

namespace gelvant {
namespace {

bool sameRoomList(const Project& a, const Project& b) {
    return std::equal(a.rooms.begin(), a.rooms.end(), b.rooms.begin(), b.rooms.end(),
                      [](const Room& x, const Room& y) {
                          return x.name == y.name && x.equipment == y.equipment && x.use == y.use &&
                                 x.goodsLoadFactor == y.goodsLoadFactor;
                      });
}

// Every room holds the very form it held: a captured form never changes,
// so the same form is the same room contents.
bool sameRoomForms(const Project& a, const Project& b) {
    return std::equal(a.rooms.begin(), a.rooms.end(), b.rooms.begin(), b.rooms.end(),
                      [](const Room& x, const Room& y) { return x.form == y.form; });
}

} // namespace

void DesignSession::Relay::showMessage(const Message& message) {
    if (message.caption == caption::program) {
        refusedBox = true; // a box's text could not be read
    }
    shown_.showMessage(message);
}

DesignSession::DesignSession(MessagePresenter& presenter)
    : relay_(presenter), form_(designFormListsAndEvents(), relay_), document_(form_) {}

DesignSession::DesignSession(MessagePresenter& presenter, Library personalLibrary)
    : DesignSession(presenter) {
    personal_ = sharedLibrary(std::move(personalLibrary));
    form_.setLibrary(personal_);
    document_.startFromForm();
}

DesignSession::~DesignSession() = default;

// --- Listeners ---------------------------------------------------------------------------

SessionListenerId DesignSession::listen(SessionListener listener) {
    const SessionListenerId id = nextListener_++;
    listeners_.emplace_back(id, std::move(listener));
    return id;
}

void DesignSession::stopListening(SessionListenerId id) {
    std::erase_if(listeners_, [id](const auto& entry) { return entry.first == id; });
}

DesignSession::Before DesignSession::before() const {
    return Before{document_.project(), canUndo(), canRedo(), isModified()};
}

SessionChanges DesignSession::changesSince(const Before& before, bool formVerb) const {
    const Project& now = document_.project();
    SessionChanges changes;
    changes.rooms = !sameRoomList(before.project, now);
    changes.currentRoom = before.project.current != now.current;
    changes.library = before.project.library != now.library;
    changes.form = formVerb || changes.rooms || changes.currentRoom || changes.library ||
                   before.project.currentRoom().form != now.currentRoom().form;
    changes.projectInfo = before.project.info != now.info;
    changes.plant = before.project.plant != now.plant;
    changes.history = before.canUndo != canUndo() || before.canRedo != canRedo() ||
                      before.modified != isModified();
    changes.refusedBox = relay_.refusedBox;
    changes.summary = changes.rooms || changes.library || changes.plant ||
                      before.project.loadUnit != now.loadUnit ||
                      !sameRoomForms(before.project, now);
    return changes;
}

void DesignSession::tell(const SessionChanges& changes) {
    // A copy: a listener may stop listening while it is told.
    const auto listeners = listeners_;
    for (const auto& [id, listener] : listeners) {
        listener(changes);
    }
}

template <typename Verb> auto DesignSession::replaceDesign(Verb&& verb) {
    const Before was = before();
    relay_.refusedBox = false;
    verb();
    SessionChanges changes = changesSince(was, true);
    changes.replaced = changes.rooms = changes.currentRoom = changes.projectInfo = changes.plant =
        changes.library = changes.history = changes.summary = true;
    tell(changes);
}

// --- Start-up and the design as a whole ----------------------------------------------------

void DesignSession::start() {
    replaceDesign([this] {
        form_.setLibrary(personal_);
        OnInitDialog(form_);
        document_.startFromForm();
    });
}

void DesignSession::newDesign() {
    replaceDesign([this] {
        Project project = singleRoomProject(startupForm());
        project.library = personal_;
        document_.replaceProject(std::move(project));
    });
}

void DesignSession::open(OpenedDesign design, bool modified) {
    replaceDesign([&] {
        CompletedLibrary completed = completedLibrary(*design.project.library, *personal_);
        if (!completed.library.sameAs(*design.project.library)) {
            design.project.library = sharedLibrary(std::move(completed.library));
        }
        document_.replaceProject(std::move(design.project), modified);
        // Shown over the design as it opened.
        if (!design.unrestoredLists.empty()) {
            form_.showMessage(caption::notice, unrestoredListsText(design.unrestoredLists));
        }
        if (!completed.differing.empty()) {
            form_.showMessage(caption::notice, differingEntriesText(completed.differing));
        }
    });
}

std::optional<DesignFileError> DesignSession::open(const std::filesystem::path& path) {
    return openRead(openDesignFile(path));
}

std::optional<DesignFileError> DesignSession::openBytes(std::string_view bytes) {
    return openRead(readDesignText(bytes));
}

std::optional<DesignFileError> DesignSession::openRead(DesignReadResult read) {
    if (read.error) {
        tell({}); // nothing changes
        return read.error;
    }
    open(std::move(*read.design));
    return std::nullopt;
}

std::error_code DesignSession::save(const std::filesystem::path& path,
                                    const FileSystemCalls& calls) {
    return run(false, [&] {
        const std::error_code failed = saveDesignFile(path, project(), {}, calls);
        if (!failed) {
            document_.markSaved();
        }
        return failed;
    });
}

std::string DesignSession::saveToBytes() {
    return run(false, [this] {
        std::string bytes = designBytes();
        document_.markSaved();
        return bytes;
    });
}

std::error_code DesignSession::writeCopy(const std::filesystem::path& path) const {
    return saveDesignFile(path, project());
}

std::string DesignSession::designBytes(std::string_view recoveredFrom) const {
    return designFileText(project(), recoveredFrom);
}

void DesignSession::setProjectInfo(const ProjectInfo& info) {
    run(false, [&] { document_.setProjectInfo(info); });
}

// --- The form ------------------------------------------------------------------------------

bool DesignSession::type(std::size_t field, std::string text) {
    return run(true, [&] {
        if (field >= kFieldCount) {
            return false;
        }
        document_.typeInto(field, std::move(text));
        return true;
    });
}

void DesignSession::typeOverList(int listCtl, std::string text) {
    run(true, [&] { document_.typeOverList(listCtl, std::move(text)); });
}

void DesignSession::leaveBox() {
    document_.endTypingRun();
}

bool DesignSession::set(std::size_t field, std::string text) {
    return run(true, [&] {
        if (field >= kFieldCount) {
            return false;
        }
        document_.perform([&] { form_.setEditText(field, std::move(text)); });
        return true;
    });
}

bool DesignSession::choose(int listCtl, int index) {
    return run(true, [&] {
        if (index < 0 || static_cast<std::size_t>(index) >= form_.itemCount(listCtl)) {
            return false;
        }
        document_.perform([&] { form_.userChooses(listCtl, index); });
        return true;
    });
}

void DesignSession::clear(int listCtl) {
    run(true, [&] { document_.perform([&] { form_.userClearsList(listCtl); }); });
}

void DesignSession::click(int buttonCtl) {
    run(true, [&] { document_.perform([&] { form_.userClicks(buttonCtl); }); });
}

void DesignSession::about() {
    // The system menu's About entry is command 16.
    constexpr unsigned kAboutCommand = 16;
    run(false, [this] { form_.systemCommand(kAboutCommand); });
}

bool DesignSession::undo() {
    return run(false, [this] { return document_.undo(); });
}

bool DesignSession::redo() {
    return run(false, [this] { return document_.redo(); });
}

void DesignSession::addRoom(std::string_view name) {
    const std::string_view trimmed = trimBlanks(name);
    run(false, [&] {
        document_.addRoom(trimmed.empty() ? std::nullopt
                                          : std::optional<std::string>(std::string(trimmed)));
    });
}

void DesignSession::copyRoom() {
    run(false, [this] { document_.copyRoom(); });
}

bool DesignSession::selectRoom(std::size_t index) {
    return run(false, [&] {
        if (index >= project().rooms.size()) {
            return false;
        }
        document_.selectRoom(index);
        return true;
    });
}

bool DesignSession::renameRoom(std::string_view name) {
    const std::string_view trimmed = trimBlanks(name);
    return run(false, [&] {
        if (trimmed.empty()) {
            return false; // blanks are no name
        }
        document_.renameRoom(std::string(trimmed));
        return true;
    });
}

bool DesignSession::deleteRoom() {
    return run(false, [this] { return document_.deleteRoom(); });
}

bool DesignSession::moveRoom(RoomMove move) {
    return run(false, [&] { return document_.moveRoom(static_cast<int>(move)); });
}

void DesignSession::setEquipment(CoolingEquipment equipment) {
    run(false, [&] { document_.setEquipment(equipment); });
}

void DesignSession::setRoomUse(RoomUse use) {
    run(false, [&] { document_.setRoomUse(use); });
}

bool DesignSession::setGoodsLoadFactor(std::optional<double> p) {
    return run(false, [&] { return document_.setGoodsLoadFactor(p); });
}

bool DesignSession::setPlantSettings(const PlantSettings& plant) {
    return run(false, [&] { return document_.setPlantSettings(plant); });
}

void DesignSession::setLoadUnit(LoadUnit unit) {
    run(false, [&] { document_.setLoadUnit(unit); });
}

std::vector<RoomMessages> DesignSession::computeAllRooms() {
    return run(false, [this] { return document_.computeAllRooms(); });
}

} // namespace gelvant
