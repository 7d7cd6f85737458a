// Qt message boxes and file dialogs for the core's questions.
#include "gui/editor/QtDialoge.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>

namespace trm::gui {

namespace {
QString Q(const std::string& s) { return QString::fromStdString(s); }
/// Message texts carry the old "\n\r" and "\r" line breaks: shown as plain new lines.
QString Meldung(const std::string& s) {
  QString t = Q(s);
  t.replace(QStringLiteral("\n\r"), QStringLiteral("\n")).replace(QChar('\r'), QChar('\n'));
  return t;
}
const QString kTitel = QStringLiteral("Trassomatic");
}  // namespace

QString QtDialoge::QtFilter(const std::string& filter) {
  const QString f = Q(filter);
  const int bar = f.indexOf('|');
  return bar < 0 ? f : f.left(bar);
}

Antwort QtDialoge::Frage(const std::string& text, Knoepfe knoepfe) {
  if (knoepfe == Knoepfe::OkAbbrechen) {
    const auto a = QMessageBox::warning(eltern_, kTitel, Meldung(text), QMessageBox::Ok | QMessageBox::Cancel,
                                        QMessageBox::Ok);
    return a == QMessageBox::Ok ? Antwort::Ja : Antwort::Abbrechen;
  }
  QMessageBox::StandardButtons k = QMessageBox::Yes;
  if (knoepfe == Knoepfe::JaNein || knoepfe == Knoepfe::JaNeinAbbrechen) k |= QMessageBox::No;
  if (knoepfe == Knoepfe::JaAbbrechen || knoepfe == Knoepfe::JaNeinAbbrechen) k |= QMessageBox::Cancel;
  const auto a = QMessageBox::question(eltern_, kTitel, Meldung(text), k, QMessageBox::Yes);
  if (a == QMessageBox::Yes) return Antwort::Ja;
  if (a == QMessageBox::No) return Antwort::Nein;
  return knoepfe == Knoepfe::JaNein ? Antwort::Nein : Antwort::Abbrechen;
}

void QtDialoge::Fehler(const std::string& text) { QMessageBox::critical(eltern_, kTitel, Meldung(text)); }

void QtDialoge::Warnung(const std::string& text) {
  QMessageBox::warning(eltern_, kTitel, Meldung(text), QMessageBox::Cancel);
}

void QtDialoge::Information(const std::string& text) {
  QMessageBox::information(eltern_, kTitel, Meldung(text));
}

std::optional<std::string> QtDialoge::Eingabe(const std::string& titel, const std::string& frage,
                                              const std::string& vorschlag) {
  bool ok = false;
  const QString text = QInputDialog::getText(eltern_, Q(titel), Q(frage), QLineEdit::Normal, Q(vorschlag), &ok);
  if (!ok) return std::nullopt;
  return text.toStdString();
}

std::optional<std::string> QtDialoge::OeffnenDialog(const std::string& filter) {
  const QString pfad = QFileDialog::getOpenFileName(eltern_, QStringLiteral("Öffnen"), QString(),
                                                    QtFilter(filter));
  if (pfad.isEmpty()) return std::nullopt;
  return pfad.toStdString();
}

std::optional<std::string> QtDialoge::SpeichernDialog(const std::string& filter,
                                                      const std::string& vorschlag,
                                                      const std::string& endung) {
  QFileDialog dlg(eltern_, QStringLiteral("Speichern unter"), QString(), QtFilter(filter));
  dlg.setAcceptMode(QFileDialog::AcceptSave);
  dlg.setDefaultSuffix(Q(endung));
  dlg.selectFile(Q(vorschlag));
  dlg.setOption(QFileDialog::DontConfirmOverwrite, false);
  if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return std::nullopt;
  return dlg.selectedFiles().first().toStdString();
}

}  // namespace trm::gui
