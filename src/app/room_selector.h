#pragma once

#include "session/design_session.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;

namespace gelvant {

// The rooms of the project, always in sight in the menu bar's corner: a list
// of the room names (one pick switches to a room) and the current room's
// cooling equipment, 冷风机 or 排管, its use beside it (自动 names the use
// the form implies) and its goods load factor p (empty: the use's, shown
// greyed). A pick or a p entered goes to the session; the owner calls
// refresh() after every change of the session so that the names, their
// order, the current room and what the form implies follow.
class RoomSelector : public QWidget {
    Q_OBJECT
public:
    explicit RoomSelector(DesignSession& session, QWidget* parent = nullptr);

    void refresh();
    // Its words shown again in the window's language.
    void showWordsAgain();

    QComboBox* rooms() const { return rooms_; }
    QComboBox* equipment() const { return equipment_; }
    QComboBox* use() const { return use_; }
    QLineEdit* goodsLoadFactor() const { return p_; }

private:
    void showNames();
    void fitPopupToNames();
    void showUse();
    void showGoodsLoadFactor();
    // The p typed, left with Enter or the focus: a number within its range,
    // or nothing for the use's; anything else is refused naming the range.
    void takeGoodsLoadFactor();
    // Undo and redo pressed in the p box are the window's, not the box's.
    bool eventFilter(QObject* watched, QEvent* event) override;

    DesignSession& session_;
    QLabel* roomCaption_;
    QComboBox* rooms_;
    QComboBox* equipment_;
    QComboBox* use_;
    QLineEdit* p_;
    bool refusing_ = false;
};

} // namespace gelvant
