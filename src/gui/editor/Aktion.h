// Making the window's actions: one named QAction with its caption, hint and what it does.
#pragma once

#include <QString>
#include <functional>

class QAction;
class QObject;

namespace trm::gui {

/// A menu or tool-bar action with an object name (MI_…, TB_…, PM_…); hint as tool tip and
/// status text. Without `tun` it stays disabled: built with a later part of the program.
QAction* NeueAktion(QObject* eltern, const QString& name, const QString& text, const QString& hinweis,
                    std::function<void()> tun);

}  // namespace trm::gui
