#pragma once

#include "session/design_session.h"

#include <QWidget>

class QComboBox;

namespace gelvant {

// The rooms of the project, always in sight in the menu bar's corner: a list
// of the room names (one pick switches to a room) and the current room's
// cooling equipment, 冷风机 or 排管, and its use beside it (自动 names the use
// the form implies). A pick goes to the session; the owner calls refresh()
// after every change of the session so that the names, their order, the
// current room and what the form implies follow.
class RoomSelector : public QWidget {
    Q_OBJECT
public:
    explicit RoomSelector(DesignSession& session, QWidget* parent = nullptr);

    void refresh();

    QComboBox* rooms() const { return rooms_; }
    QComboBox* equipment() const { return equipment_; }
    QComboBox* use() const { return use_; }

private:
    void showNames();
    void fitPopupToNames();
    void showUse();

    DesignSession& session_;
    QComboBox* rooms_;
    QComboBox* equipment_;
    QComboBox* use_;
};

} // namespace gelvant
