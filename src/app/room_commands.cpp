#include "app/room_commands.h"

#include "app/command_actions.h"
#include "app/plant_dialog.h"
#include "app/qt_text.h"
#include "app/view_language.h"
#include "document/gathered_messages.h"
#include "session/view_texts.h"

#include <QAction>
#include <QActionGroup>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace gelvant {
// --- The dialogs ----------------------------------------------------------------

std::optional<std::string> WindowRoomDialogs::askRoomName(const std::string& current) {
    QInputDialog dialog(window_);
    dialog.setWindowTitle(shown(view_text::kRenameRoomTitle));
    dialog.setLabelText(shown(view_text::kRoomNameLabel));
    dialog.setTextValue(qtext(current));
    dialog.setOkButtonText(shown(view_text::kOk));
    dialog.setCancelButtonText(shown(view_text::kCancel));
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.textValue().toStdString();
}

bool WindowRoomDialogs::confirmDelete(const std::string& room) {
    QMessageBox box(QMessageBox::Question, shown(view_text::kDeleteRoomTitle),
                    shown(view_text::deleteRoomQuestion(room)), QMessageBox::Yes | QMessageBox::No,
                    window_);
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Yes)->setText(shown(view_text::kYes));
    box.button(QMessageBox::No)->setText(shown(view_text::kNo));
    box.setDefaultButton(QMessageBox::No); // Enter keeps the room
    return box.exec() == QMessageBox::Yes;
}

void WindowRoomDialogs::showGatheredMessages(const std::vector<RoomMessages>& rooms) {
    // A scrolling text rather than a message box: a large project can have
    // something to say about many rooms.
    QDialog box(window_);
    box.setWindowTitle(shown(view_text::kComputeAllTitle));
    auto* layout = new QVBoxLayout(&box);
    layout->addWidget(new QLabel(shown(view_text::kComputeAllIntro), &box));
    auto* text = new QPlainTextEdit(shown(gatheredMessagesText(rooms)), &box);
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    layout->addWidget(text);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &box);
    buttons->button(QDialogButtonBox::Ok)->setText(shown(view_text::kOk));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    layout->addWidget(buttons);
    const QFontMetrics metrics(text->font());
    box.resize(metrics.horizontalAdvance(QChar(0x56FD)) * 36, metrics.lineSpacing() * 22);
    box.exec();
}

std::optional<PlantSettings> WindowRoomDialogs::askPlantSettings(const PlantSettings& now) {
    PlantDialog dialog(now, window_);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.settings();
}

// --- The commands ---------------------------------------------------------------

RoomCommands::RoomCommands(DesignSession& session, RoomDialogs& dialogs, QObject* parent)
    : QObject(parent), session_(session), dialogs_(dialogs) {
    addRoom_ = makeAction(Command::AddRoom, &RoomCommands::addRoom);
    copyRoom_ = makeAction(Command::CopyRoom, &RoomCommands::copyRoom);
    renameRoom_ = makeAction(Command::RenameRoom, &RoomCommands::renameRoom);
    deleteRoom_ = makeAction(Command::DeleteRoom, &RoomCommands::deleteRoom);
    moveUp_ = makeAction(Command::MoveUp, &RoomCommands::moveUp);
    moveDown_ = makeAction(Command::MoveDown, &RoomCommands::moveDown);
    airCooler_ = makeAction(Command::AirCooler, &RoomCommands::chooseAirCooler);
    coil_ = makeAction(Command::Coil, &RoomCommands::chooseCoil);
    computeAll_ = makeAction(Command::ComputeAll, &RoomCommands::computeAll);
    plantSettings_ = makeAction(Command::PlantSettings, &RoomCommands::editPlantSettings);
    nextRoom_ = makeAction(Command::NextRoom, &RoomCommands::nextRoom);
    previousRoom_ = makeAction(Command::PreviousRoom, &RoomCommands::previousRoom);

    equipment_ = new QActionGroup(this);
    equipment_->setExclusive(true);
    for (QAction* choice : {airCooler_, coil_}) {
        choice->setCheckable(true);
        equipment_->addAction(choice);
    }
    refresh();
}

QAction* RoomCommands::makeAction(Command command, void (RoomCommands::*slot)()) {
    QAction* action = newCommandAction(command, this);
    connect(action, &QAction::triggered, this, slot);
    return action;
}

QAction* RoomCommands::action(Command command) const {
    switch (command) {
    case Command::AddRoom:
        return addRoom_;
    case Command::CopyRoom:
        return copyRoom_;
    case Command::RenameRoom:
        return renameRoom_;
    case Command::DeleteRoom:
        return deleteRoom_;
    case Command::MoveUp:
        return moveUp_;
    case Command::MoveDown:
        return moveDown_;
    case Command::PreviousRoom:
        return previousRoom_;
    case Command::NextRoom:
        return nextRoom_;
    case Command::AirCooler:
        return airCooler_;
    case Command::Coil:
        return coil_;
    case Command::ComputeAll:
        return computeAll_;
    case Command::PlantSettings:
        return plantSettings_;
    default:
        return nullptr;
    }
}

void RoomCommands::refresh() {
    const Project& project = session_.project();
    const bool first = project.current == 0;
    const bool last = project.current + 1 >= project.rooms.size();
    deleteRoom_->setEnabled(session_.canDeleteRoom());
    moveUp_->setEnabled(session_.canMoveRoom(RoomMove::Up));
    moveDown_->setEnabled(session_.canMoveRoom(RoomMove::Down));
    previousRoom_->setEnabled(!first);
    nextRoom_->setEnabled(!last);
    const bool coil = project.currentRoom().equipment == CoolingEquipment::Coil;
    // setChecked on an exclusive group's action raises no triggered signal.
    (coil ? coil_ : airCooler_)->setChecked(true);
}

void RoomCommands::addRoom() {
    session_.addRoom();
}

void RoomCommands::copyRoom() {
    session_.copyRoom();
}

void RoomCommands::renameRoom() {
    if (const auto typed = dialogs_.askRoomName(session_.project().currentRoom().name)) {
        session_.renameRoom(*typed);
    }
}

void RoomCommands::deleteRoom() {
    if (session_.canDeleteRoom() && dialogs_.confirmDelete(session_.project().currentRoom().name)) {
        session_.deleteRoom();
    }
}

void RoomCommands::moveUp() {
    session_.moveRoom(RoomMove::Up);
}

void RoomCommands::moveDown() {
    session_.moveRoom(RoomMove::Down);
}

void RoomCommands::chooseAirCooler() {
    session_.setEquipment(CoolingEquipment::AirCooler);
}

void RoomCommands::chooseCoil() {
    session_.setEquipment(CoolingEquipment::Coil);
}

void RoomCommands::computeAll() {
    // The form shows its results before the box comes up over it.
    const std::vector<RoomMessages> gathered = session_.computeAllRooms();
    if (!gathered.empty()) {
        dialogs_.showGatheredMessages(gathered);
    }
}

void RoomCommands::editPlantSettings() {
    if (const auto settings = dialogs_.askPlantSettings(session_.project().plant)) {
        session_.setPlantSettings(*settings);
    }
}

void RoomCommands::nextRoom() {
    session_.selectRoom(session_.project().current + 1);
}

void RoomCommands::previousRoom() {
    if (session_.project().current > 0) {
        session_.selectRoom(session_.project().current - 1);
    }
}

} // namespace gelvant
