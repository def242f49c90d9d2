#pragma once

#include "app/qt_text.h"

#include <QColor>
#include <Qt>

// The calculation sheet's look, shared by its sections and its page frame.

namespace gelvant::sheet_style {

// The sheet's colours: dark outlines, light inner rules, pale label cells.
inline const QColor kOutline(0x45, 0x4d, 0x57);
inline const QColor kInnerRule(0xb4, 0xbc, 0xc6);
inline const QColor kLabelFill(0xf1, 0xf4, 0xf8);
inline const QColor kHeaderFill(0xdc, 0xe4, 0xee);
inline const QColor kBarFill(0x3c, 0x6e, 0xaa);
inline const QColor kMuted(0x55, 0x5d, 0x66);
inline const QColor kAlert(0xa8, 0x1c, 0x1c);
inline const QColor kAlertFill(0xfc, 0xec, 0xec);

// The space between two sections of the sheet.
inline constexpr double kSectionGapMm = 4.0;

inline constexpr int kLeft = Qt::AlignLeft | Qt::AlignVCenter;
inline constexpr int kRight = Qt::AlignRight | Qt::AlignVCenter;
inline constexpr int kCentre = Qt::AlignCenter;
inline constexpr int kWrapLeft = kLeft | Qt::TextWordWrap;
inline constexpr int kWrapRight = kRight | Qt::TextWordWrap;

} // namespace gelvant::sheet_style
