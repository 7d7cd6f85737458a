// The settings window.
#include "gui/settings/TAnlagendaten2.h"

#include "gui/check/Pruefregelseite.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

#include "core/editor/Editor.h"
#include "core/editor/Maus.h"
#include "core/model/Anlage.h"
#include "core/model/Bogen.h"
#include "core/model/Datenordner.h"
#include "core/model/Gleis.h"
#include "core/model/Modul.h"
#include "core/model/Zahlformat.h"
#include "gui/editor/Zahlenfeld.h"
#include "gui/settings/TFarb_Insp.h"

namespace trm::gui {

namespace {
QString Q(const std::string& s) { return QString::fromStdString(s); }
std::string S(const QString& s) { return s.toStdString(); }
constexpr std::array<const char*, 7> kBeschriftung{"Spurweite",          "Schwellenabstand", "Schwellenlänge", "Schwellenbreite",
                                                   "Schienenkopfbreite", "Gleisabstand",     "Trassenbreite"};
constexpr const char* kUeberschreiben = "Bereits geänderte Werte überschreiben?";
}  // namespace

TAnlagendaten2::TAnlagendaten2(Editor& editor, Mausbedienung* maus, QWidget* eltern)
    : QWidget(eltern, Qt::Tool | Qt::WindowStaysOnTopHint), ed_(editor), maus_(maus), daten_(editor) {
  setObjectName(QStringLiteral("TAnlagendaten2"));
  setWindowTitle(QStringLiteral("Anlagendaten"));
  seiten_ = new QTabWidget(this);
  seiten_->addTab(Grundseite(), QStringLiteral("Grundeinstellungen"));
  seiten_->addTab(Modulseite(), QStringLiteral("Modul"));
  seiten_->addTab(Gleisseite(), QStringLiteral("Gleis"));
  seiten_->addTab(Bogenseite(), QStringLiteral("Bogen"));
  seiten_->addTab(Darstellungsseite(), QStringLiteral("Darstellung"));
  seiten_->addTab(Bibliotheksseite(), QStringLiteral("Bibliotheken"));
  seiten_->addTab(new Pruefregelseite(ed_.dokument().Datenpfad(), ed_.dialoge(), this), QStringLiteral("Prüfregeln"));
  connect(seiten_, &QTabWidget::currentChanged, this, [this] { Auffrischen(); });

  auto* leiste = new QHBoxLayout;
  auto knopf = [&](const char* name, const char* text, std::function<void()> tun) {
    auto* k = new QToolButton(this);
    k->setObjectName(QString::fromUtf8(name));
    k->setText(QString::fromUtf8(text));
    k->setToolTip(QString::fromUtf8(text));
    connect(k, &QToolButton::clicked, this, std::move(tun));
    leiste->addWidget(k);
  };
  knopf("ToolButton1", "Werte übernehmen", [this] { WerteUebernehmen(); });
  knopf("ToolButton2", "Werte übernehmen und Fenster schließen", [this] {
    WerteUebernehmen();
    close();
  });
  knopf("ToolButton4", "Fenster schließen", [this] { close(); });
  knopf("ToolButton3", "Einstellungen für nächsten Programmaufruf speichern", [this] { EinstellungenSpeichern(); });
  leiste->addStretch();
  auto* l = new QVBoxLayout(this);
  l->addWidget(seiten_);
  l->addLayout(leiste);
  move(10, 10);
}

Zahlenfeld* TAnlagendaten2::Feld(const QString& name, std::function<bool(const std::string&)> anwenden, bool ganzzahl) {
  auto* f = new Zahlenfeld(ganzzahl, this);
  f->setObjectName(name);
  f->wertpuffer = &ed_.Wertpuffer();
  f->Uebernehmen = [this, anwenden](const QString& t) {
    if (!befehl) return;
    bool ok = false;
    befehl([&] { return ok = anwenden(S(t)); });
    if (!ok) Auffrischen();  // a refused value shows the stored one again
  };
  felder_[name] = f;
  return f;
}

QWidget* TAnlagendaten2::Massseite(Ebene e, const std::array<const char*, 7>& namen, QCheckBox** loeschen) {
  auto* w = new QGroupBox(QStringLiteral("Modellmaße in mm"), this);
  auto* g = new QGridLayout(w);
  for (std::size_t i = 0; i < 7; ++i) {
    const Mass m = AlleMasse[i];
    Zahlenfeld* f = Feld(QString::fromUtf8(namen[i]), [this, e, m](const std::string& t) { return daten_.MassSetzen(e, m, t); });
    masse_[{e, m}] = f;
    g->addWidget(new QLabel(QString::fromUtf8(kBeschriftung[i]), w), static_cast<int>(i), 0);
    g->addWidget(f, static_cast<int>(i), 1);
  }
  if (loeschen) {
    *loeschen = new QCheckBox(QString::fromUtf8(kUeberschreiben), w);
    g->addWidget(*loeschen, 7, 0, 1, 2);
  }
  return w;
}

QWidget* TAnlagendaten2::Grundseite() {
  auto* seite = new QWidget(this);
  QCheckBox* loeschen = nullptr;
  QWidget* masse =
      Massseite(Ebene::Anlage, {"ED_Spur1", "ED_PAbst", "ED_SwLen", "ED_SwBrt", "ED_SKopf", "ED_GleisAbst", "ED_TrBrt"}, &loeschen);
  loeschen->setObjectName(QStringLiteral("CB_Clear"));
  connect(loeschen, &QCheckBox::toggled, this, [this](bool an) { daten_.ueberschreibenAnlage = an; });

  auto* vorbild = new QGroupBox(QStringLiteral("Vorbildmaße"), seite);
  auto* f = new QFormLayout(vorbild);
  massstab_ = new QComboBox(vorbild);
  massstab_->setObjectName(QStringLiteral("CB_MStab"));
  massstab_->setEditable(true);
  massstab_->addItems({"22,5", "32", "45", "87", "120", "160", "220"});
  vorbildSpur_ = new QComboBox(vorbild);
  vorbildSpur_->setObjectName(QStringLiteral("CB_VSpur"));
  vorbildSpur_->setEditable(true);
  vorbildSpur_->addItems({"1435", "1000", "750", "600"});
  auto kombiAnwenden = [this](QComboBox* c, std::function<bool(const std::string&)> setzen) {
    auto tun = [this, c, setzen] {
      if (fuellt_ || !befehl) return;
      const QString text = c->currentText();
      befehl([&] { return setzen(S(text)); });
      Kombi(c, text);
      Umrechnen();
    };
    connect(c, &QComboBox::activated, this, tun);
    connect(c->lineEdit(), &QLineEdit::editingFinished, this, tun);
  };
  kombiAnwenden(massstab_, [this](const std::string& t) { return daten_.MassstabSetzen(t); });
  kombiAnwenden(vorbildSpur_, [this](const std::string& t) { return daten_.VorbildSpurSetzen(t); });
  f->addRow(QStringLiteral("Maßstab 1 : "), massstab_);
  f->addRow(QStringLiteral("Spurweite"), vorbildSpur_);
  const char* schwellen[3] = {"ED_VSwAbst", "ED_VSwLen", "ED_VSwBrt"};
  const char* texte[3] = {"Schwellenabstand", "Schwellenlänge", "Schwellenbreite"};
  for (int i = 0; i < 3; ++i) {
    Zahlenfeld* z = Feld(QString::fromUtf8(schwellen[i]), [this, i](const std::string& t) {
      const bool ok = daten_.VorbildSchwelleSetzen(i, t);
      Umrechnen();
      return ok;
    });
    f->addRow(QString::fromUtf8(texte[i]), z);
  }
  schienenkopf_ = new QComboBox(vorbild);
  schienenkopf_->setObjectName(QStringLiteral("CB_SKopf"));
  schienenkopf_->addItems({QStringLiteral("72 mm - UIC 60 / S54"), QStringLiteral("67 mm - S49")});
  gleisabstand_ = new QComboBox(vorbild);
  gleisabstand_->setObjectName(QStringLiteral("CB_GleisAbst"));
  gleisabstand_->addItems({QStringLiteral("3,50 m - Mindestmaß"), QStringLiteral("4,00 m - Hauptstrecke"),
                           QStringLiteral("4,50 m - Bahnhof mit Schmalmastsignalen zwischen den Gleisen"),
                           QStringLiteral("5,00 m - Bahnhof mit Gittermastsignalen zwischen den Gleisen")});
  for (auto [c, pos] : {std::pair{schienenkopf_, 3}, std::pair{gleisabstand_, 4}})
    connect(c, &QComboBox::activated, this, [this, pos = pos](int i) {
      if (befehl) befehl([&] { return daten_.OptionSetzen(pos, static_cast<char>('0' + i)); });
      Umrechnen();
    });
  f->addRow(QStringLiteral("Schienenprofil"), schienenkopf_);
  f->addRow(QStringLiteral("Gleisabstand"), gleisabstand_);

  auto* radius = new QFormLayout;
  radius->addRow(QStringLiteral("Mindestradius"),
                 Feld(QStringLiteral("ED_MinRAnlage"), [this](const std::string& t) { return daten_.MinRadiusSetzen(Ebene::Anlage, t); }));
  auto* l = new QGridLayout(seite);
  l->addWidget(masse, 0, 0);
  l->addWidget(vorbild, 0, 1);
  l->addLayout(radius, 1, 0);
  return seite;
}

QPushButton* TAnlagendaten2::Farbknopf(const QString& name, Ebene e) {
  auto* k = new QPushButton(this);
  k->setObjectName(name);
  k->setFixedSize(40, 20);
  k->setToolTip(QStringLiteral("Farbe"));
  connect(k, &QPushButton::clicked, this, [this, e] {
    std::int32_t farbe = 0;
    switch (e) {
      case Ebene::Modul: farbe = ed_.modul() ? ed_.modul()->HintergrundFarbe() : 0; break;
      case Ebene::Gleis: farbe = ed_.gleis() ? ed_.gleis()->Farbe : 0; break;
      case Ebene::Bogen: farbe = ed_.bogen() ? ed_.bogen()->FarbeWert() : 0; break;
      case Ebene::Anlage: farbe = ed_.anlage().Farbe; break;
    }
    TFarb_Insp mischer(farbe, ed_.anlage().Farbspeicher, this);
    if (mischer.exec() != QDialog::Accepted || !befehl) return;
    befehl([&] {
      const bool neu = daten_.BenutzerfarbenSetzen(mischer.Benutzerfarben());
      return daten_.FarbeSetzen(e, mischer.Farbe()) || neu;
    });
    Auffrischen();
  });
  farben_[e] = k;
  return k;
}

QWidget* TAnlagendaten2::Modulseite() {
  auto* seite = new QWidget(this);
  auto* f = new QFormLayout;
  f->addRow(QStringLiteral("Modulname"), Feld(QStringLiteral("ED_MName"), [this](const std::string& t) { return daten_.NameSetzen(Ebene::Modul, t); }));
  felder_[QStringLiteral("ED_MName")]->setMaximumWidth(300);
  for (auto [name, breite] : {std::pair{"ED_MBreite", true}, std::pair{"ED_MHoehe", false}}) {
    Zahlenfeld* z = Feld(QString::fromUtf8(name), [this, b = breite](const std::string& t) { return daten_.ModulGroesseSetzen(b, t); }, true);
    auto* zeile = new QHBoxLayout;
    zeile->addWidget(z);
    for (int schritt : {-100, 100}) {
      auto* k = new QToolButton(seite);
      k->setText(schritt < 0 ? QStringLiteral("▼") : QStringLiteral("▲"));
      connect(k, &QToolButton::clicked, this, [z, schritt] {
        bool ok = false;
        const int v = z->text().toInt(&ok);
        z->Zeigen(QString::number(std::clamp((ok ? v : 0) + schritt, 0, 32000)));
        z->Anwenden();
      });
      zeile->addWidget(k);
    }
    f->addRow(breite ? QStringLiteral("Breite in mm") : QStringLiteral("Höhe in mm"), zeile);
  }
  groesse_ = new QLabel(seite);
  groesse_->setObjectName(QStringLiteral("L_DEF_BxH"));
  f->addRow(QStringLiteral("Modulgröße"), groesse_);
  f->addRow(QStringLiteral("Darstellungsmaßstab (1/10 mm pro Pixel)"), Feld(QStringLiteral("ED_MmmpPx"), [this](const std::string& t) {
              std::int64_t v = 0;
              try {
                v = TextInt(t);
              } catch (const LeseFehler&) {
                ed_.dialoge().Warnung("Maßstab nicht darstellbar");
                return false;
              }
              ed_.ZoomSetzen(v);
              return true;
            }, true));
  f->addRow(QStringLiteral("Farbe"), Farbknopf(QStringLiteral("S_MFarbe"), Ebene::Modul));
  f->addRow(QStringLiteral("Mindestradius"),
            Feld(QStringLiteral("ED_MinRMod"), [this](const std::string& t) { return daten_.MinRadiusSetzen(Ebene::Modul, t); }));
  QCheckBox* loeschen = nullptr;
  QWidget* masse = Massseite(Ebene::Modul, {"ED_MSpur1", "ED_MPAbst", "ED_MSwLen", "ED_MSwBrt", "ED_MSKopf", "ED_MGleisAbst", "ED_MTrBrt"}, &loeschen);
  loeschen->setObjectName(QStringLiteral("CB_MClear"));
  connect(loeschen, &QCheckBox::toggled, this, [this](bool an) { daten_.ueberschreibenModul = an; });
  auto* l = new QHBoxLayout(seite);
  l->addLayout(f);
  l->addWidget(masse);
  return seite;
}

QWidget* TAnlagendaten2::Gleisseite() {
  auto* seite = new QWidget(this);
  auto* f = new QFormLayout;
  f->addRow(QStringLiteral("Gleisname"), Feld(QStringLiteral("ED_GName"), [this](const std::string& t) { return daten_.NameSetzen(Ebene::Gleis, t); }));
  felder_[QStringLiteral("ED_GName")]->setMaximumWidth(300);
  f->addRow(QStringLiteral("Farbe"), Farbknopf(QStringLiteral("S_GFarbe"), Ebene::Gleis));
  f->addRow(QStringLiteral("Mindestradius"),
            Feld(QStringLiteral("ED_RadMin"), [this](const std::string& t) { return daten_.MinRadiusSetzen(Ebene::Gleis, t); }));
  QCheckBox* loeschen = nullptr;
  QWidget* masse = Massseite(Ebene::Gleis, {"ED_GSpur1", "ED_GSwAbst", "ED_GSwLen", "ED_GSwBrt", "ED_GSKopf", "ED_GGlAbst", "ED_GTrBrt"}, &loeschen);
  loeschen->setObjectName(QStringLiteral("CB_G_Clear"));
  connect(loeschen, &QCheckBox::toggled, this, [this](bool an) { daten_.ueberschreibenGleis = an; });
  auto* l = new QHBoxLayout(seite);
  l->addLayout(f);
  l->addWidget(masse);
  return seite;
}

QWidget* TAnlagendaten2::Bogenseite() {
  auto* seite = new QWidget(this);
  auto* f = new QFormLayout;
  f->addRow(QStringLiteral("Bogenname"), Feld(QStringLiteral("ED_BName"), [this](const std::string& t) { return daten_.NameSetzen(Ebene::Bogen, t); }));
  felder_[QStringLiteral("ED_BName")]->setMaximumWidth(300);
  f->addRow(QStringLiteral("Farbe"), Farbknopf(QStringLiteral("S_BFarbe"), Ebene::Bogen));
  QWidget* masse = Massseite(Ebene::Bogen, {"ED_BSpur1", "ED_BSwAbst", "ED_BSwLen", "ED_BSwBrt", "ED_BSkopf", "ED_BGlAbst", "ED_BTrBrt"}, nullptr);
  auto* l = new QHBoxLayout(seite);
  l->addLayout(f);
  l->addWidget(masse);
  return seite;
}

QWidget* TAnlagendaten2::Darstellungsseite() {
  auto* seite = new QWidget(this);
  auto* gleise = new QGroupBox(QStringLiteral("Gleise"), seite);
  auto* gl = new QVBoxLayout(gleise);
  const char* modi[3][2] = {{"SBtn_Sw", "Schienen und Schwellen"}, {"SBtn_Gleis", "nur Schienen"}, {"SBtn_Achse", "nur Gleisachse"}};
  for (int i = 0; i < 3; ++i) {
    modus_[i] = new QRadioButton(QString::fromUtf8(modi[i][1]), gleise);
    modus_[i]->setObjectName(QString::fromUtf8(modi[i][0]));
    connect(modus_[i], &QRadioButton::clicked, this, [this, i] {
      if (befehl) befehl([&] { return daten_.OptionSetzen(5, static_cast<char>('0' + i)); });
    });
    gl->addWidget(modus_[i]);
  }
  trasse_ = new QCheckBox(QStringLiteral("Trasse zeichnen"), gleise);
  hoehen_ = new QCheckBox(QStringLiteral("Höhen zeigen"), gleise);
  for (auto [c, trasse] : {std::pair{trasse_, true}, std::pair{hoehen_, false}}) {
    connect(c, &QCheckBox::clicked, this, [this, t = trasse](bool an) {
      daten_.AnsichtSetzen(t, an);
      if (neuZeichnen) neuZeichnen();
    });
    gl->addWidget(c);
  }

  auto* gitter = new QGroupBox(QStringLiteral("Gitter"), seite);
  auto* gf = new QFormLayout(gitter);
  gf->addRow(QStringLiteral("Gitterdistanz in mm"),
             Feld(QStringLiteral("ED_MGDimm"), [this](const std::string& t) { return daten_.GitterSetzen(true, t); }, true));
  gf->addRow(QStringLiteral("Gitterlinien / Zahl"),
             Feld(QStringLiteral("ED_GitterZahl"), [this](const std::string& t) { return daten_.GitterSetzen(false, t); }, true));
  gitterSichtbar_ = new QCheckBox(QStringLiteral("sichtbar"), gitter);
  gitterBeschriftung_ = new QCheckBox(QStringLiteral("Beschriftung"), gitter);
  for (auto [c, sichtbar] : {std::pair{gitterSichtbar_, true}, std::pair{gitterBeschriftung_, false}}) {
    connect(c, &QCheckBox::clicked, this, [this, s = sichtbar](bool an) {
      if (befehl) befehl([&] { return daten_.GitterFlagSetzen(s, an); });
    });
    gf->addRow(c);
  }

  auto* ausrichten = new QGroupBox(QStringLiteral("Ausrichten"), seite);
  auto* al = new QVBoxLayout(ausrichten);
  auto_ = new QToolButton(ausrichten);
  auto_->setObjectName(QStringLiteral("SB_Auto"));
  auto_->setCheckable(true);
  connect(auto_, &QToolButton::clicked, this, [this](bool an) {
    if (befehl) befehl([&] { return daten_.OptionSetzen(6, an ? '1' : '0'); });
    Auffrischen();
  });
  abstand_ = new QSlider(Qt::Horizontal, ausrichten);
  abstand_->setObjectName(QStringLiteral("TrackBar1"));
  abstand_->setRange(1, 30);
  abstandText_ = new QLabel(ausrichten);
  connect(abstand_, &QSlider::valueChanged, this, [this](int v) {
    if (fuellt_) return;
    if (maus_) maus_->fangabstand = v;
    Auffrischen();
  });
  al->addWidget(auto_);
  al->addWidget(abstand_);
  al->addWidget(abstandText_);

  auto* editoren = new QGroupBox(QStringLiteral("Editoren"), seite);
  editoren->setObjectName(QStringLiteral("RG_open"));
  auto* el = new QVBoxLayout(editoren);
  const char* oeffnen[2] = {"mit Markierung öffnen", "mit Doppelklick öffnen"};
  for (int i = 0; i < 2; ++i) {
    oeffnen_[i] = new QRadioButton(QString::fromUtf8(oeffnen[i]), editoren);
    connect(oeffnen_[i], &QRadioButton::clicked, this, [this, i] {
      if (befehl) befehl([&] { return daten_.OptionSetzen(7, static_cast<char>('0' + i)); });
    });
    el->addWidget(oeffnen_[i]);
  }
  auto* l = new QGridLayout(seite);
  l->addWidget(gleise, 0, 0);
  l->addWidget(gitter, 0, 1);
  l->addWidget(ausrichten, 1, 0);
  l->addWidget(editoren, 1, 1);
  return seite;
}

QWidget* TAnlagendaten2::Bibliotheksseite() {
  auto* seite = new QWidget(this);
  auto* g = new QGridLayout(seite);
  int i = 0;
  for (const TElementart& art : Elementarten()) {
    auto* k = new QToolButton(seite);
    k->setObjectName(QStringLiteral("SB_Liste_") + QString::fromUtf8(art.kennung));
    k->setText(QStringLiteral("…"));
    k->setToolTip(QString::fromUtf8(art.listeHinweis));
    k->setEnabled(art.ListeWaehlen != nullptr);
    connect(k, &QToolButton::clicked, this, [this, &art] {
      if (befehl && art.ListeWaehlen) befehl([this, &art] { return art.ListeWaehlen(ed_); });
      Auffrischen();
    });
    auto* name = new QLabel(seite);
    listen_[art.art] = name;
    g->addWidget(new QLabel(QString::fromUtf8(art.listenname), seite), i, 0);
    g->addWidget(name, i, 1);
    g->addWidget(k, i, 2);
    ++i;
  }
  g->setColumnStretch(1, 1);
  return seite;
}

void TAnlagendaten2::Kombi(QComboBox* c, const QString& wert) {
  // A typed value joins the items unless an item's text occurs within it.
  for (int i = 0; i < c->count(); ++i)
    if (wert.contains(c->itemText(i))) return;
  if (!wert.isEmpty()) c->addItem(wert);
}

void TAnlagendaten2::Umrechnen() {
  const Anlage& a = ed_.anlage();
  const double n = a.Massstab;
  if (!(n > 0)) return;
  auto setzen = [&](const char* name, double wert) {
    Zahlenfeld* f = felder_[QString::fromUtf8(name)];
    f->setText(Q(FestText(wert)));
    f->setModified(true);  // reaches the layout when left or with "Werte übernehmen"
  };
  setzen("ED_Spur1", Modellspur(a.VSpur, n));
  setzen("ED_PAbst", a.VSwAbst / n);
  setzen("ED_SwLen", a.VSwLen / n);
  setzen("ED_SwBrt", a.VSwBrt / n);
  setzen("ED_SKopf", VorbildSchienenkopf[a.Option(3) == '1' ? 1 : 0] / n);
  const int abstand = std::clamp(a.Option(4) - '0', 0, 3);
  setzen("ED_GleisAbst", VorbildGleisabstand[static_cast<std::size_t>(abstand)] / n);
}

void TAnlagendaten2::WerteUebernehmen() {
  if (!befehl) return;
  // Every command refreshes the window: the texts are taken before the first one.
  std::array<std::string, 7> texte;
  for (std::size_t i = 0; i < 7; ++i) texte[i] = S(masse_[{Ebene::Anlage, AlleMasse[i]}]->text());
  for (std::size_t i = 0; i < 7; ++i) befehl([&] { return daten_.MassSetzen(Ebene::Anlage, AlleMasse[i], texte[i]); });
  Auffrischen();
}

void TAnlagendaten2::EinstellungenSpeichern() {
  WerteUebernehmen();
  const auto pfad = DateiImOrdner(ed_.dokument().Datenpfad(), Einstellungsdatei);
  if (!pfad) {
    ed_.dialoge().Fehler("Die Datei \"" + ed_.dokument().Datenpfad() + Einstellungsdatei + "\" konnte nicht geöffnet werden.");
    return;
  }
  if (daten_.EinstellungenSpeichern(*pfad)) close();
}

void TAnlagendaten2::Auffrischen() {
  fuellt_ = true;
  const Anlage& a = ed_.anlage();
  for (const auto& [schluessel, feld] : masse_) {
    const std::string t = daten_.Anzeige(schluessel.first, schluessel.second);
    feld->setEnabled(!t.empty());
    feld->Zeigen(Q(t));
  }
  const TModul* m = ed_.modul();
  const TGleis* g = ed_.gleis();
  const TBogen* b = ed_.bogen();
  felder_[QStringLiteral("ED_MinRAnlage")]->Zeigen(Q(daten_.MinRadiusAnzeige(Ebene::Anlage)));
  felder_[QStringLiteral("ED_MinRMod")]->Zeigen(Q(daten_.MinRadiusAnzeige(Ebene::Modul)));
  felder_[QStringLiteral("ED_RadMin")]->Zeigen(Q(daten_.MinRadiusAnzeige(Ebene::Gleis)));
  felder_[QStringLiteral("ED_MName")]->Zeigen(m ? Q(m->Name) : QString());
  felder_[QStringLiteral("ED_GName")]->Zeigen(g ? Q(g->Name) : QString());
  felder_[QStringLiteral("ED_BName")]->Zeigen(b ? Q(b->Name) : QString());
  felder_[QStringLiteral("ED_MBreite")]->Zeigen(m ? QString::number(m->Breite) : QString());
  felder_[QStringLiteral("ED_MHoehe")]->Zeigen(m ? QString::number(m->Hoehe) : QString());
  groesse_->setText(m ? QStringLiteral("%1 x %2").arg(m->Breite).arg(m->Hoehe) : QString());
  felder_[QStringLiteral("ED_MmmpPx")]->Zeigen(m ? QString::number(std::lround(m->MmProPixel * 10)) : QString());
  felder_[QStringLiteral("ED_VSwAbst")]->Zeigen(Q(FestText(a.VSwAbst, 0)));
  felder_[QStringLiteral("ED_VSwLen")]->Zeigen(Q(FestText(a.VSwLen, 0)));
  felder_[QStringLiteral("ED_VSwBrt")]->Zeigen(Q(FestText(a.VSwBrt, 0)));
  felder_[QStringLiteral("ED_MGDimm")]->Zeigen(QString::number(a.GitterAbst));
  felder_[QStringLiteral("ED_GitterZahl")]->Zeigen(QString::number(a.GitterBeschrN));
  const QString stab = Q(RealText(a.Massstab)), spur = Q(RealText(a.VSpur));
  Kombi(massstab_, stab);
  Kombi(vorbildSpur_, spur);
  massstab_->setEditText(stab);
  vorbildSpur_->setEditText(spur);
  schienenkopf_->setCurrentIndex(a.Option(3) == '1' ? 1 : 0);
  gleisabstand_->setCurrentIndex(std::clamp(a.Option(4) - '0', 0, 3));
  const int modus = std::clamp(a.Option(5) - '0', 0, 2);
  modus_[modus]->setChecked(true);
  const bool automatisch = a.Option(6) == '1';
  auto_->setChecked(automatisch);
  auto_->setText(automatisch ? QStringLiteral("automatisches Ausrichten an") : QStringLiteral("automatisches Ausrichten aus"));
  const int abstand = maus_ ? static_cast<int>(maus_->fangabstand) : 15;
  abstand_->setValue(abstand);
  abstandText_->setText(QStringLiteral("%1 mm").arg(abstand));
  oeffnen_[a.Option(7) == '1' ? 1 : 0]->setChecked(true);
  trasse_->setChecked(a.TrasseZeichnen);
  hoehen_->setChecked(a.HoehenZeigen);
  gitterSichtbar_->setChecked(a.GitterSichtbar);
  gitterBeschriftung_->setChecked(a.GitterBeschriftung);
  for (auto [e, k] : farben_) {
    std::int32_t f = 0;
    if (e == Ebene::Modul && m) f = m->HintergrundFarbe();
    if (e == Ebene::Gleis && g) f = g->Farbe;
    if (e == Ebene::Bogen && b) f = b->FarbeWert();
    k->setStyleSheet(Farbstil(f));
  }
  for (const auto& [art, name] : listen_) name->setText(Q(a.Listendatei(art)));
  fuellt_ = false;
}

void TAnlagendaten2::showEvent(QShowEvent* e) {
  Auffrischen();
  QWidget::showEvent(e);
}

void TAnlagendaten2::hideEvent(QHideEvent* e) {
  QWidget::hideEvent(e);
  if (geschlossen) geschlossen();
}

}  // namespace trm::gui
