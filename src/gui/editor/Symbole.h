// Icons of the tool buttons: the desktop theme's for standard actions, our own drawings for the
// rest (and as the fallback when the theme has none).
#pragma once

class QWidget;

namespace trm::gui {

/// Gives every known tool-bar action of the window and its children its icon.
void SymboleSetzen(QWidget* fenster);

}  // namespace trm::gui
