// The settings window "Anlagendaten": the track dimensions at the four levels, the prototype
// conversion, module, track and segment names, sizes and colours, the display options, the
// libraries, and the tool bar that applies the values or saves them as the settings for the
// next start. It shows the core's values and calls its commands.
#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <map>

#include "core/editor/Anlagendaten.h"
#include "core/model/Elementart.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSlider;
class QTabWidget;
class QToolButton;
class QRadioButton;

namespace trm {
class Editor;
class Mausbedienung;
}  // namespace trm

namespace trm::gui {

class Zahlenfeld;

class TAnlagendaten2 : public QWidget {
  Q_OBJECT
 public:
  TAnlagendaten2(Editor& editor, Mausbedienung* maus, QWidget* eltern);

  /// Runs a core command; the main window redraws when it did something.
  std::function<void(const std::function<bool()>&)> befehl;
  /// Redraws the module (view settings that are no command).
  std::function<void()> neuZeichnen;
  /// After the window closed or was hidden.
  std::function<void()> geschlossen;

  void Auffrischen();
  /// "Werte übernehmen": the seven layout model fields applied in table order.
  void WerteUebernehmen();
  /// "Einstellungen für nächsten Programmaufruf speichern".
  void EinstellungenSpeichern();
  Anlagendaten& daten() { return daten_; }

 protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;

 private:
  QWidget* Massseite(Ebene e, const std::array<const char*, 7>& namen, QCheckBox** loeschen);
  QWidget* Grundseite();
  QWidget* Modulseite();
  QWidget* Gleisseite();
  QWidget* Bogenseite();
  QWidget* Darstellungsseite();
  QWidget* Bibliotheksseite();
  Zahlenfeld* Feld(const QString& name, std::function<bool(const std::string&)> anwenden, bool ganzzahl = false);
  QPushButton* Farbknopf(const QString& name, Ebene e);
  /// The model fields of the first page from the prototype values at the scale.
  void Umrechnen();
  void Kombi(QComboBox* c, const QString& wert);

  Editor& ed_;
  Mausbedienung* maus_;
  Anlagendaten daten_;
  QTabWidget* seiten_;
  std::map<std::pair<Ebene, Mass>, Zahlenfeld*> masse_;
  std::map<QString, Zahlenfeld*> felder_;
  std::map<Ebene, QPushButton*> farben_;
  QComboBox *massstab_, *vorbildSpur_, *schienenkopf_, *gleisabstand_;
  QCheckBox *trasse_, *hoehen_, *gitterSichtbar_, *gitterBeschriftung_;
  QRadioButton *modus_[3], *oeffnen_[2];
  QToolButton* auto_;
  QSlider* abstand_;
  QLabel *abstandText_, *groesse_;
  std::map<Elementart, QLabel*> listen_;  ///< the list path shown per kind
  bool fuellt_ = false;
};

}  // namespace trm::gui
