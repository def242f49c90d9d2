#pragma once

#include "session/design_session.h"

#include <QWidget>

class QComboBox;

namespace gelvant {

// The rooms of the project, always in sight in the menu bar's corner: a list
// of the room names (one pick switches to a room) and the current room's
// cooling equipment, 冷风机 or 排管, beside it. A pick goes to the session; the
// owner calls refresh() after every change of the session so that the names,
// their order and the current room follow.
class RoomSelector : public QWidget {
    Q_OBJECT
public:
    explicit RoomSelector(DesignSession& session, QWidget* parent = nullptr);

    void refresh();

    QComboBox* rooms() const { return rooms_; }
    QComboBox* equipment() const { return equipment_; }

private:
    void showNames();
    void fitPopupToNames();

    DesignSession& session_;
    QComboBox* rooms_;
    QComboBox* equipment_;
};

} // namespace gelvant
