// The recording canvas.
#include "core/render/Aufzeichnung.h"

namespace trm {

void Aufzeichnung::Fuellen(std::int32_t farbe) {
  auto b = Neu(Zeichenbefehl::Art::Fuellen);
  b.farbe = farbe;
  befehle.push_back(std::move(b));
}

void Aufzeichnung::Linie(PixelPunkt a, PixelPunkt e) {
  auto b = Neu(Zeichenbefehl::Art::Linie);
  b.punkte = {a, e};
  befehle.push_back(std::move(b));
}

void Aufzeichnung::Polylinie(const std::vector<PixelPunkt>& punkte) {
  auto b = Neu(Zeichenbefehl::Art::Polylinie);
  b.punkte = punkte;
  befehle.push_back(std::move(b));
}

void Aufzeichnung::Polygon(const std::vector<PixelPunkt>& punkte) {
  auto b = Neu(Zeichenbefehl::Art::Polygon);
  b.punkte = punkte;
  befehle.push_back(std::move(b));
}

void Aufzeichnung::Ellipse(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
  auto b = Neu(Zeichenbefehl::Art::Ellipse);
  b.punkte = {{x1, y1}, {x2, y2}};
  befehle.push_back(std::move(b));
}

void Aufzeichnung::Pixel(PixelPunkt p, std::int32_t farbe) {
  auto b = Neu(Zeichenbefehl::Art::Pixel);
  b.punkte = {p};
  b.farbe = farbe;
  befehle.push_back(std::move(b));
}

void Aufzeichnung::Text(PixelPunkt p, const std::string& text, std::int32_t farbe, bool mitHintergrund,
                        std::int32_t) {
  auto b = Neu(Zeichenbefehl::Art::Text);
  b.punkte = {p};
  b.text = text;
  b.farbe = farbe;
  b.hintergrund = mitHintergrund;
  befehle.push_back(std::move(b));
}

void Aufzeichnung::TextGedreht(PixelPunkt p, const std::string& text, std::int32_t farbe, double winkelGrad,
                               std::int32_t hoehePx) {
  auto b = Neu(Zeichenbefehl::Art::Text);
  b.punkte = {p};
  b.text = text;
  b.farbe = farbe;
  b.winkel = winkelGrad;
  b.texthoehe = hoehePx;
  befehle.push_back(std::move(b));
}

TextMass Aufzeichnung::TextGroesse(const std::string& text) {
  return {static_cast<std::int32_t>(6 * text.size()), 13};
}

std::vector<const Zeichenbefehl*> Aufzeichnung::Alle(Zeichenbefehl::Art art) const {
  std::vector<const Zeichenbefehl*> v;
  for (const auto& b : befehle)
    if (b.art == art) v.push_back(&b);
  return v;
}

}  // namespace trm
