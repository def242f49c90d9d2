#pragma once

#include "document/atomic_file.h"
#include "document/design_document.h"
#include "document/design_file.h"
#include "form/design_dlg.h"
#include "form/messages.h"
#include "library/library_file.h"
#include "session/session_changes.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <system_error>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

namespace gelvant {

enum class RoomMove { Up = -1, Down = 1 };

// One design being worked on, whatever shows it: the form model, the design
// document with its undo history, the start-up sequence and every rule of the
// rooms. A view (the window, the script driver, a web page) turns what the
// designer does into the verbs below and shows what the session holds; after
// each verb the session tells its listeners once what changed. The form's
// message boxes go to the presenter the view supplies.
class DesignSession {
public:
    // The bare form, before the start-up sequence, as the design of one room.
    explicit DesignSession(MessagePresenter& presenter);
    // The same with a personal library (the window's, the page's, the
    // driver's --library): the bare design already shows its entries.
    DesignSession(MessagePresenter& presenter, Library personalLibrary);
    DesignSession(const DesignSession&) = delete;
    DesignSession& operator=(const DesignSession&) = delete;
    ~DesignSession();

    // --- Listeners -------------------------------------------------------------
    // Told once after every verb, in the order they started listening.
    SessionListenerId listen(SessionListener listener);
    void stopListening(SessionListenerId id);

    // --- What the session holds --------------------------------------------------
    const CDesignDlg& form() const { return form_; }
    const Project& project() const { return document_.project(); }
    const UndoHistory& history() const { return document_.history(); }
    bool canUndo() const { return document_.canUndo(); }
    bool canRedo() const { return document_.canRedo(); }
    bool isModified() const { return document_.isModified(); }
    bool canDeleteRoom() const { return document_.canDeleteRoom(); }
    bool canMoveRoom(RoomMove move) const { return document_.canMoveRoom(static_cast<int>(move)); }

    // --- Start-up and the design as a whole ----------------------------------------
    // The start-up sequence: the welcome box, then the worked example it
    // opens on, computed. The design starts there: unchanged, nothing to undo.
    void start();
    // The form the program opens on, without the welcome box; unchanged.
    void newDesign();
    // Replaces the design with a saved one; nothing changes when it cannot
    // be read. A box names the lists whose saved item could not be found.
    std::optional<DesignFileError> open(const std::filesystem::path& path);
    std::optional<DesignFileError> openBytes(std::string_view bytes);
    // Replaces the design with one already read: opened (unchanged) or
    // recovered after a crash (modified, never saved).
    void open(OpenedDesign design, bool modified = false);
    // Writes the design; from then on it counts as unchanged, and the keys
    // typed after it are a step of their own, so that undo comes back to it.
    std::error_code save(const std::filesystem::path& path,
                         const FileSystemCalls& calls = systemFileCalls());
    std::string saveToBytes();
    // The design written without a save: the history and the modified mark
    // stay as they are (a script's copy, a recovery file).
    std::error_code writeCopy(const std::filesystem::path& path) const;
    std::string designBytes(std::string_view recoveredFrom = {}) const;
    void setProjectInfo(const ProjectInfo& info);

    // --- The form --------------------------------------------------------------------
    // The designer types into a box; its rule runs. Keys typed into one box
    // one after another are one step until the designer leaves it.
    // False (nothing done) for a field that is not one of the form's.
    bool type(std::size_t field, std::string text);
    // The designer types over a list's edit part: it loses its item, nothing runs.
    void typeOverList(int listCtl, std::string text);
    // The designer leaves the box or list being typed into (nothing changes).
    void leaveBox();
    // Puts a text into a box; no rule runs, the value is taken at the next read.
    bool set(std::size_t field, std::string text);
    // Picks an item of a list; false (nothing done) for an index outside it.
    bool choose(int listCtl, int index);
    // The list loses its current item; nothing runs.
    void clear(int listCtl);
    // Presses a button (a hidden one cannot be pressed).
    void click(int buttonCtl);
    // The About box of the form's system menu.
    void about();
    bool undo();
    bool redo();

    // --- The designer's own data ---------------------------------------------------------
    // The design's library: the entries its rooms' lists show after their
    // built-in items, and its file carries.
    const Library& library() const { return *project().library; }
    // The personal library: what every new design starts with, and what an
    // opened design is completed from (the entries whose names it lacks).
    const Library& personalLibrary() const { return *personal_; }
    // Changes only what later designs start with; the design keeps its own.
    void setPersonalLibrary(Library library);
    // Adds an entry after the kind's others, in every room's list; one step.
    // An entry that breaks a rule changes nothing and is named.
    std::optional<LibraryProblem> addLibraryEntry(LibraryKind kind, std::string_view name,
                                                  std::span<const KeyText> values);
    // The same with one number per key, in the kind's order (a view's table).
    std::optional<LibraryProblem> addLibraryEntry(LibraryKind kind, std::string_view name,
                                                  std::span<const double> values);
    // Removes the entry from every room's list; one step. A room whose current
    // item it was keeps its boxes and has no current item in that list.
    std::optional<LibraryProblem> removeLibraryEntry(LibraryKind kind, std::string_view name);
    // Gives the entry another name or other values, in its place; one step
    // (none when nothing differs). Rooms that chose it keep it and their boxes.
    std::optional<LibraryProblem> changeLibraryEntry(LibraryKind kind, std::string_view name,
                                                     std::string_view newName,
                                                     std::span<const double> values);
    std::optional<LibraryProblem> changeLibraryEntry(LibraryKind kind, std::string_view name,
                                                     std::string_view newName,
                                                     std::span<const KeyText> values);
    // Adds the entries of a library file after the design's own; one step,
    // none when every entry is already there. A file that cannot be read, or
    // an entry whose name its list already carries with other values,
    // changes nothing.
    std::optional<LibraryFileError> importLibrary(std::string_view bytes);
    // The design's library as a library file.
    std::string exportLibrary() const;

    // --- Rooms -------------------------------------------------------------------------
    // A room with the form the program opens on, after the last, made current;
    // a name of blanks only gives the next free 库房N.
    void addRoom(std::string_view name = {});
    // A copy of the current room after it, named "<name> 副本", made current.
    void copyRoom();
    // Switching rooms is no step; false for a room that is not there.
    bool selectRoom(std::size_t index);
    // The name without its surrounding blanks; false (nothing done) when
    // nothing is left of it.
    bool renameRoom(std::string_view name);
    // False for the last remaining room, which is always kept.
    bool deleteRoom();
    // False when the room is already first (up) or last (down).
    bool moveRoom(RoomMove move);
    void setEquipment(CoolingEquipment equipment);
    // What the room is for, as the machine load sorts rooms (Auto: as the
    // form implies).
    void setRoomUse(RoomUse use);
    // The goods load factor p the current room's intake holds (none: the one
    // its use gives); false (nothing done) when p lies outside its range.
    bool setGoodsLoadFactor(std::optional<double> p);
    // The project's machine-load choices; false (nothing done) when a
    // coefficient lies outside the code's range.
    bool setPlantSettings(const PlantSettings& plant);
    // The unit the summary, the machine load, the calculation sheet and its
    // CSV show loads in; the figures themselves stay in W.
    void setLoadUnit(LoadUnit unit);
    // Presses the compute button of every room in turn; their message boxes
    // are gathered by room instead of shown.
    std::vector<RoomMessages> computeAllRooms();

private:
    // Passes the form's messages on to the view's presenter, noting a box
    // whose text was refused (its prompt comes under the program's caption).
    class Relay final : public MessagePresenter {
    public:
        explicit Relay(MessagePresenter& shown) : shown_(shown) {}
        void showMessage(const Message& message) override;
        void showAbout() override { shown_.showAbout(); }
        bool refusedBox = false;

    private:
        MessagePresenter& shown_;
    };

    // What a view shows, as it stood before a verb.
    struct Before {
        Project project;
        bool canUndo;
        bool canRedo;
        bool modified;
    };

    Before before() const;
    SessionChanges changesSince(const Before& before, bool formVerb) const;
    void tell(const SessionChanges& changes);
    // Runs a verb and tells the listeners what it changed. A form verb always
    // counts as changing the form: a refused text shows its old value again.
    template <typename Verb> auto run(bool formVerb, Verb&& verb);
    template <typename Verb> auto replaceDesign(Verb&& verb);
    std::optional<DesignFileError> openRead(DesignReadResult read);
    std::optional<LibraryProblem> addEntry(LibraryKind kind,
                                           std::variant<LibraryEntry, LibraryProblem> made);
    // Makes the changed entry from the library and the entry's place.
    using EntryMaker = std::function<std::variant<LibraryEntry, LibraryProblem>(std::size_t)>;
    std::optional<LibraryProblem> changeEntry(LibraryKind kind, std::string_view name,
                                              const EntryMaker& make);

    Relay relay_;
    std::shared_ptr<const Library> personal_ = emptyLibrary();
    CDesignDlg form_;
    DesignDocument document_;
    std::vector<std::pair<SessionListenerId, SessionListener>> listeners_;
    SessionListenerId nextListener_ = 1;
};

template <typename Verb> auto DesignSession::run(bool formVerb, Verb&& verb) {
    const Before was = before();
    relay_.refusedBox = false;
    if constexpr (std::is_void_v<std::invoke_result_t<Verb>>) {
        verb();
        tell(changesSince(was, formVerb));
    } else {
        auto result = verb();
        tell(changesSince(was, formVerb));
        return result;
    }
}

} // namespace gelvant
