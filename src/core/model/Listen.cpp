// "#"-list codecs and the one-word codes of element records.
#include "core/model/Listen.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <unordered_set>

#include "core/model/Fehler.h"
#include "core/model/Zahlformat.h"
#include "core/model/Zitat.h"

namespace trm {

namespace {

bool IstTrenner(char c) {
  const auto b = static_cast<unsigned char>(c);
  return b <= 0x20 || b == 0x7F;
}

std::string_view OhneRand(std::string_view t) {
  while (!t.empty() && IstTrenner(t.front())) t.remove_prefix(1);
  while (!t.empty() && IstTrenner(t.back())) t.remove_suffix(1);
  return t;
}

std::vector<TPaar> PaareLesen(std::string_view text) {
  const std::vector<std::string> items = ListeTeilen(text);
  std::vector<TPaar> liste;
  liste.reserve(items.size() / 2);
  for (std::size_t i = 0; i + 1 < items.size(); i += 2)
    liste.push_back({TextReal(items[i]), TextReal(items[i + 1])});
  return liste;
}

}  // namespace

namespace {

/// Calls f with every item of the list as ListeTeilen splits it, without keeping them.
template <class F>
void ListeDurchgehen(std::string_view text, F f) {
  if (!text.empty() && text.back() == '#') text.remove_suffix(1);
  std::size_t i = 0;
  const std::size_t n = text.size();
  auto trennerUeberspringen = [&] {
    while (i < n && IstTrenner(text[i])) ++i;
  };
  std::string zitiert;

  trennerUeberspringen();
  while (i < n) {
    if (text[i] == '"') {
      zitiert.clear();
      ++i;
      while (i < n) {
        if (text[i] == '"') {
          if (i + 1 < n && text[i + 1] == '"') {
            zitiert += '"';
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        zitiert += text[i++];
      }
      f(std::string_view(zitiert));
    } else {
      const std::size_t anfang = i;
      while (i < n && text[i] != '#' && !IstTrenner(text[i])) ++i;
      f(text.substr(anfang, i - anfang));
    }

    trennerUeberspringen();
    if (i < n && text[i] == '#') {
      ++i;
      // A "#" at the very end still closes an (empty) item: "a##" holds "a" and "".
      if (i == n) f(std::string_view());
      trennerUeberspringen();
    }
  }
}

}  // namespace

std::vector<std::string> ListeTeilen(std::string_view text) {
  std::vector<std::string> items;
  ListeDurchgehen(text, [&items](std::string_view item) { items.emplace_back(item); });
  return items;
}

// ---- writers ----

std::string FarbslotsText(const std::array<std::int32_t, 16>& slots) {
  std::string text;
  for (const std::int32_t s : slots) text += IntText(s) + '#';
  return text;
}

std::string IntListeText(const std::vector<std::int32_t>& liste) {
  std::string text;
  text.reserve(liste.size() * 6);
  char buf[16];
  for (const std::int32_t z : liste) {
    text.append(buf, std::to_chars(buf, buf + sizeof buf, z).ptr);
    text += '#';
  }
  return text;
}

std::string VierRealsText(double a, double b, double c, double d) {
  return RealText(a) + '#' + RealText(b) + '#' + RealText(c) + '#' + RealText(d) + '#';
}

std::string PaarListeText(const std::vector<TPaar>& liste) {
  std::string text;
  for (const TPaar& p : liste) text += RealText(p.x) + '#' + RealText(p.y) + '#';
  return text;
}

std::string PaarListeOderNilText(const TSwLen& liste) {
  return liste.empty() ? std::string("NIL") : PaarListeText(liste);
}

std::string RealOderUnendlichText(double x) { return std::isinf(x) ? "0" : RealText(x); }

std::string FlagText(int flag) {
  if (flag == 0) return "0";
  if (flag == 1) return "1";
  return "";
}

std::string SeiteText(int seite) { return seite == 1 ? "innen" : "aussen"; }

std::string FormText(int form) { return form == 1 ? "kr" : "st"; }

// ---- readers ----

std::array<std::int32_t, 16> FarbslotsLesen(std::string_view text) {
  const std::vector<std::string> items = ListeTeilen(text);
  if (items.size() < 16)
    throw LeseFehler("Die Farbliste '" + Zitat(text) + "' enthält " +
                     std::to_string(items.size()) + " statt 16 Werte");
  std::array<std::int32_t, 16> slots{};
  for (std::size_t i = 0; i < slots.size(); ++i) slots[i] = TextInt(items[i]);
  return slots;
}

std::vector<std::int32_t> IntListeLesen(std::string_view text) {
  std::vector<std::int32_t> liste;
  ListeDurchgehen(text, [&liste](std::string_view item) { liste.push_back(TextInt(item)); });
  return liste;
}

std::vector<std::int32_t> IntListeEinmalLesen(std::string_view text) {
  // Short lists are taken as they come; a list that grows to twice the different numbers it
  // held at its last thinning (and beyond a few thousand) is thinned again.
  constexpr std::size_t kAbDuennen = 4096;
  std::vector<std::int32_t> liste;
  std::size_t grenze = kAbDuennen;
  std::unordered_set<std::int32_t> gesehen;
  bool geduennt = false;
  auto duennen = [&] {
    geduennt = true;
    gesehen.clear();
    std::erase_if(liste, [&gesehen](std::int32_t z) { return !gesehen.insert(z).second; });
  };
  ListeDurchgehen(text, [&](std::string_view item) {
    liste.push_back(TextInt(item));
    if (liste.size() >= grenze) {
      duennen();
      grenze = std::max(kAbDuennen, 2 * liste.size());
    }
  });
  if (geduennt) duennen();
  return liste;
}

T1D_ARR RealListeLesen(std::string_view text) {
  const std::vector<std::string> items = ListeTeilen(text);
  T1D_ARR liste;
  liste.reserve(items.size());
  for (const std::string& item : items) liste.push_back(TextReal(item));
  return liste;
}

T2D_ARR PunktListeLesen(std::string_view text) { return PaareLesen(text); }

TSwAbstARR PaarListeLesen(std::string_view text) { return PaareLesen(text); }

TSwLen PaarListeOderNilLesen(std::string_view text) {
  const std::vector<std::string> items = ListeTeilen(text);
  if (items.size() == 1 && items[0] == "NIL") return {};
  return PaareLesen(text);
}

std::array<double, 4> VierRealsLesen(std::string_view text) {
  const std::vector<std::string> items = ListeTeilen(text);
  if (items.size() != 4) return {0, 0, 0, 0};
  return {TextReal(items[0]), TextReal(items[1]), TextReal(items[2]), TextReal(items[3])};
}

std::int32_t NtesItemLesen(std::string_view text, int n) {
  const std::vector<std::string> items = ListeTeilen(text);
  if (items.size() == 1 && items[0] == "-1") return -1;
  if (n < 0 || static_cast<std::size_t>(n) >= items.size())
    throw LeseFehler("Die Liste '" + Zitat(text) + "' hat keinen Eintrag mit Index " +
                     std::to_string(n));
  return TextInt(items[static_cast<std::size_t>(n)]);
}

int FlagLesen(std::string_view text) { return OhneRand(text) == "1" ? 1 : 0; }

int SeiteLesen(std::string_view text) { return OhneRand(text) == "innen" ? 1 : 0; }

int FormLesen(std::string_view text) { return OhneRand(text) == "kr" ? 1 : 0; }

}  // namespace trm
