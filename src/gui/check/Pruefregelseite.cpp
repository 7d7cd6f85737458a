// The page "Prüfregeln" of the settings window.
#include "gui/check/Pruefregelseite.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/base/Dialoge.h"
#include "core/model/Fehler.h"
#include "core/model/Zahlformat.h"
#include "gui/editor/Zahlenfeld.h"

namespace trm::gui {

Pruefregelseite::Pruefregelseite(std::string datenpfad, Dialoge& dialoge, QWidget* eltern)
    : QWidget(eltern), datenpfad_(std::move(datenpfad)), dialoge_(dialoge) {
  setObjectName(QStringLiteral("Pruefregeln"));
  auto* spalten = new QVBoxLayout(this);
  auto* formular = new QFormLayout;
  auto feld = [&](const QString& name, double TPruefregeln::*wert, double hoechstens) {
    auto* f = new Zahlenfeld(false, this);
    f->setObjectName(name);
    f->Uebernehmen = [this, f, wert, hoechstens](const QString& text) {
      double x = 0;
      try {
        x = TextReal(text.toStdString());
      } catch (const LeseFehler&) {
        x = -1;
      }
      if (!(x > 0) || x > hoechstens) {
        dialoge_.Warnung("Falsche Eingabe. Wert wird zurückgesetzt");
        f->Zeigen(QString::fromStdString(FestText(regeln_.*wert, 3)));
        return;
      }
      regeln_.*wert = x;
      Speichern();
    };
    return f;
  };
  steigung_ = feld(QStringLiteral("ED_MaxSteigung"), &TPruefregeln::MaxSteigung, 1000);
  hoehe_ = feld(QStringLiteral("ED_Durchfahrtshoehe"), &TPruefregeln::Durchfahrtshoehe, 1e6);
  formular->addRow(QStringLiteral("größte Steigung in %"), steigung_);
  formular->addRow(QStringLiteral("Durchfahrtshöhe im Vorbild in mm"), hoehe_);
  spalten->addLayout(formular);
  spalten->addWidget(new QLabel(QStringLiteral("Regeln:"), this));
  for (Regel r : AlleRegeln()) {
    auto* k = new QCheckBox(QString::fromUtf8(RegelInfo(r).name), this);
    k->setObjectName(QStringLiteral("CB_") + QString::fromUtf8(RegelInfo(r).kennung));
    connect(k, &QCheckBox::toggled, this, [this, r](bool an) {
      if (regeln_.Aktiv(r) == an) return;
      regeln_.Setzen(r, an);
      Speichern();
    });
    an_[static_cast<std::size_t>(r)] = k;
    spalten->addWidget(k);
  }
  spalten->addStretch(1);
  Auffrischen();
}

void Pruefregelseite::Auffrischen() {
  try {
    regeln_ = PruefregelnLaden(datenpfad_);
  } catch (const std::runtime_error&) {
    regeln_ = {};  // a file that does not read is replaced by the next change
  }
  steigung_->Zeigen(QString::fromStdString(FestText(regeln_.MaxSteigung, 3)));
  hoehe_->Zeigen(QString::fromStdString(FestText(regeln_.Durchfahrtshoehe, 3)));
  for (Regel r : AlleRegeln()) {
    QCheckBox* k = an_[static_cast<std::size_t>(r)];
    const QSignalBlocker sperre(k);
    k->setChecked(regeln_.Aktiv(r));
  }
}

void Pruefregelseite::showEvent(QShowEvent* e) {
  Auffrischen();
  QWidget::showEvent(e);
}

void Pruefregelseite::Speichern() {
  try {
    PruefregelnSpeichern(datenpfad_, regeln_);
  } catch (const std::runtime_error& e) {
    dialoge_.Fehler(std::string("Datei konnte nicht gespeichert werden\n") + e.what());
  }
}

}  // namespace trm::gui
