// Element and data windows as dock panels of the main window.
#include "gui/editor/Werkzeugfenster.h"

#include <QDockWidget>
#include <QMainWindow>
#include <QSettings>

namespace trm::gui {

namespace {
/// Version of the stored panel layout: a new set of panels starts from the defaults.
constexpr int PanelVersion = 1;
const QString kSchluessel = QStringLiteral("Hauptfenster/Panels");
}  // namespace

Werkzeugfenster::Werkzeugfenster(QWidget* eltern) : QDialog(eltern, Qt::Tool | Qt::WindowStaysOnTopHint) {}

QDockWidget* Werkzeugfenster::Panel() const { return qobject_cast<QDockWidget*>(parentWidget()); }

void Werkzeugfenster::setVisible(bool sichtbar) {
  QDockWidget* panel = Panel();
  if (!panel) {
    QDialog::setVisible(sichtbar);
    return;
  }
  // The content stays shown inside its panel; the panel comes and goes. Showing it leaves the
  // keyboard where it was (the drawing area keeps its keys, e.g. the drawing tools' letters);
  // a click into the panel takes it there.
  QWidget* fokus = window()->focusWidget();
  QDialog::setVisible(true);
  panel->setVisible(sichtbar);
  if (sichtbar) panel->raise();  // its tab in front
  if (fokus && fokus != window()->focusWidget() && !isAncestorOf(fokus) && fokus->isVisible()) fokus->setFocus();
}

void WerkzeugfensterAndocken(QMainWindow& haupt, QSettings& ablage) {
  QDockWidget* erstes = nullptr;
  for (Werkzeugfenster* f : haupt.findChildren<Werkzeugfenster*>(Qt::FindDirectChildrenOnly)) {
    auto* panel = new QDockWidget(f->windowTitle(), &haupt);
    panel->setObjectName(QStringLiteral("Panel_") + f->objectName());
    panel->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                       QDockWidget::DockWidgetFloatable);
    const bool offen = f->isVisible();
    panel->setWidget(f);  // now a child widget, no window of its own
    QObject::connect(f, &QWidget::windowTitleChanged, panel, &QDockWidget::setWindowTitle);
    haupt.addDockWidget(Qt::RightDockWidgetArea, panel);
    if (erstes)
      haupt.tabifyDockWidget(erstes, panel);
    else
      erstes = panel;
    panel->setVisible(offen);
  }
  if (ablage.contains(kSchluessel)) haupt.restoreState(ablage.value(kSchluessel).toByteArray(), PanelVersion);
  for (QDockWidget* panel : haupt.findChildren<QDockWidget*>())
    if (qobject_cast<Werkzeugfenster*>(panel->widget())) panel->hide();
}

void WerkzeugfensterMerken(const QMainWindow& haupt, QSettings& ablage) {
  ablage.setValue(kSchluessel, haupt.saveState(PanelVersion));
}

}  // namespace trm::gui
