#pragma once

#include "document/undo_history.h"
#include "form/design_dlg.h"
#include "form/messages.h"
#include "project/project.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace gelvant {

// The messages one room's calculation raised during 全部重新计算.
struct RoomMessages {
    std::string room;
    std::vector<Message> messages;
};

// A design being worked on: the project with its rooms, the live form of the
// current room, and the history of whole user actions. Every action of the
// designer goes through here, so that it becomes one undo step: a typed box,
// a list pick or clear, a button press, a reference apply, a change of the
// project information, and every room operation. An action that changes
// nothing is not a step. Keys typed into one box one after another are one
// step until the designer does something else.
class DesignDocument {
public:
    // Takes the form as it stands as a project of one room, unchanged.
    explicit DesignDocument(CDesignDlg& form);

    CDesignDlg& form() { return form_; }
    // The project with the current room's form as the form now shows it.
    const Project& project() const { return project_; }

    // --- Actions on the form ----------------------------------------------
    // The designer types into a box; its rule runs.
    void typeInto(std::size_t field, std::string text);
    // The designer types over a list's edit part: the list loses its item,
    // nothing runs. Keys typed there one after another are one step, too.
    void typeOverList(int listCtl, std::string text);
    // Any other action on the form (set, choose, clear, click).
    void perform(const std::function<void()>& action);
    // The designer leaves the box or list being typed into.
    void endTypingRun() { typingRun_.reset(); }

    void setProjectInfo(const ProjectInfo& info);

    // --- Rooms ----------------------------------------------------------------
    // Switching rooms is no step: the designer only looks at another room.
    void selectRoom(std::size_t index);
    void addRoom(std::optional<std::string> name = std::nullopt);
    void copyRoom();
    void renameRoom(std::string name);
    // The last remaining room is always kept.
    bool canDeleteRoom() const { return project_.rooms.size() > 1; }
    // False (and nothing done) for the last remaining room.
    bool deleteRoom();
    // Whether the current room can move one place up (-1) or down (+1).
    bool canMoveRoom(int direction) const;
    // Moves the current room one place up (-1) or down (+1); false at an end.
    bool moveRoom(int direction);
    void setEquipment(CoolingEquipment equipment);
    void setRoomUse(RoomUse use);
    // The current room's goods load factor p (none: the one its use gives);
    // false (and nothing done) when p lies outside its range.
    bool setGoodsLoadFactor(std::optional<double> p);
    // The project's plant settings; false (and nothing done) when a
    // coefficient lies outside the code's range.
    bool setPlantSettings(const PlantSettings& plant);
    // The unit the design's loads are shown in; one step when it changes.
    void setLoadUnit(LoadUnit unit);
    // Presses the compute button of every room in turn. Their message boxes
    // are gathered by room instead of shown.
    std::vector<RoomMessages> computeAllRooms();

    // --- The designer's own data ---------------------------------------------------
    // Each is one step; every room's lists follow the library.
    // The library with entries added after its others (one entry, or an import).
    void extendLibrary(Library longer);
    // The entry goes; a room whose current item it was keeps its boxes and
    // has no current item in that list.
    void removeLibraryEntry(LibraryKind kind, std::size_t index);
    // The entry takes other values or another name in its place; a room whose
    // current item it is keeps it (and its boxes) under the new name.
    void changeLibraryEntry(LibraryKind kind, std::size_t index, LibraryEntry entry);

    // --- History ----------------------------------------------------------------
    bool canUndo() const { return history_.canUndo(); }
    bool canRedo() const { return history_.canRedo(); }
    bool undo();
    bool redo();

    // --- The document -------------------------------------------------------------
    bool isModified() const { return !history_.atSaved(); }
    // Saving ends a typing run: the keys after it are a step of their own,
    // so that undo comes back to the saved design.
    void markSaved() {
        typingRun_.reset();
        history_.markSaved();
    }
    // A design opened or new: the history starts afresh, unchanged, unless
    // told otherwise (a design recovered after a crash is not saved).
    void replaceProject(Project project, bool modified = false);
    // The form as it now stands becomes the whole design, a project of one
    // room, unchanged, with nothing to undo (the form as the program opens).
    void startFromForm();

    const UndoHistory& history() const { return history_; }

private:
    struct TypingRun {
        std::size_t room;
        int control; // the box's or the list's control ID
        bool hasStep;
    };

    // Takes the live form into the current room after an action; returns
    // whether the room changed. When the action computed (the form's count
    // of computations moved on from the one given), the room's results
    // answer to its inputs as they now stand.
    bool takeFormIntoRoom(unsigned long computationsBefore);
    // One key of a typing run into a control: a new step, or the run's step grown.
    void typingAction(int control, const std::function<void()>& action);
    void recordStep(Project before);
    void showCurrentRoom();
    void roomOperation(const std::function<void()>& change);
    // A new library as one step; `choice` (when given) brings the kind's
    // list choice of every room in line with it.
    void libraryOperation(Library next, LibraryKind kind,
                          const std::function<void(ListChoice&)>& choice);

    CDesignDlg& form_;
    Project project_;
    UndoHistory history_;
    std::optional<TypingRun> typingRun_;
};

} // namespace gelvant
