// Every entry field of every window under hostile values: 0, -1, 1e12, letters and an empty
// text, each confirmed by Enter, Tab and Esc, with the real message boxes closed by Enter and by
// their button. After each entry the program runs on, the layout passes the validator, and a
// value refused with an error message changed nothing.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <algorithm>

#include "core/geometry/GeoBefehle.h"
#include "core/model/AnlageDatei.h"
#include "core/model/Datenordner.h"
#include "core/model/Modul.h"
#include "core/model/Pruefung.h"
#include "gui/crossings/KrDatenfenster.h"
#include "gui/editor/TGleisanlage.h"
#include "gui/editor/Werkzeugfenster.h"
#include "gui/lists/TfListe.h"

namespace {

using trm::gui::TGleisanlage;

/// Closes every message box as soon as it shows, by Enter or by its default button, and counts
/// the error messages. Another modal dialog that an entry opens is cancelled, unless the test
/// itself works in it.
class Boxschliesser : public QObject {
 public:
  bool perTaste = true;
  bool dialogeErlaubt = false;
  int fehler = 0;
  QStringList texte;  ///< every message shown

 protected:
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() != QEvent::Show) return false;
    auto* d = qobject_cast<QDialog*>(o);
    if (d && !qobject_cast<QMessageBox*>(o) && d->isModal() && !dialogeErlaubt)
      QMetaObject::invokeMethod(
          d, [d] { d->reject(); }, Qt::QueuedConnection);
    if (auto* m = qobject_cast<QMessageBox*>(o)) {
      // An error or warning refuses the value, unless it says what the value was set to instead.
      if ((m->icon() == QMessageBox::Critical || m->icon() == QMessageBox::Warning) &&
          !m->text().contains(QStringLiteral("gesetzt")))
        ++fehler;
      texte << m->text();
      const bool taste = perTaste;
      QMetaObject::invokeMethod(
          m,
          [m, taste] {
            if (taste) {
              QTest::keyClick(m, Qt::Key_Return);
            } else {
              QAbstractButton* k = m->defaultButton();
              if (!k && !m->buttons().isEmpty()) k = m->buttons().first();
              if (k) k->click();
            }
          },
          Qt::QueuedConnection);
    }
    return false;
  }
};

enum class Bestaetigung { Enter, Tab, Esc };
const Bestaetigung kBestaetigungen[] = {Bestaetigung::Enter, Bestaetigung::Tab, Bestaetigung::Esc};
const char* const kWerte[] = {"0", "-1", "1e12", "abc", ""};

void Warten() {
  for (int i = 0; i < 3; ++i) {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
  }
}

/// The text typed over the whole content of a line edit: pasted, so that the key filters do
/// not stop it (a user can paste anything); the empty text by deleting.
void Ueberschreiben(QLineEdit* f, const QString& wert) {
  QTest::keyClick(f, Qt::Key_A, Qt::ControlModifier);
  if (wert.isEmpty()) {
    QTest::keyClick(f, Qt::Key_Delete);
  } else {
    QApplication::clipboard()->setText(wert);
    QTest::keyClick(f, Qt::Key_V, Qt::ControlModifier);
  }
}

void Bestaetigen(QWidget* f, Bestaetigung b) {
  switch (b) {
    case Bestaetigung::Enter:
      QTest::keyClick(f, Qt::Key_Return);
      break;
    case Bestaetigung::Tab:
      QTest::keyClick(f, Qt::Key_Tab);
      break;
    case Bestaetigung::Esc:
      QTest::keyClick(f, Qt::Key_Escape);
      break;
  }
}

/// A field the user can type into now.
bool Bereit(const QWidget* w) { return w && w->isVisible() && w->isEnabled(); }

/// The window or panel a widget belongs to: its nearest window or element panel.
const QWidget* Fensterteil(const QWidget* w) {
  for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget())
    if (p->isWindow() || qobject_cast<const trm::gui::Werkzeugfenster*>(p)) return p;
  return nullptr;
}

class Eingabesweep : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(trm::DatenordnerEinrichten(ordner.path().toStdString(), TRM_QUELLDATEN));
    w = std::make_unique<TGleisanlage>(ordner.path(), std::make_shared<trm::MersenneZufall>(2));
    qApp->installEventFilter(&boxen);
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    w->Aktion("TB_GleisAnfuegen")->trigger();
  }
  void TearDown() override {
    qApp->removeEventFilter(&boxen);
    // Leaving must not ask: the test's changes are thrown away.
    w->dokument().verlauf().Gespeichert();
  }

  trm::Anlage& A() { return w->dokument().anlage(); }
  std::string Stand() {
    std::string s;
    for (const auto& z : trm::AnlageZeilen(A())) s += z + '\n';
    return s;
  }

  /// The first type of the list window behind `knopf`.
  void Einsetzen(const char* knopf) {
    boxen.dialogeErlaubt = true;
    QTimer::singleShot(0, [] {
      for (QWidget* f : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<trm::gui::TfListe*>(f); d && d->isVisible()) d->done(trm::gui::TfListe::Auswaehlen);
    });
    w->Aktion(knopf)->trigger();
    boxen.dialogeErlaubt = false;
    Warten();
  }

  /// One entry: `eingeben` types into the field and confirms; then the checks.
  void Fall(const QString& wo, const std::function<void()>& eingeben) {
    const std::string vorher = Stand();
    const std::size_t schritte = w->dokument().verlauf().AnzahlRueckgaengig();
    const int fehler = boxen.fehler;
    boxen.texte.clear();
    if (qEnvironmentVariableIsSet("TRM_SWEEP_LOG")) qInfo("begin %s", qPrintable(wo));
    eingeben();
    Warten();
    ++faelle;
    if (qEnvironmentVariableIsSet("TRM_SWEEP_LOG")) qInfo("%s", qPrintable(wo));
    const auto fehlerliste = trm::VerbindungenPruefen(A());
    EXPECT_TRUE(fehlerliste.empty()) << wo.toStdString() << ": " << fehlerliste.front();
    const bool geaendert = w->dokument().verlauf().AnzahlRueckgaengig() != schritte;
    if (!geaendert) {
      EXPECT_TRUE(Stand() == vorher) << wo.toStdString() << ": changed without a step";
    }
    if (boxen.fehler != fehler) {
      EXPECT_FALSE(geaendert) << wo.toStdString() << ": refused, yet a step was recorded ("
                              << boxen.texte.join(" | ").toStdString() << ") " << fehler << " " << boxen.fehler << " "
                              << w->dokument().verlauf().RueckgaengigName().value_or("-");
      const std::string nachher = Stand();
      const auto [a, b] =
          std::mismatch(vorher.begin(), vorher.end(), nachher.begin(), nachher.end());
      EXPECT_TRUE(nachher == vorher)
          << wo.toStdString() << ": refused, yet the layout changed at \""
          << std::string(a, std::find(a, vorher.end(), '\n')) << "\" -> \""
          << std::string(b, std::find(b, nachher.end(), '\n')) << "\"";
    }
    // The next entry starts from the same layout.
    if (geaendert) {
      w->Aktion("MI_Rueckgaengig")->trigger();
      Warten();
    }
  }

  /// Every value and confirmation into every line edit and every editable cell of `fenster`
  /// (all pages of its tab widgets); `offen` reopens the window when an entry closed it.
  void Durchlaufen(QWidget* fenster, const std::function<void()>& offen = {}) {
    ASSERT_TRUE(fenster->isVisible()) << fenster->objectName().toStdString();
    QList<QTabWidget*> reiter = fenster->findChildren<QTabWidget*>();
    const int seiten = reiter.isEmpty() ? 1 : reiter.front()->count();
    for (int s = 0; s < seiten; ++s) {
      if (!reiter.isEmpty()) reiter.front()->setCurrentIndex(s);
      Warten();
      FelderDurchlaufen(fenster, offen);
      ZellenDurchlaufen(fenster, offen);
      if (offen && !fenster->isVisible()) offen();
      if (!fenster->isVisible() || fenster->findChildren<QTabWidget*>() != reiter) break;
    }
  }

  void FelderDurchlaufen(QWidget* fenster, const std::function<void()>& offen) {
    QList<QPointer<QLineEdit>> felder;
    for (QLineEdit* f : fenster->findChildren<QLineEdit*>()) felder << f;
    for (const QPointer<QLineEdit>& f : felder) {
      // Cell editors are reached through their cells.
      if (!f || f->isReadOnly() || Fensterteil(f) != fenster ||
          qobject_cast<QAbstractItemView*>(f->parentWidget() ? f->parentWidget()->parentWidget()
                                                             : nullptr))
        continue;
      const QString name = f->objectName().isEmpty() && f->parentWidget()
                               ? f->parentWidget()->objectName()
                               : f->objectName();
      for (const char* wert : kWerte)
        for (Bestaetigung b : kBestaetigungen) {
          if (offen && !fenster->isVisible()) offen();
          if (!Bereit(f)) continue;
          Fall(fenster->objectName() + "/" + name + " = " + wert, [&] {
            fenster->activateWindow();
            f->setFocus(Qt::TabFocusReason);
            Ueberschreiben(f, QString::fromUtf8(wert));
            Bestaetigen(f, b);
          });
        }
    }
  }

  void ZellenDurchlaufen(QWidget* fenster, const std::function<void()>& offen) {
    // Held weakly: an entry may rebuild the window's grids.
    QList<QPointer<QTableWidget>> raster;
    for (QTableWidget* t : fenster->findChildren<QTableWidget*>()) raster << t;
    for (const QPointer<QTableWidget>& t : raster)
      for (int r = 0; t && r < t->rowCount(); ++r)
        for (int c = 0; t && c < t->columnCount(); ++c)
          for (const char* wert : kWerte)
            for (Bestaetigung b : kBestaetigungen) {
              if (offen && !fenster->isVisible()) offen();
              if (!t || Fensterteil(t) != fenster || !Bereit(t) || r >= t->rowCount() ||
                  c >= t->columnCount())
                continue;
              QTableWidgetItem* item = t->item(r, c);
              if (!item || !(item->flags() & Qt::ItemIsEditable) || t->cellWidget(r, c)) continue;
              Fall(fenster->objectName() + "/" + t->objectName() + "[" + QString::number(r) + "," +
                       QString::number(c) + "] = " + wert,
                   [&] {
                     fenster->activateWindow();
                     t->setFocus();
                     t->setCurrentCell(r, c);
                     t->editItem(item);
                     auto* e = qobject_cast<QLineEdit*>(QApplication::focusWidget());
                     if (!e) e = t->viewport()->findChild<QLineEdit*>();
                     ASSERT_NE(e, nullptr) << t->objectName().toStdString();
                     Ueberschreiben(e, QString::fromUtf8(wert));
                     Bestaetigen(e, b);
                   });
            }
  }

  /// The whole sweep twice: messages closed by Enter, then by their button.
  void Beidemal(const std::function<void()>& sweep) {
    boxen.perTaste = true;
    sweep();
    boxen.perTaste = false;
    sweep();
  }

  template <class F>
  F* Fenster() {
    for (QWidget* f : QApplication::topLevelWidgets())
      if (auto* d = qobject_cast<F*>(f)) return d;
    return w->findChild<F*>();
  }
  QWidget* Fenster(const char* name) {
    for (QWidget* f : QApplication::allWidgets())
      if (f->objectName() == QString::fromUtf8(name) &&
          (f->isWindow() || qobject_cast<trm::gui::Werkzeugfenster*>(f)))
        return f;
    return nullptr;
  }

  /// Runs the sweep inside a modal dialog that `oeffnen` opens, once per entry.
  void Modal(const char* name, const std::function<void()>& oeffnen) {
    boxen.dialogeErlaubt = true;
    for (const bool taste : {true, false}) {
      boxen.perTaste = taste;
      // The fields are counted in a first opening, then each entry gets an opening of its own.
      int felder = 0;
      QTimer::singleShot(0, [&] {
        if (QWidget* d = QApplication::activeModalWidget()) {
          felder = static_cast<int>(d->findChildren<QLineEdit*>().size());
          static_cast<QDialog*>(d)->reject();
        }
      });
      oeffnen();
      Warten();
      ASSERT_GT(felder, 0) << name;
      for (int i = 0; i < felder; ++i)
        for (const char* wert : kWerte)
          for (Bestaetigung b : kBestaetigungen) {
            Fall(QString::fromUtf8(name) + "/" + QString::number(i) + " = " + wert, [&] {
              QTimer::singleShot(0, [&] {
                auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                if (!d) return;
                const QList<QLineEdit*> f = d->findChildren<QLineEdit*>();
                if (i < f.size() && Bereit(f[i]) && !f[i]->isReadOnly()) {
                  f[i]->setFocus();
                  Ueberschreiben(f[i], QString::fromUtf8(wert));
                  Bestaetigen(f[i], b);
                  Warten();
                }
                // An entry that did not close the dialog: "übernehmen" or "OK" applies what stands.
                if (QApplication::activeModalWidget() == d)
                  for (QAbstractButton* k : d->findChildren<QAbstractButton*>())
                    if (k->text().remove('&').compare(QStringLiteral("übernehmen"), Qt::CaseInsensitive) == 0 ||
                        k->text().remove('&') == QStringLiteral("OK")) {
                      k->click();
                      break;
                    }
                if (QApplication::activeModalWidget() == d) d->reject();
              });
              oeffnen();
            });
          }
    }
    boxen.dialogeErlaubt = false;
  }

  QTemporaryDir ordner;
  Boxschliesser boxen;
  std::unique_ptr<TGleisanlage> w;
  int faelle = 0;
};

TEST_F(Eingabesweep, WerkzeugleistenUndKurvenfenster) {
  Beidemal([&] {
    Durchlaufen(w.get());
    w->Aktion("MI_FensterBogendaten")->trigger();
    Durchlaufen(Fenster("TBogendaten"), [&] { w->Aktion("MI_FensterBogendaten")->trigger(); });
    w->Aktion("MI_Bogenbisx/y-Wertfortführen")->trigger();
    Durchlaufen(Fenster("TBogenFF"),
                [&] { w->Aktion("MI_Bogenbisx/y-Wertfortführen")->trigger(); });
    w->Aktion("MI_FensterOptimierung")->trigger();
    Durchlaufen(Fenster("TOptiDaten"), [&] { w->Aktion("MI_FensterOptimierung")->trigger(); });
  });
  Modal("TGleisDrehen", [&] { w->Aktion("MI_GleisDrehen")->trigger(); });
  EXPECT_GT(faelle, 500);
}

TEST_F(Eingabesweep, WeicheUndSchwellen) {
  Einsetzen("TB_Weichenliste");
  QWidget* daten = Fenster("TWeichendaten");
  ASSERT_NE(daten, nullptr);
  Beidemal([&] { Durchlaufen(daten, [&] { Einsetzen("TB_Weichenliste"); }); });
  Modal("TDoppelSw", [&] { daten->findChild<QToolButton*>("BT_Doppelschwellen")->click(); });
  Modal("TSwSenkrecht", [&] { daten->findChild<QPushButton*>("BT_SchwellenSenkrecht")->click(); });
  Modal("TEW_Schwellendaten",
        [&] { daten->findChild<QToolButton*>("TB_Schwelleneditor")->click(); });
  EXPECT_GT(faelle, 500);
}

TEST_F(Eingabesweep, KreuzungenUndKreuzungsweichen) {
  for (const char* knopf : {"TB_Kreuzungsliste", "TB_EKW-Liste", "TB_DKW-Liste"}) {
    Einsetzen(knopf);
    QWidget* daten = nullptr;
    for (const char* name : {"TKreuzungsdaten", "TEKWDaten", "TDKWDaten"})
      if (QWidget* f = Fenster(name); f && f->isVisible()) daten = f;
    ASSERT_NE(daten, nullptr) << knopf;
    Beidemal([&] { Durchlaufen(daten, [&] { Einsetzen(knopf); }); });
  }
  // Two double sleepers asked for in the grid open their dialog.
  auto* dkw = dynamic_cast<trm::gui::KrDatenfenster*>(Fenster("TDKWDaten"));
  ASSERT_NE(dkw, nullptr);
  Modal("TDS_Daten", [&] { dkw->Eingeben(trm::Krfeld::DSwAnzahl, QStringLiteral("2")); });
  EXPECT_GT(faelle, 500);
}

TEST_F(Eingabesweep, DrehscheibeUndBauteile) {
  Einsetzen("TB_DS");
  QWidget* ds = Fenster("TDrehSch_Daten");
  ASSERT_NE(ds, nullptr);
  EXPECT_TRUE(ds->isVisible());  // shown for the new turntable
  Beidemal([&] { Durchlaufen(ds, [&] { Einsetzen("TB_DS"); }); });
  // A background component from the library, and its dialog.
  ASSERT_TRUE(trm::GeoEinsetzen(w->editor(), 0));
  auto geo = A().AktuellesModul()->ElementeDerArt(trm::Elementart::Geo);
  ASSERT_FALSE(geo.empty());
  Modal("TElementdaten", [&] {
    auto g = A().AktuellesModul()->ElementeDerArt(trm::Elementart::Geo);
    if (!g.empty()) w->maus().elementDialog(*g.front());
  });
  w->Aktion("TB_Haus")->trigger();
  Beidemal([&] { Durchlaufen(Fenster("TGeoDaten"), [&] { w->Aktion("TB_Haus")->trigger(); }); });
}

TEST_F(Eingabesweep, EinstellungenRechnerStuecklisteDruck) {
  Beidemal([&] {
    for (const char* aktion : {"MI_Anlagendaten", "MI_Steigungberechnen", "MI_Gleiswendelberechnen",
                               "MI_Stückliste", "MI_Drucken"}) {
      const auto oeffnen = [&] { w->Aktion(QString::fromUtf8(aktion))->trigger(); };
      oeffnen();
      QWidget* f = QApplication::activeWindow();
      for (const char* name :
           {"TAnlagendaten2", "TSteigung", "TGlsWendel", "TfStckListe", "TDruckdaten"})
        if (QWidget* g = Fenster(name); g && g->isVisible() && g != w.get()) f = g;
      ASSERT_NE(f, w.get()) << aktion;
      Durchlaufen(f, oeffnen);
      f->hide();
    }
  });
}

}  // namespace
