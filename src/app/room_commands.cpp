#include "app/room_commands.h"

#include "app/plant_dialog.h"
#include "app/qt_text.h"
#include "document/gathered_messages.h"

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
namespace {} // namespace

// --- The dialogs ----------------------------------------------------------------

std::optional<std::string> WindowRoomDialogs::askRoomName(const std::string& current) {
    QInputDialog dialog(window_);
    dialog.setWindowTitle(QStringLiteral("重命名库房"));
    dialog.setLabelText(QStringLiteral("库房名称："));
    dialog.setTextValue(qtext(current));
    dialog.setOkButtonText(QStringLiteral("确定"));
    dialog.setCancelButtonText(QStringLiteral("取消"));
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.textValue().toStdString();
}

bool WindowRoomDialogs::confirmDelete(const std::string& room) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("删除库房"),
                    QStringLiteral("删除库房“%1”？\n删除后可以用“撤销”恢复。").arg(qtext(room)),
                    QMessageBox::Yes | QMessageBox::No, window_);
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("是"));
    box.button(QMessageBox::No)->setText(QStringLiteral("否"));
    box.setDefaultButton(QMessageBox::No); // Enter keeps the room
    return box.exec() == QMessageBox::Yes;
}

void WindowRoomDialogs::showGatheredMessages(const std::vector<RoomMessages>& rooms) {
    // A scrolling text rather than a message box: a large project can have
    // something to say about many rooms.
    QDialog box(window_);
    box.setWindowTitle(QStringLiteral("全部重新计算"));
    auto* layout = new QVBoxLayout(&box);
    layout->addWidget(new QLabel(QStringLiteral("以下库房的计算给出了提示："), &box));
    auto* text = new QPlainTextEdit(qtext(gatheredMessagesText(rooms)), &box);
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    layout->addWidget(text);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &box);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("确定"));
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
    addRoom_ = makeAction("新增库房(&N)", &RoomCommands::addRoom);
    copyRoom_ = makeAction("复制库房(&C)", &RoomCommands::copyRoom);
    renameRoom_ = makeAction("重命名(&M)...", &RoomCommands::renameRoom);
    deleteRoom_ = makeAction("删除库房(&D)", &RoomCommands::deleteRoom);
    moveUp_ = makeAction("上移(&U)", &RoomCommands::moveUp);
    moveDown_ = makeAction("下移(&W)", &RoomCommands::moveDown);
    airCooler_ = makeAction("冷风机(&F)", &RoomCommands::chooseAirCooler);
    coil_ = makeAction("排管(&P)", &RoomCommands::chooseCoil);
    computeAll_ = makeAction("全部重新计算(&A)", &RoomCommands::computeAll);
    plantSettings_ = makeAction("机械负荷系数(&L)...", &RoomCommands::editPlantSettings);
    nextRoom_ = makeAction("下一库房(&X)", &RoomCommands::nextRoom);
    previousRoom_ = makeAction("上一库房(&V)", &RoomCommands::previousRoom);

    equipment_ = new QActionGroup(this);
    equipment_->setExclusive(true);
    for (QAction* choice : {airCooler_, coil_}) {
        choice->setCheckable(true);
        equipment_->addAction(choice);
    }
    nextRoom_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown));
    previousRoom_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp));
    refresh();
}

QAction* RoomCommands::makeAction(const char* text, void (RoomCommands::*slot)()) {
    auto* action = new QAction(QString::fromUtf8(text), this);
    connect(action, &QAction::triggered, this, slot);
    return action;
}

QMenu* RoomCommands::createMenu(QWidget* parent) {
    auto* menu = new QMenu(QStringLiteral("库房(&R)"), parent);
    menu->addActions({addRoom_, copyRoom_, renameRoom_, deleteRoom_});
    menu->addSeparator();
    menu->addActions({moveUp_, moveDown_});
    menu->addSeparator();
    menu->addActions({previousRoom_, nextRoom_});
    menu->addSeparator();
    menu->addSection(QStringLiteral("冷却设备"));
    menu->addActions({airCooler_, coil_});
    menu->addSeparator();
    menu->addAction(computeAll_);
    menu->addAction(plantSettings_);
    return menu;
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
