// The guide window.
#include "gui/help/ErsteSchritte.h"

#include <QDialogButtonBox>
#include <QImage>
#include <QPainter>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <stdexcept>

#include "core/editor/Bibliothek.h"
#include "core/render/Anleitungsbilder.h"
#include "core/turnouts/Weichenliste.h"
#include "gui/render/QtCanvas.h"

namespace trm::gui {

namespace {

/// One picture of the guide, as large as the text column allows.
QImage Bild(Anleitungsbild b, const Anlage& anlage, const Zeilen& weiche) {
  QImage bild(440, 150, QImage::Format_RGB32);
  QPainter p(&bild);
  QtCanvas c(p, bild.width(), bild.height());
  AnleitungsbildMalen(b, anlage, ListeWeichen, weiche, c);
  p.setPen(Qt::gray);
  p.drawRect(bild.rect().adjusted(0, 0, -1, -1));
  return bild;
}

/// A tool button's icon in the running text.
QString Symbol(const char* datei) {
  return QStringLiteral("<img src=\":/symbole/%1.svg\" width=\"18\" height=\"18\" style=\"vertical-align: middle\">")
      .arg(QString::fromUtf8(datei));
}

}  // namespace

ErsteSchritte::ErsteSchritte(const Anlage& anlage, QWidget* eltern) : QDialog(eltern) {
  setWindowTitle(QStringLiteral("Erste Schritte"));
  setObjectName(QStringLiteral("ErsteSchritte"));
  text_ = new QTextBrowser(this);
  text_->setOpenLinks(false);
  // The first turnout of the active list, else the pictures show the tracks alone.
  Zeilen weiche;
  try {
    const TTypliste liste = ListeLaden(anlage, ListeWeichen);
    if (liste.Saetze() > 0) weiche = liste.Satz(1);
  } catch (const std::runtime_error&) {
  }
  const std::pair<const char*, Anleitungsbild> bilder[] = {{"gleis", Anleitungsbild::Gleis},
                                                           {"anfuegen", Anleitungsbild::Anfuegen},
                                                           {"weiche", Anleitungsbild::Weiche},
                                                           {"verbinden", Anleitungsbild::Verbinden}};
  for (const auto& [name, bild] : bilder)
    text_->document()->addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("bild:") + name),
                                   Bild(bild, anlage, weiche));
  text_->setHtml(
      QStringLiteral("<h3>Erste Schritte mit Trassomatic</h3>"
                     "<p><b>1. Gleis zeichnen.</b> Ein neuer Plan (%1) beginnt mit einem geraden Gleis. Weitere "
                     "Gleise zeichnet die Maus (Abschnitt 5), oder Rechtsklick in die Zeichnung › <i>neues Gleis</i>, "
                     "dann an die Stelle klicken, an der es beginnen soll. Das markierte Gleis ist rot.</p><p><img src=\"bild:gleis\"></p>"
                     "<p><b>2. Anfügen.</b> %2 <i>Anfügen</i> hängt ein Stück an das Ende des markierten Gleises. "
                     "Radius, Länge und Winkel stellt <i>Fenster › Bogendaten</i> ein, Anfang und Ende die "
                     "Felder unter der Werkzeugleiste.</p><p><img src=\"bild:anfuegen\"></p>"
                     "<p><b>3. Weiche setzen.</b> %3 öffnet die Weichenliste; Doppelklick auf einen Typ setzt "
                     "die Weiche an das Ende des markierten Bogens. %4 %5 %6 %7 setzen Kreuzungen, "
                     "Kreuzungsweichen und Drehscheiben.</p><p><img src=\"bild:weiche\"></p>"
                     "<p><b>4. Verbinden.</b> Ein Gleis mit der Maus an ein Gleisende ziehen: der grüne Ring "
                     "zeigt, wo es einrastet, wenn beim Loslassen Strg gedrückt ist (oder <i>automatisches "
                     "Ausrichten</i> in den Anlagendaten eingeschaltet ist). Das Gleis unter der Maus ist "
                     "orange hervorgehoben, die Statuszeile nennt Gleis, Bogen, Radius und Länge. Rechtsklick › "
                     "<i>Gleis als Nachfolger verbinden</i> verbindet dauerhaft.</p>"
                     "<p><img src=\"bild:verbinden\"></p>"
                     "<p><b>5. Zeichnen mit der Maus.</b> Vier Werkzeuge legen Gleise durch Ziehen; sie bleiben "
                     "gewählt, bis Esc oder %11 <i>Zeiger</i> sie beendet. Esc während des Ziehens verwirft nur das "
                     "Gleis. Was gelegt wird, zeigt die Zeichnung vorab blau (rot, wo der Mindestradius es "
                     "begrenzt), Länge, Radius und Winkel stehen neben der Maus, der nächste Schritt in der "
                     "Statuszeile. Jedes gelegte Gleis ist ein Schritt für Strg+Z.</p><ul>"
                     "<li>%12 <b>Gerade</b> (Taste G): an einem Gleisende oder frei drücken, ziehen, loslassen. "
                     "Mit Strg rastet die Richtung in 15°-Schritten und in der Richtung des Gleisendes ein, die "
                     "Länge auf ganze Millimeter.</li>"
                     "<li>%13 <b>Bogen</b> (Taste B): an einem offenen Gleisende drücken und zum Endpunkt ziehen; "
                     "der Bogen schließt tangential an. Strg: Winkel in 15°-Schritten, Radius in ganzen "
                     "Millimetern. <i>mit Übergangsbögen</i> legt an beiden Enden Übergangsbögen der "
                     "eingestellten Länge.</li>"
                     "<li>%14 <b>Gleisenden verbinden</b> (Taste V): zwei offene Gleisenden anklicken; das "
                     "Programm legt Gerade und Bögen dazwischen, nie enger als der Mindestradius, mit "
                     "Übergangsbögen, wenn sie angekreuzt sind und hineinpassen.</li>"
                     "<li>%15 <b>Parallelgleis</b> (Taste P): ein Gleis anklicken; die Kopie entsteht auf der "
                     "Seite der Maus im Parallelgleisabstand.</li></ul>"
                     "<p>Eine Weiche aus der Liste in die Zeichnung ziehen: sie folgt der Maus und rastet am "
                     "nächsten offenen Gleisende ein (Strg: frei); ein Klick setzt sie.</p>"
                     "<p><b>Ein Oval mit Übergangsbögen, Weiche und Abstellgleis in 14 Schritten</b> (in einem neuen "
                     "Plan; bei einem Mindestradius von 400 mm braucht es ein Modul von etwa 2000 × 1200 mm, "
                     "einzustellen in den Anlagendaten):</p><ol>"
                     "<li>G drücken.</li>"
                     "<li>Mit Strg vom rechten Ende des Gleises eine Gerade von 1000 mm nach rechts ziehen.</li>"
                     "<li>B drücken.</li>"
                     "<li><i>mit Übergangsbögen</i> ankreuzen (Länge 100 mm).</li>"
                     "<li>Mit Strg vom rechten Ende der Geraden nach oben ziehen, bis neben der Maus "
                     "180° steht: der Halbkreis mit zwei Übergangsbögen.</li>"
                     "<li>G drücken.</li>"
                     "<li>Mit Strg vom Ende des Bogens nach links ziehen (etwa 600 mm).</li>"
                     "<li>%3 öffnet die Weichenliste.</li>"
                     "<li>Doppelklick auf einen Typ: die Weiche folgt am Ende der oberen Geraden.</li>"
                     "<li>V drücken.</li>"
                     "<li>Das Ende des geraden Strangs der Weiche anklicken.</li>"
                     "<li>Den Anfang des ersten Gleises anklicken: der Bogen schließt das Oval.</li>"
                     "<li>G drücken.</li>"
                     "<li>Mit Strg vom Ende des abzweigenden Strangs ziehen: das Abstellgleis.</li></ol>"
                     "<p><b>6. Ansicht.</b> Mausrad zoomt um den Mauszeiger, Umschalt+Mausrad verschiebt seitlich, "
                     "mittlere Maustaste oder Leertaste + Ziehen verschiebt, %8 zeigt das ganze Modul, "
                     "Bild auf/ab zoomen.</p>"
                     "<p><b>7. Speichern.</b> %9 oder Strg+S speichert den Plan als .m88-Datei; Strg+Z nimmt "
                     "jeden Schritt zurück, Strg+Y wiederholt ihn. Ein Stern im Fenstertitel zeigt "
                     "ungespeicherte Änderungen.</p>"
                     "<p><b>8. Drucken.</b> %10 <i>Datei › drucken</i> druckt das Modul maßstäblich über mehrere "
                     "Blätter, auf einen Drucker oder in eine PDF-Datei; die Blätter zeigt die Zeichnung rot, "
                     "solange das Fenster offen ist.</p>")
          .arg(Symbol("neu"), Symbol("anfuegen"), Symbol("weiche"), Symbol("kreuzung"), Symbol("ekw"),
               Symbol("dkw"), Symbol("drehscheibe"), Symbol("anpassen"), Symbol("speichern"), Symbol("drucken"))
          .arg(Symbol("zeiger"), Symbol("gerade"), Symbol("bogen"), Symbol("verbinden"), Symbol("parallel")));
  auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::close);
  auto* l = new QVBoxLayout(this);
  l->addWidget(text_);
  l->addWidget(knoepfe);
  resize(520, 640);
}

}  // namespace trm::gui
