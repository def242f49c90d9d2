#pragma once

#include "document/design_document.h"

#include <QWidget>
#include <functional>

class QComboBox;

namespace gelvant {

// The rooms of the project, always in sight in the menu bar's corner: a list
// of the room names (one pick switches to a room) and the current room's
// cooling equipment, 冷风机 or 排管, and its use beside it (自动 names the use
// the form implies). A pick goes to the document,
// then `changed` lets the owner show the document again; the owner calls
// refresh() after every change of the document so that the names, their order
// and the current room follow.
class RoomSelector : public QWidget {
    Q_OBJECT
public:
    RoomSelector(DesignDocument& document, std::function<void()> changed,
                 QWidget* parent = nullptr);

    void refresh();

    QComboBox* rooms() const { return rooms_; }
    QComboBox* equipment() const { return equipment_; }
    QComboBox* use() const { return use_; }

private:
    void showNames();
    void fitPopupToNames();
    void showUse();

    DesignDocument& document_;
    std::function<void()> changed_;
    QComboBox* rooms_;
    QComboBox* equipment_;
    QComboBox* use_;
};

} // namespace gelvant
