// Reading and atomic writing of line-based text files in Windows-1252.
#include "core/model/Textdatei.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "core/model/Codepage.h"
#include "core/model/Dateiersatz.h"
#include "core/model/Fehler.h"

namespace trm {

namespace fs = std::filesystem;

namespace {

/// Number of lines the bytes hold (a last line without a break counts).
std::size_t Zeilenzahl(const std::string& bytes) {
  return static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1;
}

/// Calls f with every line of the bytes, without its "\r\n" or "\n", converted to UTF-8 unless
/// the bytes are UTF-8 already.
template <class F>
void JedeZeile(const std::string& bytes, bool utf8, F f) {
  std::size_t anfang = 0;
  while (anfang < bytes.size()) {
    std::size_t ende = bytes.find('\n', anfang);
    const bool letzte = ende == std::string::npos;
    if (letzte) ende = bytes.size();
    std::size_t laenge = ende - anfang;
    if (laenge > 0 && bytes[anfang + laenge - 1] == '\r') --laenge;
    const std::string_view zeile = std::string_view(bytes).substr(anfang, laenge);
    f(utf8 ? std::string(zeile) : Cp1252ZuUtf8(zeile));
    anfang = letzte ? bytes.size() : ende + 1;
  }
}

}  // namespace

Zeilen TextInZeilen(const std::string& bytes, bool utf8) {
  Zeilen zeilen;
  // Counted first: a growing list of millions of lines would hold two copies at a time.
  zeilen.reserve(Zeilenzahl(bytes));
  JedeZeile(bytes, utf8, [&](std::string zeile) { zeilen.push_back(std::move(zeile)); });
  return zeilen;
}

std::string ZeilenInText(const Zeilen& zeilen) {
  std::string text;
  for (const auto& z : zeilen) {
    text += Utf8ZuCp1252(z);
    text += "\r\n";
  }
  return text;
}

void Textbloecke::Zeile(std::string_view utf8) {
  constexpr std::size_t kBlock = 1 << 20;
  if (bloecke_.empty() || bloecke_.back().size() + utf8.size() + 2 > kBlock) {
    bloecke_.emplace_back();
    bloecke_.back().reserve(std::max(kBlock, utf8.size() + 2));
  }
  std::string& b = bloecke_.back();
  b += Utf8ZuCp1252(utf8);
  b += "\r\n";
}

void Textbloecke::Uebernehmen(Zeilen& zeilen) {
  for (const std::string& z : zeilen) Zeile(z);
  zeilen.clear();
}

std::string Textbloecke::Text() const {
  std::string t;
  for (const std::string& b : bloecke_) t += b;
  return t;
}

std::string Dateibytes(const std::string& pfad) {
  const std::string fehler = "Die Datei \"" + pfad + "\" konnte nicht geöffnet werden.";
  std::error_code ec;
  const fs::path p(pfad);
  if (!fs::is_regular_file(p, ec)) throw DateiFehler(fehler);
  const std::uintmax_t groesse = fs::file_size(p, ec);
  if (ec) throw DateiFehler(fehler);
  if (groesse > MaxDateigroesse)
    throw DateiFehler("Die Datei \"" + pfad + "\" ist zu groß (mehr als 256 MiB).");
  std::ifstream in(p, std::ios::binary);
  if (!in) throw DateiFehler(fehler);
  std::string bytes;
  bytes.resize(static_cast<std::size_t>(groesse));
  in.read(bytes.data(), static_cast<std::streamsize>(groesse));
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  if (in.bad()) throw DateiFehler(fehler);
  return bytes;
}

Zeilen DateiLesen(const std::string& pfad) { return TextInZeilen(Dateibytes(pfad)); }

Zeilentext DateiLesenText(const std::string& pfad) {
  Zeilentext t;
  {
    const std::string bytes = Dateibytes(pfad);
    t.puffer.reserve(bytes.size() + bytes.size() / 64);
    t.anfaenge.reserve(Zeilenzahl(bytes) + 1);
    JedeZeile(bytes, false, [&](const std::string& zeile) {
      t.anfaenge.push_back(static_cast<std::uint32_t>(t.puffer.size()));
      t.puffer += zeile;
    });
  }  // the bytes go before the layout is built
  t.anfaenge.push_back(static_cast<std::uint32_t>(t.puffer.size()));
  t.puffer.shrink_to_fit();
  return t;
}

void DateiSchreiben(const std::string& pfad, const Zeilen& zeilen) { DateiErsetzen(pfad, ZeilenInText(zeilen)); }

void DateiSchreiben(const std::string& pfad, const Textbloecke& text) { DateiErsetzen(pfad, text.Bloecke()); }

}  // namespace trm
