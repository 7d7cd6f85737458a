// The main window: construction, the commands' wiring, refresh, keys and the close query.
#include "gui/editor/TGleisanlage.h"

#include "gui/help/ErsteSchritte.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QSettings>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSpinBox>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include "core/editor/Zoom.h"
#include "core/import/TConverter.h"
#include "core/import/XtcImport.h"
#include "core/model/Fehler.h"
#include "core/model/Zahlformat.h"
#include "gui/editor/Aktion.h"
#include "gui/editor/Cursor.h"
#include "gui/calculators/RechnerTeil.h"
#include "gui/check/PruefTeil.h"
#include "gui/output/DruckTeil.h"
#include "gui/crossings/KreuzungsTeil.h"
#include "gui/geometry/GeoTeil.h"
#include "gui/turnouts/DrehscheibenTeil.h"
#include "gui/optimiser/OptimiererTeil.h"
#include "gui/settings/EinstellungsTeil.h"
#include "gui/turnouts/WeichenTeil.h"
#include "gui/editor/Symbole.h"
#include "gui/editor/TGleisDrehen.h"
#include "gui/editor/TZeichenflaeche.h"
#include "gui/editor/Werkzeugfenster.h"
#include "gui/editor/Zahlenfeld.h"
#include "gui/render/Bildexport.h"

namespace trm::gui {

namespace {
QString Q(const std::string& s) { return QString::fromStdString(s); }
}  // namespace

TGleisanlage::TGleisanlage(const QString& datenordner, std::shared_ptr<Zufall> zufall,
                           Dialoge* dialoge)
    : qtDialoge_(std::make_unique<QtDialoge>(this)) {
  dialoge_ = dialoge ? dialoge : qtDialoge_.get();
  dokument_ = std::make_unique<Dokument>(*dialoge_, datenordner.toStdString(), std::move(zufall));
  editor_ = std::make_unique<Editor>(*dokument_, *dialoge_);
  maus_ = std::make_unique<Mausbedienung>(*editor_);
  flaeche_ = new TZeichenflaeche(*editor_, *dialoge_, this);
  flaeche_->SetMausbedienung(maus_.get());
  flaeche_->BeiMaus = [this](const Mausantwort& a, QPoint p) { MausAntwort(a, p); };
  setCentralWidget(flaeche_);
  teile_.push_back(std::make_unique<WeichenTeil>());
  teile_.push_back(std::make_unique<KreuzungsTeil>());
  teile_.push_back(std::make_unique<DrehscheibenTeil>());
  teile_.push_back(std::make_unique<OptimiererTeil>());
  teile_.push_back(std::make_unique<EinstellungsTeil>());
  teile_.push_back(std::make_unique<GeoTeil>());
  teile_.push_back(std::make_unique<RechnerTeil>());
  teile_.push_back(std::make_unique<DruckTeil>());
  teile_.push_back(std::make_unique<PruefTeil>());
  MenuesAnlegen();
  Werkzeugleiste1();
  addToolBarBreak();
  Werkzeugleiste2();
  // The drawing tools in a row of their own: the rows above are full at the window's size.
  addToolBarBreak();
  QToolBar* zeichnen = addToolBar(QStringLiteral("Zeichnen"));
  zeichnen->setObjectName(QStringLiteral("Werkzeugleiste3"));
  Zeichenwerkzeuge(zeichnen);
  mausposition_ = new QLabel(QStringLiteral("Mausposition: x= y="), this);
  mausposition_->setObjectName(QStringLiteral("L_Mausposition"));
  statusBar()->addWidget(mausposition_);
  untermaus_ = new QLabel(this);
  untermaus_->setObjectName(QStringLiteral("L_UnterMaus"));
  statusBar()->addWidget(untermaus_);
  modushinweis_ = new QLabel(this);
  modushinweis_->setObjectName(QStringLiteral("L_Modushinweis"));
  statusBar()->addWidget(modushinweis_, 1);
  connect(flaeche_, &TZeichenflaeche::MassstabGeaendert, this, &TGleisanlage::Aktualisieren);
  // The places of the element panels are kept in the data folder, beside the settings file.
  ablage_ = std::make_unique<QSettings>(QDir(datenordner).filePath(QStringLiteral("fenster.ini")), QSettings::IniFormat);
  WerkzeugfensterAndocken(*this, *ablage_);
  qApp->installEventFilter(this);
  SymboleSetzen(this);
  resize(1200, 800);
  FormCreate();
}

TGleisanlage::~TGleisanlage() { qApp->removeEventFilter(this); }

QAction* TGleisanlage::NeueAktion(const QString& name, const QString& text, const QString& hinweis,
                                  std::function<void()> tun) {
  return gui::NeueAktion(this, name, text, hinweis, std::move(tun));
}

QAction* TGleisanlage::Schalter(QAction* a, bool Befehlszustand::*an) {
  schalter_.push_back({a, an});
  return a;
}

QAction* TGleisanlage::Aktion(const QString& name) const { return findChild<QAction*>(name); }

Zahlenfeld* TGleisanlage::Feld(const QString& name) const { return findChild<Zahlenfeld*>(name); }

void TGleisanlage::Befehl(const std::function<bool()>& tun) {
  if (tun()) Neuzeichnen();
  else Aktualisieren();
}

void TGleisanlage::MenuesAnlegen() {
  QMenu* datei = menuBar()->addMenu(QStringLiteral("&Datei"));
  QAction* neu = NeueAktion("MI_Neu", "neu", "", [this] {
    dokument_->Neu();
    NachDateibefehl();
  });
  neu->setShortcut(QKeySequence::New);
  datei->addAction(neu);
  QAction* oeffnen = NeueAktion("MI_Oeffnen", "öffnen", "", [this] {
    const bool ok = dokument_->Oeffnen();
    NachDateibefehl();
    if (ok) Einpassen();
  });
  oeffnen->setShortcut(QKeySequence::Open);
  datei->addAction(oeffnen);
  QAction* speichern = Schalter(NeueAktion("MI_Speichern", "speichern", "", [this] {
    dokument_->Speichern();
    TitelAktualisieren();
    Aktualisieren();
  }), &Befehlszustand::speichern);
  speichern->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
  datei->addAction(speichern);
  QAction* unter = NeueAktion("MI_SpeichernUnter", "speichern unter...", "", [this] {
    dokument_->SpeichernUnter();
    TitelAktualisieren();
    Aktualisieren();
  });
  unter->setShortcut(QKeySequence::SaveAs);
  datei->addAction(unter);
  datei->addAction(NeueAktion("MI_Bitmap", "als Bitmap speichern", "", [this] {
    const auto pfad = dialoge_->SpeichernDialog("Bitmaps (*.bmp)|*.bmp", dokument_->anlage().Name, "bmp");
    if (pfad) BitmapSpeichern(Q(*pfad));
  }));
  QAction* drucken = NeueAktion("MI_Drucken", "drucken", "", nullptr);
  drucken->setShortcut(QKeySequence(QStringLiteral("Ctrl+P")));
  datei->addAction(drucken);
  datei->addSeparator();
  datei->addAction(NeueAktion("MI_NeuesModul", "neues Modul", "", [this] {
    Befehl([this] {
      editor_->NeuesModul();
      return true;
    });
    flaeche_->Ausgangslage();
  }));
  datei->addAction(Schalter(NeueAktion("MI_ModulLoeschen", "akt. Modul löschen", "",
                              [this] {
                                Befehl([this] { return editor_->ModulLoeschen(); });
                                flaeche_->Ausgangslage();
                              }), &Befehlszustand::modulLoeschen));
  datei->addSeparator();
  importieren_ = datei->addMenu(QStringLiteral("importieren"));
  exportieren_ = datei->addMenu(QStringLiteral("exportieren"));
  datei->addSeparator();
  QAction* beenden = NeueAktion("MI_Beenden", "beenden", "", [this] { close(); });
  beenden->setShortcut(QKeySequence::Quit);
  datei->addAction(beenden);

  QMenu* bearbeiten = menuBar()->addMenu(QStringLiteral("&Bearbeiten"));
  QAction* rueck = Schalter(NeueAktion("MI_Rueckgaengig", "Rückgängig", "", [this] { Befehl([this] { return editor_->Rueckgaengig(); }); }), &Befehlszustand::rueckgaengigAktiv);
  rueck->setShortcut(QKeySequence::Undo);
  beschriftungen_.push_back({rueck, &Befehlszustand::rueckgaengig});
  bearbeiten->addAction(rueck);
  QAction* vor = Schalter(NeueAktion("MI_Wiederherstellen", "Wiederherstellen", "",
                            [this] { Befehl([this] { return editor_->Wiederherstellen(); }); }), &Befehlszustand::wiederherstellenAktiv);
  vor->setShortcuts({QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
  beschriftungen_.push_back({vor, &Befehlszustand::wiederherstellen});
  bearbeiten->addAction(vor);
  bearbeiten->addSeparator();
  bearbeiten->addAction(NeueAktion("MI_GleisDrehen", "Gleis drehen", "", [this] { GleisDrehenFragen(); }));
  bearbeiten->addAction(Schalter(NeueAktion("MI_GleisLoeschenRueckgaengig", "Rückgängig Gleis löschen", "",
                                   [this] { Befehl([this] { return editor_->GleisLoeschenRueckgaengig(); }); }), &Befehlszustand::rueckgaengigLoeschen));
  bearbeiten->addAction(NeueAktion("MI_OptiRueckgaengig", "Optimierung rückgängig", "", nullptr));
  bearbeiten->addSeparator();
  // The platform's keys for the drawing's clipboard and delete (a text field keeps its own).
  QAction* kopieren = NeueAktion("MI_Kopieren", "Gleis kopieren", "", [this] { Befehl([this] { return editor_->GleisKopieren(); }); });
  kopieren->setShortcut(QKeySequence::Copy);
  bearbeiten->addAction(kopieren);
  QAction* einfuegen = NeueAktion("MI_Einfuegen", "einfügen", "", [this] {
    Befehl([this] { return editor_->Einfuegen(); });
    flaeche_->viewport()->setCursor(MausCursor(maus_->Cursor()));
  });
  einfuegen->setShortcut(QKeySequence::Paste);
  bearbeiten->addAction(einfuegen);
  QAction* loeschen = Schalter(NeueAktion("MI_GleisLoeschen", "Gleis löschen", "", [this] { Befehl([this] { return editor_->GleisLoeschen(); }); }),
                               &Befehlszustand::gleisLoeschen);
  loeschen->setShortcut(QKeySequence::Delete);
  bearbeiten->addAction(loeschen);

  menuBar()->addAction(NeueAktion("MI_Anlagendaten", "&Anlagendaten", "", nullptr));
  modulmenue_ = menuBar()->addMenu(QStringLiteral("&Module"));
  QMenu* fenster = menuBar()->addMenu(QStringLiteral("&Fenster"));
  for (const char* f : {"Anlagendaten", "Bogendaten", "Optimierung"})
    fenster->addAction(NeueAktion(QStringLiteral("MI_Fenster") + f, f, "", nullptr));
  QMenu* extras = menuBar()->addMenu(QStringLiteral("E&xtras"));
  QMenu* hilfe = menuBar()->addMenu(QStringLiteral("&Hilfe"));
  QAction* schritte = NeueAktion("MI_ErsteSchritte", "Erste Schritte", "", [this] { ErsteSchritte(); });
  schritte->setShortcut(QKeySequence::HelpContents);
  hilfe->addAction(schritte);
  hilfe->addAction(NeueAktion("MI_Ueber", "Über Trassomatic", "", [this] {
    QMessageBox::about(this, QStringLiteral("Über Trassomatic"),
                       QStringLiteral("<b>Trassomatic</b><br>Planung von Modellbahnanlagen im Maßstab.<br><br>"
                                      "Gleise aus Geraden, Bögen und Übergangsbögen, Weichen, Kreuzungen, "
                                      "Kreuzungsweichen und Drehscheiben; Optimierer, Steigung, Gleiswendel, "
                                      "3D-Ansicht und Hintergrundelemente."));
  }));
  for (const char* e : {"Steigung berechnen", "Gleiswendel berechnen", "Bogen bis x/y-Wert fortführen", "Stückliste",
                        "Anlage prüfen"})
    extras->addAction(NeueAktion(QStringLiteral("MI_") + QString::fromUtf8(e).remove(' '), QString::fromUtf8(e), "", nullptr));
}

void TGleisanlage::Werkzeugleiste1() {
  QToolBar* l = addToolBar(QStringLiteral("Werkzeuge"));
  l->setObjectName(QStringLiteral("Werkzeugleiste1"));
  l->addAction(NeueAktion("TB_Neu", "Neu", "neu", [this] { Aktion("MI_Neu")->trigger(); }));
  l->addAction(NeueAktion("TB_Oeffnen", "Öffnen", "Datei öffnen", [this] { Aktion("MI_Oeffnen")->trigger(); }));
  l->addAction(Schalter(NeueAktion("TB_Speichern", "Speichern", "Datei speichern", [this] { Aktion("MI_Speichern")->trigger(); }), &Befehlszustand::speichern));
  l->addAction(NeueAktion("TB_Drucken", "Drucken", "Drucken", nullptr));
  QAction* rueck = Schalter(NeueAktion("TB_Rueckgaengig", "↶", "Rückgängig", [this] { Aktion("MI_Rueckgaengig")->trigger(); }),
                            &Befehlszustand::rueckgaengigAktiv);
  hinweise_.push_back({rueck, &Befehlszustand::rueckgaengig});
  l->addAction(rueck);
  QAction* vor = Schalter(NeueAktion("TB_Wiederherstellen", "↷", "Wiederherstellen",
                          [this] { Aktion("MI_Wiederherstellen")->trigger(); }), &Befehlszustand::wiederherstellenAktiv);
  hinweise_.push_back({vor, &Befehlszustand::wiederherstellen});
  l->addAction(vor);
  l->addAction(NeueAktion("TB_NeuesModul", "Modul+", "neues Modul", [this] { Aktion("MI_NeuesModul")->trigger(); }));
  l->addAction(Schalter(NeueAktion("TB_ModulLoeschen", "Modul−", "Modul löschen", [this] { Aktion("MI_ModulLoeschen")->trigger(); }), &Befehlszustand::modulLoeschen));
  l->addSeparator();
  // "+" and "−" zoom about the centre of the view in steps of about 20 %.
  QAction* plus = NeueAktion("TB_Vergroessern", "+", "Ansicht vergrößern",
                             [this] { flaeche_->ZoomSchritt(flaeche_->viewport()->rect().center(), true); });
  plus->setShortcuts(QKeySequence::ZoomIn);
  l->addAction(plus);
  QAction* minus = NeueAktion("TB_Verkleinern", "−", "Ansicht verkleinern",
                              [this] { flaeche_->ZoomSchritt(flaeche_->viewport()->rect().center(), false); });
  minus->setShortcuts(QKeySequence::ZoomOut);
  l->addAction(minus);
  zoomfeld_ = new QSpinBox(l);
  zoomfeld_->setObjectName(QStringLiteral("ED_Zoom"));
  zoomfeld_->setToolTip(QStringLiteral("Darstellungsmaßstab"));
  zoomfeld_->setRange(0, 1'000'000);
  zoomfeld_->setKeyboardTracking(false);  // applied on Enter or when the field is left
  l->addWidget(zoomfeld_);
  connect(zoomfeld_, &QSpinBox::valueChanged, this, [this](int wert) {
    const TModul* m = dokument_->anlage().AktuellesModul();
    if (m && wert != ZoomfeldWert(m->MmProPixel)) {
      // The field's value, kept about the centre of the view.
      const auto neu = MassstabAusZoomfeld(wert);
      if (neu) flaeche_->ZoomUm(flaeche_->viewport()->rect().center(), *neu);
      else flaeche_->ZoomSetzen(wert);
    }
  });
  QAction* lupe = lupe_ = NeueAktion("TB_Lupe", "Lupe", "Lupe", [this] {
    MausmodusSetzen(editor_->Modus() == Mausmodus::Lupe ? Mausmodus::Normal : Mausmodus::Lupe);
  });
  lupe->setCheckable(true);
  l->addAction(lupe);
  l->addAction(NeueAktion("TB_Anpassen", "Anpassen", "Ansicht ans Fenster anpassen", [this] { flaeche_->AnsFensterAnpassen(); }));
  l->addSeparator();
  l->addAction(Schalter(NeueAktion("TB_VorigesGleis", "◀", "zum vorigen Gleis gehen",
                          [this] {
                            Befehl([this] { return editor_->VorigesGleis(); });
                            GleisZeigen();
                          }), &Befehlszustand::vorigesGleis));
  l->addAction(Schalter(NeueAktion("TB_NaechstesGleis", "▶", "zum nächsten Gleis gehen",
                          [this] {
                            Befehl([this] { return editor_->NaechstesGleis(); });
                            GleisZeigen();
                          }), &Befehlszustand::naechstesGleis));
  l->addAction(Schalter(NeueAktion("TB_GleisLoeschen", "Löschen", "Gleis löschen",
                          [this] { Befehl([this] { return editor_->GleisLoeschen(); }); }), &Befehlszustand::gleisLoeschen));
  l->addAction(Schalter(NeueAktion("TB_GleisAnfuegen", "Anfügen", "neues Gleis an aktuelles Gleis anfügen",
                          [this] { Befehl([this] { return editor_->GleisAnfuegen(); }); }), &Befehlszustand::gleisAnfuegen));
  l->addSeparator();
  TeileAnlegen(l);
  l->addSeparator();
  l->addAction(NeueAktion("TB_MausZurueck", "Zeiger", "Mauszeiger zurücksetzen",
                          [this] { MausmodusSetzen(Mausmodus::Normal); }));
}

Zahlenfeld* TGleisanlage::PunktFeld(QToolBar* leiste, const QString& name, const QString& hinweis,
                                    const QString& pfeilHinweis, bool (Editor::*setzen)(const std::string&)) {
  const QString beschriftung = name == "ED_WAnf"    ? "Winkel Anfang"
                               : name == "ED_WEnde" ? "Ende"
                               : name == "ED_XAnf"  ? " Anfang x"
                               : name == "ED_XEnde" ? " Ende x"
                               : name == "ED_YAnf" || name == "ED_YEnde" ? "y"
                                                                         : "";
  if (!beschriftung.isEmpty()) leiste->addWidget(new QLabel(beschriftung + " ", leiste));
  auto* feld = new Zahlenfeld(false, leiste);
  feld->wertpuffer = &editor_->Wertpuffer();
  feld->setObjectName(name);
  feld->setToolTip(hinweis);
  feld->Uebernehmen = [this, setzen](const QString& t) {
    Befehl([this, setzen, t] { return (editor_.get()->*setzen)(t.toStdString()); });
  };
  leiste->addWidget(feld);
  if (!pfeilHinweis.isEmpty()) {
    // The arrows: the value cut to a multiple of 5, then up or down by 5, applied at once.
    for (const bool runter : {false, true}) {
      QAction* pfeil = NeueAktion(QStringLiteral("UD_") + name.mid(3) + (runter ? "_runter" : "_hoch"),
                                  runter ? "▼" : "▲", pfeilHinweis,
                                  [this, feld, runter] { Fuenferschritt(feld, runter); });
      leiste->addAction(pfeil);
    }
  }
  return feld;
}

void TGleisanlage::Fuenferschritt(Zahlenfeld* feld, bool runter) {
  try {
    feld->setText(Q(Editor::Fuenferschritt(TextReal(feld->text().toStdString()), runter)));
    feld->Anwenden();
  } catch (const LeseFehler& e) {
    dialoge_->Fehler(e.what());
  }
}

void TGleisanlage::Werkzeugleiste2() {
  QToolBar* l = addToolBar(QStringLiteral("Gleis"));
  l->setObjectName(QStringLiteral("Werkzeugleiste2"));
  // The rotate buttons step the angle field by 5° (down while Ctrl is held).
  auto drehknopf = [this](const QString& name, const QString& text, const QString& hinweis, const QString& feldname) {
    return NeueAktion(name, text, hinweis, [this, feldname] { Fuenferschritt(Feld(feldname), editor_->Strg()); });
  };
  l->addAction(drehknopf("TB_AnfDrehen", "↺A", "Gleis um Anfangspunkt drehen", "ED_WAnf"));
  felder_.push_back({PunktFeld(l, "ED_WAnf", "Anfangswinkel", "", &Editor::AnfangswinkelSetzen), &Befehlszustand::anfangswinkel});
  felder_.push_back({PunktFeld(l, "ED_WEnde", "Endwinkel", "", &Editor::EndwinkelSetzen), &Befehlszustand::endwinkel});
  l->addAction(drehknopf("TB_EndDrehen", "↺E", "Gleis um Endpunkt drehen", "ED_WEnde"));
  l->addSeparator();
  felder_.push_back({PunktFeld(l, "ED_XAnf", "Anfangspunkt X", "Gleis horizontal verschieben", &Editor::AnfangXSetzen), &Befehlszustand::anfangX});
  felder_.push_back({PunktFeld(l, "ED_YAnf", "Anfangspunkt Y", "Gleis vertikal verschieben", &Editor::AnfangYSetzen), &Befehlszustand::anfangY});
  felder_.push_back({PunktFeld(l, "ED_XEnde", "Endpunkt X", "Gleis horizontal verschieben", &Editor::EndeXSetzen), &Befehlszustand::endeX});
  felder_.push_back({PunktFeld(l, "ED_YEnde", "Endpunkt Y", "Gleis vertikal verschieben", &Editor::EndeYSetzen), &Befehlszustand::endeY});
  l->addSeparator();
  l->addAction(NeueAktion("TB_GlsAbst", "Abstand", "Parallelgleisabstand übernehmen",
                          [this] { Feld("ED_GlsAbst")->Anwenden(); }));
  felder_.push_back({PunktFeld(l, "ED_GlsAbst", "Parallelgleisabstand", "", &Editor::ParallelabstandSetzen), &Befehlszustand::parallelabstand});
}

void TGleisanlage::Zeichenwerkzeuge(QToolBar* l) {
  struct Werkzeug {
    const char* name;
    const char* text;
    const char* taste;
    Mausmodus modus;
  };
  const Werkzeug werkzeuge[] = {{"TB_Gerade", "Gerade ziehen", "G", Mausmodus::GeradeZiehen},
                                {"TB_Bogen", "Bogen ziehen", "B", Mausmodus::BogenZiehen},
                                {"TB_Verbinden", "Gleisenden verbinden", "V", Mausmodus::EndenVerbinden},
                                {"TB_Parallel", "Parallelgleis", "P", Mausmodus::Parallelgleis}};
  for (const Werkzeug& w : werkzeuge) {
    // The button again, or its key again, goes back to the normal mode. A text field with the
    // focus takes the plain letters itself (they never reach the shortcut).
    const QString text = QString::fromUtf8(w.text);
    QAction* a = NeueAktion(w.name, text, text + QStringLiteral(" (") + w.taste + QStringLiteral(")"),
                            [this, m = w.modus] { MausmodusSetzen(editor_->Modus() == m ? Mausmodus::Normal : m); });
    a->setCheckable(true);
    a->setShortcut(QKeySequence(QString::fromLatin1(w.taste)));
    werkzeuge_.push_back({a, w.modus});
    l->addAction(a);
  }
  uebergangAn_ = new QCheckBox(QStringLiteral("mit Übergangsbögen"), l);
  uebergangAn_->setObjectName(QStringLiteral("CB_Uebergang"));
  uebergangAn_->setToolTip(QStringLiteral("Bögen mit Übergangsbögen an beiden Enden ziehen"));
  uebergangAn_->setFocusPolicy(Qt::NoFocus);
  l->addWidget(uebergangAn_);
  uebergangFeld_ = new Zahlenfeld(false, l);
  uebergangFeld_->setObjectName(QStringLiteral("ED_Uebergang"));
  uebergangFeld_->setToolTip(QStringLiteral("Länge der Übergangsbögen in mm"));
  uebergangFeld_->setMaximumWidth(70);
  uebergangFeld_->wertpuffer = &editor_->Wertpuffer();
  uebergangFeld_->Zeigen(Q(RealText(uebergangLaenge_)));
  uebergangFeld_->Uebernehmen = [this](const QString& t) {
    const auto wert = editor_->Zahl(t.toStdString());
    if (wert && !(*wert > 0)) dialoge_->Fehler("Die Länge der Übergangsbögen muss größer als 0 mm sein.");
    else if (wert) uebergangLaenge_ = *wert;
    uebergangFeld_->Zeigen(Q(RealText(uebergangLaenge_)));
    UebergangSetzen();
  };
  l->addWidget(uebergangFeld_);
  l->addWidget(new QLabel(QStringLiteral(" mm "), l));
  connect(uebergangAn_, &QCheckBox::toggled, this, [this] { UebergangSetzen(); });
}

void TGleisanlage::UebergangSetzen() {
  maus_->Zeichner().uebergang = uebergangAn_->isChecked() ? uebergangLaenge_ : 0;
}

void TGleisanlage::ModulmenueAufbauen() {
  modulmenue_->clear();
  const Befehlszustand z = editor_->Zustand();
  for (std::size_t i = 0; i < z.module.size(); ++i) {
    QAction* a = modulmenue_->addAction(Q(z.module[i]));
    a->setCheckable(true);
    a->setChecked(z.modulHaken[i]);
    connect(a, &QAction::triggered, this, [this, i] {
      Befehl([this, i] {
        editor_->ModulWechseln(static_cast<int>(i));
        return true;
      });
      flaeche_->Ausgangslage();
    });
  }
}

void TGleisanlage::Aktualisieren() {
  setWindowModified(dokument_->Geaendert());
  if (modushinweis_) modushinweis_->setText(Q(maus_->Hinweis()));
  const Befehlszustand z = editor_->Zustand();
  for (const auto& [aktion, an] : schalter_) aktion->setEnabled(z.*an);
  {
    const QSignalBlocker sperre(zoomfeld_);
    zoomfeld_->setValue(static_cast<int>(z.zoomfeld));
  }
  for (const auto& [aktion, text] : beschriftungen_) aktion->setText(Q(z.*text));
  for (const auto& [aktion, text] : hinweise_) aktion->setToolTip(Q(z.*text));
  for (const auto& [feld, text] : felder_) feld->Zeigen(Q(z.*text));
  lupe_->setChecked(editor_->Modus() == Mausmodus::Lupe);
  for (const auto& [aktion, modus] : werkzeuge_) aktion->setChecked(editor_->Modus() == modus);
  for (const auto& teil : teile_) teil->Aktualisieren(z);
  ModulmenueAufbauen();
}

void TGleisanlage::Neuzeichnen() {
  flaeche_->Neuzeichnen();
  Aktualisieren();
}

void TGleisanlage::MausmodusSetzen(Mausmodus modus) {
  editor_->ModusSetzen(modus);
  flaeche_->viewport()->setCursor(MausCursor(maus_->Cursor()));
  Aktualisieren();
}

std::unique_ptr<QMenu> TGleisanlage::Kontextmenue() {
  auto menue = std::make_unique<QMenu>(this);
  const Kontextzustand k = editor_->Kontext();
  auto eintrag = [&](QMenu* in, const QString& name, const QString& text, std::function<void()> tun, bool an = true) {
    QAction* a = NeueAktion(name, text, "", std::move(tun));
    a->setParent(in);
    if (a->isEnabled()) a->setEnabled(an);
    in->addAction(a);
    return a;
  };
  auto modus = [this](Mausmodus m) { return [this, m] { MausmodusSetzen(m); }; };
  QMenu* m = menue.get();
  eintrag(m, "PM_NeuesGleis", "neues Gleis", [this] {
    editor_->NeuesGleisBeginnen();
    MausmodusSetzen(Mausmodus::NeuesGleis);
  });
  eintrag(m, "PM_Lupe", "vergrößern / verkleinern", modus(Mausmodus::Lupe));
  m->addSeparator();
  for (const auto& w : werkzeuge_) m->addAction(w.first);
  m->addSeparator();
  eintrag(m, "PM_Verbinden", "Gleis verbinden", modus(Mausmodus::GruppeVerbinden));
  eintrag(m, "PM_AlsNachfolger", "Gleis als Nachfolger verbinden", modus(Mausmodus::AlsNachfolger));
  eintrag(m, "PM_Loesen", "Gleis lösen", modus(Mausmodus::Loesen));
  eintrag(m, "PM_VerbindungenZeigen", "Verbindungen zeigen", [this] {
    dokument_->anlage().VerbindungenZeigen = true;
    Neuzeichnen();
  });
  eintrag(m, "PM_VerbindungenAusblenden", "Verbindungen ausblenden", [this] {
    dokument_->anlage().VerbindungenZeigen = false;
    Neuzeichnen();
  });
  eintrag(m, "PM_AlleLoesen", "alle Verbindungen des markierten Gleises lösen", [this] {
    Befehl([this] { return editor_->AlleVerbindungenLoesen(); });
  });
  m->addSeparator();
  eintrag(m, "PM_BogenTauschen", "Bogen mit Vorgänger tauschen",
          [this] { Befehl([this] { return editor_->BogenTauschen(); }); }, k.bogenTauschen);
  eintrag(m, "PM_BogenVerbinden", "Bogen mit Nachfolger verbinden",
          [this] { Befehl([this] { return editor_->BogenVerbinden(); }); }, k.bogenVerbinden);
  m->addSeparator();
  QMenu* kopieren = m->addMenu(QStringLiteral("kopieren"));
  eintrag(kopieren, "PM_KopierenGleis", Q(k.kopierenErstes), [this] { Befehl([this] { return editor_->GleisKopieren(); }); });
  eintrag(kopieren, "PM_KopierenBogen", "Bogen", [this] { Befehl([this] { return editor_->BogenKopieren(); }); });
  const std::pair<const char*, Wert> werte[] = {{"Anfangspunkt x-Koordinate", Wert::AnfangX},
                                                {"Anfangspunkt y-Koordinate", Wert::AnfangY},
                                                {"Anfangswinkel", Wert::Anfangswinkel},
                                                {"Endpunkt x-Koordinate", Wert::EndeX},
                                                {"Endpunkt y-Koordinate", Wert::EndeY},
                                                {"Endwinkel", Wert::Endwinkel}};
  for (const auto& [text, wert] : werte) {
    eintrag(kopieren, QStringLiteral("PM_Wert") + QString::number(static_cast<int>(wert)), QString::fromUtf8(text),
            [this, w = wert] {
              QApplication::clipboard()->setText(Q(editor_->WertKopieren(w)));
            });
  }
  eintrag(m, "PM_Einfuegen", Q(k.einfuegen), [this] {
    Befehl([this] { return editor_->Einfuegen(); });
    MausmodusSetzen(editor_->Modus());
  }, k.einfuegenAktiv);
  m->addSeparator();
  for (const auto& teil : teile_) teil->Kontextmenue(*m, k);
  return menue;
}

void TGleisanlage::MausAntwort(const Mausantwort& a, QPoint position) {
  if (!a.status.empty()) mausposition_->setText(Q(a.status));
  if (a.lupe) flaeche_->LupenKlick(position, *a.lupe);
  if (a.unterMaus) untermaus_->setText(Q(*a.unterMaus));
  // A drawing tool's draft that moved changes nothing in the layout: only the view repaints
  // (the module's picture is kept), so that the draft follows the mouse at full speed.
  const bool nurEntwurf = a.hervorhebung && !a.geaendert && !a.auffrischen && maus_->Zeichnet();
  if (nurEntwurf) flaeche_->viewport()->update();
  else if (a.neuZeichnen) Neuzeichnen();
  else if (a.auffrischen || a.geaendert) Aktualisieren();
  if (a.hinweis) modushinweis_->setText(Q(*a.hinweis));
  if (a.hervorhebung && !a.neuZeichnen) flaeche_->viewport()->update();
  for (const auto& teil : teile_) {
    if (a.elementfensterVerbergen) teil->Elementfenster(Fensteranlass::Verbergen);
    if (a.elementfensterKlick) teil->Elementfenster(Fensteranlass::Klick);
    if (a.elementfensterZeigen) teil->Elementfenster(Fensteranlass::Doppelklick);
  }
  const int cursor = a.cursor == CursorKandidat ? CursorAnker : a.cursor;
  flaeche_->viewport()->setCursor(MausCursor(cursor));
  for (const auto& teil : teile_) teil->Maus(a);
  if (a.kontextmenue && editor_->Modus() != Mausmodus::Lupe) Kontextmenue()->exec(flaeche_->viewport()->mapToGlobal(position));
}

void TGleisanlage::TeileAnlegen(QToolBar* elemente) {
  Fensterteile t;
  t.fenster = this;
  t.editor = editor_.get();
  t.dialoge = dialoge_;
  t.importieren = importieren_;
  t.exportieren = exportieren_;
  t.elemente = elemente;
  t.befehl = [this](const std::function<bool()>& tun) { Befehl(tun); };
  t.aktualisieren = [this] { Aktualisieren(); };
  t.maus = maus_.get();
  t.neuZeichnen = [this] { Neuzeichnen(); };
  for (const auto& teil : teile_) teil->Anlegen(t);
  importieren_->addAction(NeueAktion("MI_ImportTrm", "Plan aus .trm-Datei importieren", "", [this] {
    if (dokument_->Importieren(TrmImport())) NachDateibefehl();
  }));
  importieren_->addAction(NeueAktion("MI_ImportXtc", "XTrackCAD-Anlage (*.xtc)…", "", [this] {
    if (dokument_->Importieren(XtcImport())) NachDateibefehl();
  }));
}

void TGleisanlage::GleisDrehenFragen() {
  if (!editor_->gleis()) return;
  TGleisDrehen fenster(this);
  if (fenster.exec() != QDialog::Accepted) return;
  const auto grad = editor_->Zahl(fenster.Winkeltext().toStdString());
  if (grad) Befehl([this, &fenster, grad] { return editor_->GleisDrehen(fenster.UmAnfang(), *grad); });
}

void TGleisanlage::NachDateibefehl() {
  TitelAktualisieren();
  MausmodusSetzen(Mausmodus::Normal);
  Neuzeichnen();
  flaeche_->Ausgangslage();
}

void TGleisanlage::FormCreate() {
  dokument_->Neu();
  MausmodusSetzen(Mausmodus::Normal);
  NachDateibefehl();
}

bool TGleisanlage::DateiOeffnen(const QString& pfad) {
  // An XTrackCAD layout given at start (or dropped on the program) is imported, not opened.
  const bool ok = pfad.endsWith(QStringLiteral(".xtc"), Qt::CaseInsensitive)
                      ? dokument_->ImportierenDatei(XtcImport(), pfad.toStdString())
                      : dokument_->OeffnenDatei(pfad.toStdString());
  NachDateibefehl();
  if (ok) Einpassen();
  return ok;
}

void TGleisanlage::GleisZeigen() {
  const TModul* m = editor_->modul();
  const TGleis* g = editor_->gleis();
  if (!m || !g || g->Boegen.empty() || !(m->MmProPixel > 0)) return;
  double xmin = 1e300, ymin = 1e300, xmax = -1e300, ymax = -1e300;
  for (const auto& b : g->Boegen) {
    xmin = std::min(xmin, b->Huelle.xmin);
    ymin = std::min(ymin, b->Huelle.ymin);
    xmax = std::max(xmax, b->Huelle.xmax);
    ymax = std::max(ymax, b->Huelle.ymax);
  }
  const double s = m->MmProPixel;
  const QRect box(QPoint(static_cast<int>(xmin / s), static_cast<int>((m->Hoehe - ymax) / s)),
                  QPoint(static_cast<int>(xmax / s), static_cast<int>((m->Hoehe - ymin) / s)));
  flaeche_->Zeigen(box.adjusted(-20, -20, 20, 20));
}

void TGleisanlage::Einpassen() {
  // An opened plan is shown whole, once the window has its size.
  QTimer::singleShot(0, flaeche_, [this] {
    flaeche_->AnsFensterAnpassen();
    Aktualisieren();
  });
}

bool TGleisanlage::BitmapSpeichern(const QString& pfad) {
  TModul* m = dokument_->anlage().AktuellesModul();
  if (!m) return false;
  const QImage bild = ModulBild(dokument_->anlage(), *m);
  if (bild.isNull()) {
    dialoge_->Warnung(MeldungMassstab);
    return false;
  }
  const QString ziel = BildPfad(pfad);
  if (!BildSpeichern(bild, ziel)) {
    dialoge_->Fehler("Die Datei \"" + ziel.toStdString() + "\" konnte nicht gespeichert werden.");
    return false;
  }
  return true;
}

void TGleisanlage::ErsteSchritte() {
  // Built afresh each time: its pictures use the open layout's gauge and turnout list.
  if (anleitung_) anleitung_->deleteLater();
  anleitung_ = new gui::ErsteSchritte(dokument_->anlage(), this);
  anleitung_->show();
}

void TGleisanlage::TitelAktualisieren() {
  // "[*]" shows the unsaved-changes mark of the platform.
  setWindowTitle(Q(dokument_->Titel()) + QStringLiteral("[*]"));
  setWindowModified(dokument_->Geaendert());
}

bool TGleisanlage::eventFilter(QObject* objekt, QEvent* e) {
  // The window sees the keys before its controls: Ctrl, Esc and Space; the keys go on.
  if ((e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease) && isActiveWindow()) {
    const auto* k = static_cast<QKeyEvent*>(e);
    const bool druck = e->type() == QEvent::KeyPress;
    if (k->key() == Qt::Key_Control) editor_->StrgSetzen(druck);
    // A key not taken by its first receiver goes on to the parents, and this filter sees it
    // again: Esc acts once, at the first receiver.
    QWidget* erster = QApplication::focusWidget() ? QApplication::focusWidget() : this;
    if (druck && k->key() == Qt::Key_Escape && objekt == erster) {
      editor_->OptiAbbruchSetzen(true);
      // Esc drops a drawing tool's drag or picked end (the tool stays chosen); else it ends
      // the mouse mode.
      if (maus_->Abbrechen()) {
        flaeche_->viewport()->update();
        modushinweis_->setText(Q(maus_->Hinweis()));
      } else if (editor_->Modus() != Mausmodus::Normal) {
        MausmodusSetzen(Mausmodus::Normal);
      }
    }
    if (k->key() == Qt::Key_Space && !k->isAutoRepeat()) {
      flaeche_->leertaste_ = druck;
      if (druck) {
        maus_->CursorZuruecksetzen();
        flaeche_->viewport()->setCursor(Qt::ArrowCursor);
      }
    }
  }
  return QMainWindow::eventFilter(objekt, e);
}

void TGleisanlage::closeEvent(QCloseEvent* e) {
  if (!dokument_->SchliessenErlaubt()) {
    e->ignore();
    return;
  }
  WerkzeugfensterMerken(*this, *ablage_);
  e->accept();
}

}  // namespace trm::gui
