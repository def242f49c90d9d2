#include "app/room_selector.h"

#include "app/qt_text.h"
#include "app/view_language.h"
#include "plant/plant_settings.h"
#include "plant/room_use.h"
#include "session/view_texts.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSignalBlocker>
#include <QStyle>
#include <algorithm>
#include <array>

namespace gelvant {
namespace {

// The equipment list's rows, in the order of the enumeration.
constexpr std::array kEquipmentRows{CoolingEquipment::AirCooler, CoolingEquipment::Coil};

} // namespace

RoomSelector::RoomSelector(DesignSession& session, QWidget* parent)
    : QWidget(parent), session_(session), roomCaption_(new QLabel(this)),
      rooms_(new QComboBox(this)), equipment_(new QComboBox(this)), use_(new QComboBox(this)),
      p_(new QLineEdit(this)) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(4, 0, 4, 0);
    row->setSpacing(4);
    roomCaption_->setBuddy(rooms_);
    row->addWidget(roomCaption_);
    row->addWidget(rooms_);
    row->addWidget(equipment_);
    row->addWidget(use_);
    auto* pCaption = new QLabel(shown(view_text::kGoodsLoadFactorCaption), this);
    pCaption->setBuddy(p_);
    row->addWidget(pCaption);
    row->addWidget(p_);

    // About ten characters in the bar; the drop-down shows long names whole.
    rooms_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    rooms_->setMinimumContentsLength(10);
    rooms_->setMaxVisibleItems(25);
    rooms_->view()->setTextElideMode(Qt::ElideNone);
    for (std::size_t i = 0; i < kEquipmentRows.size(); ++i) {
        equipment_->addItem(QString());
    }
    equipment_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    for (std::size_t i = 0; i < kRoomUses.size(); ++i) {
        use_->addItem(QString());
    }
    use_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    p_->setFixedHeight(fontMetrics().height() + 4);
    // As dense as the form's own lists, so that the menu bar grows no taller.
    for (QComboBox* combo : {rooms_, equipment_, use_}) {
        combo->setFixedHeight(fontMetrics().height() + 4);
    }

    connect(rooms_, &QComboBox::activated, this, [this](int index) {
        if (index >= 0 && static_cast<std::size_t>(index) != session_.project().current) {
            session_.selectRoom(static_cast<std::size_t>(index));
        }
    });
    connect(equipment_, &QComboBox::activated, this, [this](int index) {
        if (index >= 0 && static_cast<std::size_t>(index) < kEquipmentRows.size()) {
            session_.setEquipment(kEquipmentRows[static_cast<std::size_t>(index)]);
        }
    });
    connect(use_, &QComboBox::activated, this, [this](int index) {
        if (index >= 0 && static_cast<std::size_t>(index) < kRoomUses.size()) {
            session_.setRoomUse(kRoomUses[static_cast<std::size_t>(index)]);
        }
    });
    connect(p_, &QLineEdit::editingFinished, this, &RoomSelector::takeGoodsLoadFactor);
    p_->installEventFilter(this);
    showWordsAgain();
}

void RoomSelector::showWordsAgain() {
    roomCaption_->setText(shown(view_text::kRoomCaption));
    rooms_->setToolTip(shown(view_text::kRoomSelectorHint));
    equipment_->setToolTip(shown(view_text::kEquipmentHint));
    for (std::size_t i = 0; i < kEquipmentRows.size(); ++i) {
        equipment_->setItemText(static_cast<int>(i), shown(equipmentLabel(kEquipmentRows[i])));
    }
    use_->setToolTip(shown(view_text::kUseHint));
    for (std::size_t i = 0; i < kRoomUses.size(); ++i) {
        use_->setItemText(static_cast<int>(i), shown(useLabel(kRoomUses[i])));
    }
    p_->setToolTip(shown(kGoodsLoadFactorLabel) + shown(view_text::kCaptionColon) +
                   shown(view_text::kGoodsLoadFactorHint));
    p_->setAccessibleName(shown(kGoodsLoadFactorLabel));
    p_->setFixedWidth(p_->fontMetrics().horizontalAdvance(shown(useLabel(RoomUse::Auto)) +
                                                          QStringLiteral(" 1.30")) +
                      12);
    refresh();
}

void RoomSelector::refresh() {
    const Project& project = session_.project();
    const QSignalBlocker blockRooms(rooms_);
    showNames();
    rooms_->setCurrentIndex(static_cast<int>(project.current));
    const QSignalBlocker blockEquipment(equipment_);
    const auto* const row =
        std::find(kEquipmentRows.begin(), kEquipmentRows.end(), project.currentRoom().equipment);
    equipment_->setCurrentIndex(static_cast<int>(row - kEquipmentRows.begin()));
    showUse();
    showGoodsLoadFactor();
}

// 自动 says which use the form implies: 自动（冻结物冷藏间）.
void RoomSelector::showUse() {
    const QSignalBlocker blockUse(use_);
    const Room& room = session_.project().currentRoom();
    const QString automatic = shown(useChoiceText(RoomUse::Auto, room));
    if (use_->itemText(0) != automatic) {
        use_->setItemText(0, automatic);
    }
    const auto* const at = std::find(kRoomUses.begin(), kRoomUses.end(), room.use);
    use_->setCurrentIndex(static_cast<int>(at - kRoomUses.begin()));
}

// The room's own p, or its use's greyed in the empty box: 自动 1.3.
void RoomSelector::showGoodsLoadFactor() {
    const Room& room = session_.project().currentRoom();
    const QString text =
        room.goodsLoadFactor ? qtext(coefficientText(*room.goodsLoadFactor)) : QString();
    const QString automatic = shown(automaticGoodsLoadFactorText(room));
    if (p_->text() != text) {
        p_->setText(text);
    }
    if (p_->placeholderText() != automatic) {
        p_->setPlaceholderText(automatic);
    }
}

void RoomSelector::takeGoodsLoadFactor() {
    if (refusing_) {
        return; // the focus the refusal's box takes
    }
    const EnteredGoodsLoadFactor entered = enteredGoodsLoadFactor(p_->text().toStdString());
    if (!entered.accepted) {
        refusing_ = true;
        showGoodsLoadFactor();
        QMessageBox::warning(window(), shown(kGoodsLoadFactorLabel),
                             shown(goodsLoadFactorRangeMessage()));
        refusing_ = false;
        return;
    }
    session_.setGoodsLoadFactor(entered.p);
    showGoodsLoadFactor(); // "1.30" reads back as the room holds it
}

bool RoomSelector::eventFilter(QObject* watched, QEvent* event) {
    if (watched == p_ && event->type() == QEvent::ShortcutOverride) {
        const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
        if (pressed == QKeySequence(Qt::CTRL | Qt::Key_Z) ||
            pressed == QKeySequence(Qt::CTRL | Qt::Key_Y) ||
            pressed == QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)) {
            event->ignore(); // on to the window's 撤销 and 重做
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void RoomSelector::showNames() {
    // Only what differs is rewritten: a switch between rooms rewrites nothing.
    const std::vector<Room>& rooms = session_.project().rooms;
    const int wanted = static_cast<int>(rooms.size());
    bool rewritten = false;
    while (rooms_->count() > wanted) {
        rooms_->removeItem(rooms_->count() - 1);
        rewritten = true;
    }
    for (int i = 0; i < wanted; ++i) {
        const QString name = shown(rooms[static_cast<std::size_t>(i)].name);
        if (i >= rooms_->count()) {
            rooms_->addItem(name);
            rewritten = true;
        } else if (rooms_->itemText(i) != name) {
            rooms_->setItemText(i, name);
            rewritten = true;
        }
    }
    if (rewritten) {
        fitPopupToNames();
    }
}

void RoomSelector::fitPopupToNames() {
    const QFontMetrics metrics(rooms_->view()->font());
    int widest = 0;
    for (int i = 0; i < rooms_->count(); ++i) {
        widest = std::max(widest, metrics.horizontalAdvance(rooms_->itemText(i)));
    }
    const int chrome = 2 * rooms_->view()->frameWidth() +
                       rooms_->style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                       metrics.horizontalAdvance(QChar(0x56FD));
    rooms_->view()->setMinimumWidth(widest + chrome);
}

} // namespace gelvant
