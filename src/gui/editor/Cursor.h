// The mouse cursors of the mouse modes, drawn by the program: an arrow with a small sign of
// the mode beside it. Only their roles are fixed: one shape per mode number.
#pragma once

#include <QCursor>

namespace trm::gui {

/// Cursor number of the candidate shown while a drag would snap onto a connection point.
inline constexpr int CursorAnker = 4712;
/// Cursor number of the refusal shape.
inline constexpr int CursorVerboten = -1;

/// The cursor for a mode number (0 normal, 2 join, 3 release, 4 attach, 5 paste track,
/// 7 magnifier, 9 to 12 paste elements, 13 to 15 background components, 4711 new track,
/// 4712 snap candidate, -1 refusal).
QCursor MausCursor(int nummer);

}  // namespace trm::gui
