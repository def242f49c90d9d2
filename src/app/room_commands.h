#pragma once

#include "session/command_table.h"
#include "session/design_session.h"

#include <QObject>
#include <QPointer>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QActionGroup;
class QMenu;
class QWidget;

namespace gelvant {

// The questions and the box the room commands put to the designer: the
// window asks with modal dialogs, the tests answer in code.
class RoomDialogs {
public:
    RoomDialogs() = default;
    RoomDialogs(const RoomDialogs&) = delete;
    RoomDialogs& operator=(const RoomDialogs&) = delete;
    virtual ~RoomDialogs() = default;

    // The new name of a room, or nothing when the designer cancels.
    virtual std::optional<std::string> askRoomName(const std::string& current) = 0;
    // Whether the designer really means to delete the room (是 / 否).
    virtual bool confirmDelete(const std::string& room) = 0;
    // Everything 全部重新计算 had to say, as one box.
    virtual void showGatheredMessages(const std::vector<RoomMessages>& rooms) = 0;
    // The project's machine-load choices as the designer leaves them, or
    // nothing when the designer cancels.
    virtual std::optional<PlantSettings> askPlantSettings(const PlantSettings& now) = 0;
};

// The modal dialogs, centred on the given window.
class WindowRoomDialogs final : public RoomDialogs {
public:
    explicit WindowRoomDialogs(QWidget* window) : window_(window) {}

    std::optional<std::string> askRoomName(const std::string& current) override;
    bool confirmDelete(const std::string& room) override;
    void showGatheredMessages(const std::vector<RoomMessages>& rooms) override;
    std::optional<PlantSettings> askPlantSettings(const PlantSettings& now) override;

private:
    QPointer<QWidget> window_;
};

// The 库房(&R) menu's commands. Each one tells the session what the designer
// asked for; the owner calls refresh() after every change of the session,
// whoever made it, so that what is enabled and checked follows.
class RoomCommands : public QObject {
    Q_OBJECT
public:
    RoomCommands(DesignSession& session, RoomDialogs& dialogs, QObject* parent = nullptr);

    // The action of one of the room commands; nullptr for another command.
    QAction* action(Command command) const;

    // Enabled and checked states as the project now stands.
    void refresh();

    QAction* addRoomAction() const { return addRoom_; }
    QAction* copyRoomAction() const { return copyRoom_; }
    QAction* renameRoomAction() const { return renameRoom_; }
    QAction* deleteRoomAction() const { return deleteRoom_; }
    QAction* moveUpAction() const { return moveUp_; }
    QAction* moveDownAction() const { return moveDown_; }
    QAction* airCoolerAction() const { return airCooler_; }
    QAction* coilAction() const { return coil_; }
    QAction* computeAllAction() const { return computeAll_; }
    QAction* plantSettingsAction() const { return plantSettings_; }
    QAction* nextRoomAction() const { return nextRoom_; }
    QAction* previousRoomAction() const { return previousRoom_; }

private:
    QAction* makeAction(Command command, void (RoomCommands::*slot)());

    void addRoom();
    void copyRoom();
    void renameRoom();
    void deleteRoom();
    void moveUp();
    void moveDown();
    void chooseAirCooler();
    void chooseCoil();
    void computeAll();
    void editPlantSettings();
    void nextRoom();
    void previousRoom();

    DesignSession& session_;
    RoomDialogs& dialogs_;
    QAction* addRoom_ = nullptr;
    QAction* copyRoom_ = nullptr;
    QAction* renameRoom_ = nullptr;
    QAction* deleteRoom_ = nullptr;
    QAction* moveUp_ = nullptr;
    QAction* moveDown_ = nullptr;
    QActionGroup* equipment_ = nullptr;
    QAction* airCooler_ = nullptr;
    QAction* coil_ = nullptr;
    QAction* computeAll_ = nullptr;
    QAction* plantSettings_ = nullptr;
    QAction* nextRoom_ = nullptr;
    QAction* previousRoom_ = nullptr;
};

} // namespace gelvant
