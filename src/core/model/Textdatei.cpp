// Reading and atomic writing of line-based text files in Windows-1252.
#include "core/model/Textdatei.h"

#include <algorithm>
#include <array>
#include <cstring>
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
  // Counted in blocks into 32 bits, which the compiler turns into wide compares.
  std::size_t zeilen = 1;
  const char* p = bytes.data();
  for (std::size_t rest = bytes.size(); rest > 0;) {
    const std::size_t block = std::min<std::size_t>(rest, std::size_t{1} << 24);
    std::uint32_t n = 0;
    for (std::size_t i = 0; i < block; ++i) n += p[i] == '\n' ? 1u : 0u;
    zeilen += n;
    p += block;
    rest -= block;
  }
  return zeilen;
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

namespace {

/// Appends a line's Windows-1252 bytes and "\r\n"; a line of ASCII (nearly all) as it is.
void ZeileAnhaengen(std::string& text, std::string_view utf8) {
  if (std::all_of(utf8.begin(), utf8.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
    text.append(utf8);
  else
    text += Utf8ZuCp1252(utf8);
  text += "\r\n";
}

}  // namespace

std::string ZeilenInText(const Zeilen& zeilen) {
  std::string text;
  std::size_t groesse = 0;
  for (const auto& z : zeilen) groesse += z.size() + 2;
  text.reserve(groesse);
  for (const auto& z : zeilen) ZeileAnhaengen(text, z);
  return text;
}

void Textbloecke::Zeile(std::string_view utf8) {
  constexpr std::size_t kBlock = 1 << 20;
  if (bloecke_.empty() || bloecke_.back().size() + utf8.size() + 2 > kBlock) {
    bloecke_.emplace_back();
    bloecke_.back().reserve(std::max(kBlock, utf8.size() + 2));
  }
  ZeileAnhaengen(bloecke_.back(), utf8);
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

namespace {

/// The UTF-8 bytes of each Windows-1252 byte from 0x80 on.
struct Utf8Folge {
  char bytes[3];
  std::uint8_t laenge;
};
const std::array<Utf8Folge, 128>& Utf8Folgen() {
  static const std::array<Utf8Folge, 128> folgen = [] {
    std::array<Utf8Folge, 128> f{};
    for (std::size_t b = 0; b < f.size(); ++b) {
      const char c = static_cast<char>(0x80 + b);
      const std::string u = Cp1252ZuUtf8(std::string_view(&c, 1));
      f[b].laenge = static_cast<std::uint8_t>(u.size());
      std::copy(u.begin(), u.end(), f[b].bytes);
    }
    return f;
  }();
  return folgen;
}

}  // namespace

Zeilentext TextInZeilentext(std::string bytes) {
  Zeilentext t;
  std::string& p = t.puffer;
  p = std::move(bytes);
  const std::size_t n = p.size();
  // The lines end up where the bytes were: first the line breaks taken out (moving forward),
  // then, when there are bytes from 0x80 on, the text widened to UTF-8 (moving backward).
  t.anfaenge.reserve(Zeilenzahl(p) + 1);
  // The bytes UTF-8 needs beyond one for each byte from 0x80 on (a line break is none): counted
  // over the whole text in one loop, most files have none.
  std::size_t mehr = 0;
  {
    unsigned char oder = 0;
    for (const char c : p) oder |= static_cast<unsigned char>(c);
    if (oder >= 0x80)
      for (const char c : p)
        if (const auto b = static_cast<unsigned char>(c); b >= 0x80) mehr += Utf8Folgen()[b - 0x80].laenge - 1u;
  }
  std::size_t w = 0;
  char* const d = p.data();
  for (std::size_t r = 0; r < n;) {
    t.anfaenge.push_back(static_cast<std::uint32_t>(w));
    const void* umbruch = std::memchr(d + r, '\n', n - r);
    const std::size_t ende = umbruch ? static_cast<std::size_t>(static_cast<const char*>(umbruch) - d) : n;
    std::size_t laenge = ende - r;
    if (laenge > 0 && d[r + laenge - 1] == '\r') --laenge;
    if (w != r) std::memmove(d + w, d + r, laenge);
    w += laenge;
    r = umbruch ? ende + 1 : n;
  }
  t.anfaenge.push_back(static_cast<std::uint32_t>(w));
  if (mehr == 0) {
    p.resize(w);
    // The line breaks of a file of short lines are a good part of it: not kept while the
    // layout is built.
    if (p.capacity() - w > w / 8) p.shrink_to_fit();
    return t;
  }
  p.resize(w + mehr);
  std::size_t r = w, ziel = w + mehr;
  t.anfaenge.back() = static_cast<std::uint32_t>(ziel);
  for (std::size_t k = t.anfaenge.size() - 1; k-- > 0;) {
    const std::size_t anfang = t.anfaenge[k];
    while (r > anfang) {
      const auto b = static_cast<unsigned char>(p[--r]);
      if (b < 0x80) {
        p[--ziel] = static_cast<char>(b);
      } else {
        const Utf8Folge& f = Utf8Folgen()[b - 0x80];
        for (std::size_t j = f.laenge; j-- > 0;) p[--ziel] = f.bytes[j];
      }
    }
    t.anfaenge[k] = static_cast<std::uint32_t>(ziel);
  }
  return t;
}

Zeilentext DateiLesenText(const std::string& pfad) { return TextInZeilentext(Dateibytes(pfad)); }

void DateiSchreiben(const std::string& pfad, const Zeilen& zeilen) { DateiErsetzen(pfad, ZeilenInText(zeilen)); }

void DateiSchreiben(const std::string& pfad, const Textbloecke& text) { DateiErsetzen(pfad, text.Bloecke()); }

}  // namespace trm
