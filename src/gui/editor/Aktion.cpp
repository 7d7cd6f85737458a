// Making the window's actions.
#include "gui/editor/Aktion.h"

#include <QAction>

namespace trm::gui {

QAction* NeueAktion(QObject* eltern, const QString& name, const QString& text, const QString& hinweis,
                    std::function<void()> tun) {
  auto* a = new QAction(text, eltern);
  a->setObjectName(name);
  if (!hinweis.isEmpty()) {
    a->setToolTip(hinweis);
    a->setStatusTip(hinweis);
  }
  if (tun)
    QObject::connect(a, &QAction::triggered, a, [tun = std::move(tun)] { tun(); });
  else
    a->setEnabled(false);
  return a;
}

}  // namespace trm::gui
