// Sheet tiling, page list and print transform.
#include "core/output/Blattaufteilung.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/model/Fehler.h"

namespace trm {

namespace {

std::int64_t Aufrunden(double x) { return static_cast<std::int64_t>(std::ceil(x - 1e-9)); }

/// A whole number, or nothing when the text is not one (an optional leading minus).
bool GanzeZahl(const std::string& t, std::int64_t& wert) {
  if (t.empty()) return false;
  const char* anf = t.data();
  const char* ende = t.data() + t.size();
  auto [p, fehler] = std::from_chars(anf, ende, wert);
  return fehler == std::errc() && p == ende;
}

std::string OhneLeerzeichen(const std::string& t) {
  std::string s;
  for (char ch : t)
    if (ch != ' ' && ch != '\t') s += ch;
  return s;
}

}  // namespace

TBlattaufteilung Blaetter(double breite, double hoehe, std::int64_t n, std::int64_t seiteBreiteMm,
                          std::int64_t seiteHoeheMm) {
  n = std::max<std::int64_t>(n, 1);
  seiteBreiteMm = std::max<std::int64_t>(seiteBreiteMm, 1);
  seiteHoeheMm = std::max<std::int64_t>(seiteHoeheMm, 1);
  TBlattaufteilung t;
  t.druckBreiteMm = std::max<std::int64_t>(0, Aufrunden(breite / static_cast<double>(n)));
  t.druckHoeheMm = std::max<std::int64_t>(0, Aufrunden(hoehe / static_cast<double>(n)));
  t.spalten = (t.druckBreiteMm + seiteBreiteMm - 1) / seiteBreiteMm;
  t.zeilen = (t.druckHoeheMm + seiteHoeheMm - 1) / seiteHoeheMm;
  return t;
}

TBlattLage BlattLage(std::int64_t m, std::int64_t spalten) {
  spalten = std::max<std::int64_t>(spalten, 1);
  return {(m - 1) % spalten, (m - 1) / spalten + 1};
}

std::int64_t DruckmassstabLesen(const std::string& text) {
  std::int64_t n = 0;
  if (!GanzeZahl(OhneLeerzeichen(text), n))
    throw EingabeFehler("\"" + text + "\" ist kein gültiger Druckmaßstab. Bitte eine ganze Zahl ab 1 eingeben.");
  return std::max<std::int64_t>(n, 1);
}

std::vector<std::int64_t> Seitenliste(const std::string& text, std::int64_t anzahl) {
  const std::string s = OhneLeerzeichen(text);
  std::vector<std::int64_t> seiten;
  std::size_t anf = 0;
  while (anf <= s.size()) {
    std::size_t komma = s.find(',', anf);
    if (komma == std::string::npos) komma = s.size();
    const std::string teil = s.substr(anf, komma - anf);
    anf = komma + 1;
    if (teil.empty()) {
      if (komma == s.size()) break;
      continue;
    }
    const std::size_t strich = teil.find('-', 1);
    std::int64_t von = 0, bis = 0;
    const bool bereich = strich != std::string::npos;
    const bool gut = bereich ? GanzeZahl(teil.substr(0, strich), von) && GanzeZahl(teil.substr(strich + 1), bis)
                             : GanzeZahl(teil, von);
    if (!gut) throw EingabeFehler("\"" + teil + "\" ist keine gültige Seitenangabe.");
    if (!bereich) bis = von;
    if (bis < von) continue;
    for (const std::int64_t m : {von, bis})
      if (m < 1 || m > anzahl)
        throw EingabeFehler("Blatt " + std::to_string(m) + " gibt es nicht; die Blätter sind 1 bis " +
                            std::to_string(anzahl) + ".");
    for (std::int64_t m = von; m <= bis; ++m) seiten.push_back(m);
  }
  std::sort(seiten.begin(), seiten.end());
  return seiten;
}

TDrucktransform::TDrucktransform(double dpiX, double dpiY, std::int64_t n, std::int32_t w, std::int32_t h,
                                 TBlattLage lage)
    : kx_(dpiX / 25.4), ky_(dpiY / 25.4), n_(std::max<std::int64_t>(n, 1)), w_(w), h_(h),
      ox_(lage.spalte * w), oy_(-lage.zeile * h) {}

PixelPunkt TDrucktransform::Pixel(double x, double y) const {
  const double px = std::round(x * kx_ / static_cast<double>(n_));
  const double py = -std::round(y * ky_ / static_cast<double>(n_));
  auto klemmen = [](double v) { return static_cast<std::int32_t>(std::clamp(v, -1e9, 1e9)); };
  return {klemmen(px - static_cast<double>(ox_)), klemmen(py - static_cast<double>(oy_))};
}

std::int32_t TDrucktransform::Laenge(double mm) const {
  return static_cast<std::int32_t>(std::clamp(std::round(mm * kx_ / static_cast<double>(n_)), -1e9, 1e9));
}

}  // namespace trm
