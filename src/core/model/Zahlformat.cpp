// Number texts with decimal comma, written and read without the C locale.
#include "core/model/Zahlformat.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <system_error>

#include "core/model/Fehler.h"
#include "core/model/Kleinschreibung.h"
#include "core/model/Zitat.h"

namespace trm {

namespace {

[[noreturn]] void KeinReal(std::string_view text) {
  throw LeseFehler("'" + Zitat(text) + "' ist kein gültiger Gleitkommawert");
}

// The largest double, 1,7976931348623157E308, has 1,79769313486232E308 as its text of 15
// digits, which lies above it and was written so before the top of the range was written
// exactly. A number read beyond the largest double but not beyond that text is the largest
// double, so that such files open.
constexpr double kGrenzeDurchZehn = 1.79769313486232e307;

// For a number text (with '.') that does not fit a double: the largest double with its sign
// when the text is not beyond the 15-digit text of the largest double, else nothing.
std::optional<double> GroessterDouble(const std::string& zahl) {
  const std::size_t e = zahl.find_first_of("eE");
  long long exponent = 0;
  if (e != std::string::npos) {
    std::string_view t(zahl);
    t.remove_prefix(e + 1);
    if (!t.empty() && t.front() == '+') t.remove_prefix(1);
    const auto [ptr, ec] = std::from_chars(t.data(), t.data() + t.size(), exponent);
    if (ec != std::errc() || ptr != t.data() + t.size()) return std::nullopt;
    if (exponent < -1000000 || exponent > 1000000) return std::nullopt;
  }
  // One power of ten less fits whenever the text is near the top of the range.
  const std::string zehntel = zahl.substr(0, e) + "e" + std::to_string(exponent - 1);
  double wert = 0.0;
  const auto [ptr, ec] = std::from_chars(zehntel.data(), zehntel.data() + zehntel.size(), wert);
  if (ec != std::errc() || ptr != zehntel.data() + zehntel.size()) return std::nullopt;
  if (!(std::fabs(wert) <= kGrenzeDurchZehn)) return std::nullopt;
  return std::copysign(std::numeric_limits<double>::max(), wert);
}

[[noreturn]] void KeinInt(std::string_view text) {
  throw LeseFehler("'" + Zitat(text) + "' ist kein gültiger Integerwert");
}

}  // namespace

char* RealZeichen(double x, char* out) {
  // No reader takes an infinity or a NaN back: such a value is never written.
  if (!std::isfinite(x))
    throw SchreibFehler("Ein Wert ist keine endliche Zahl (" +
                        std::string(std::isnan(x) ? "NAN" : "INF") +
                        ") und kann nicht gespeichert werden.");
  if (x == 0.0) {
    *out++ = '0';
    return out;
  }

  // 15 significant digits, correctly rounded: d.dddddddddddddde±xx. to_chars, unlike printf,
  // does not follow the process locale (a German locale would put a comma there).
  char buf[40];
  auto erg = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, 14);
  // The doubles from 1,797693134862315E308 up to the largest round up to 1,79769313486232E308,
  // a number beyond the largest double. They are written with the fewest digits that read
  // back as exactly them (at most 17), so that they stay numbers.
  if (std::string_view(buf, erg.ptr).ends_with("1.79769313486232e+308"))
    erg = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific);
  const char* const ende = erg.ptr;
  const bool negativ = buf[0] == '-';
  const char* p = buf + (negativ ? 1 : 0);
  char ziffern[24];
  std::size_t n = 0;
  for (; *p != 'e'; ++p)
    if (*p != '.') ziffern[n++] = *p;
  ++p;  // 'e'
  const bool expNegativ = *p == '-';
  ++p;  // always a sign
  int exponent = 0;
  for (; p < ende; ++p) exponent = exponent * 10 + (*p - '0');
  if (expNegativ) exponent = -exponent;
  while (n > 1 && ziffern[n - 1] == '0') --n;

  auto anhaengen = [&out](const char* von, std::size_t anzahl) {
    for (std::size_t i = 0; i < anzahl; ++i) *out++ = von[i];
  };
  if (negativ) *out++ = '-';
  if (exponent >= -5 && exponent < 15) {
    if (exponent < 0) {
      *out++ = '0';
      *out++ = ',';
      for (int i = 0; i < -exponent - 1; ++i) *out++ = '0';
      anhaengen(ziffern, n);
    } else {
      const std::size_t ganz = static_cast<std::size_t>(exponent) + 1;
      if (n <= ganz) {
        anhaengen(ziffern, n);
        for (std::size_t i = n; i < ganz; ++i) *out++ = '0';
      } else {
        anhaengen(ziffern, ganz);
        *out++ = ',';
        anhaengen(ziffern + ganz, n - ganz);
      }
    }
  } else {
    *out++ = ziffern[0];
    if (n > 1) {
      *out++ = ',';
      anhaengen(ziffern + 1, n - 1);
    }
    *out++ = 'E';
    out = std::to_chars(out, out + 8, exponent).ptr;
  }
  return out;
}

std::string RealText(double x) {
  char buf[RealZeichenMax];
  return std::string(buf, RealZeichen(x, buf));
}

std::string FestText(double x, int stellen) {
  if (std::isnan(x)) return "NAN";
  if (std::isinf(x)) return x > 0 ? "INF" : "-INF";
  char buf[400];
  const auto erg = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed, stellen);
  std::string s(buf, erg.ptr);
  for (char& c : s)
    if (c == '.') c = ',';
  if (s[0] == '-' && s.find_first_not_of("-0,") == std::string::npos) s.erase(0, 1);  // no "-0,000"
  return s;
}

std::string IntText(std::int64_t n) { return std::to_string(n); }

std::string BoolText(bool b) { return b ? "-1" : "0"; }

namespace {

/// The significant digits of the digit characters of [p, e) (a comma among them skipped): from
/// the first to the last digit other than 0.
int SignifikanteZiffern(const char* p, const char* e) {
  int stellen = 0, seitErster = 0;
  for (; p < e; ++p) {
    if (*p == ',' || (seitErster == 0 && *p == '0')) continue;
    ++seitErster;
    if (*p != '0') stellen = seitErster;
  }
  return stellen;
}

/// The common text of a file, a sign, up to 19 digits and at most one comma, read without
/// from_chars: its digits as an integer of at most 2^53 divided by a power of ten of at most
/// 10^22, both exact doubles, is the nearest double already. Anything else gives false and
/// goes the general way. `stellen` gets the significant digits, or the count of all digits
/// when that is at most 15 (all that matters then is that there are no more than 15).
inline bool RealSchnell(std::string_view text, double& wert, int& stellen) {
  const std::string_view t = OhneLeerzeichen(text);
  if (t.empty()) return false;
  static constexpr double kZehner[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                       1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                       1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  const char* p = t.data();
  const char* const e = p + t.size();
  const bool negativ = *p == '-';
  if (*p == '+' || *p == '-') ++p;
  const char* const anfang = p;
  std::uint64_t m = 0;  // wraps beyond 19 digits, which are refused below
  auto ziffernLesen = [&p, e, &m] {
    for (; p < e && static_cast<unsigned char>(*p - '0') <= 9; ++p) m = m * 10 + static_cast<unsigned>(*p - '0');
  };
  ziffernLesen();
  std::ptrdiff_t nachKomma = 0;
  const bool mitKomma = p < e && *p == ',';
  if (mitKomma) {
    const char* const komma = ++p;
    ziffernLesen();
    nachKomma = p - komma;
  }
  const std::ptrdiff_t ziffern = (p - anfang) - (mitKomma ? 1 : 0);
  if (p != e || ziffern == 0 || ziffern > 19 || m > (std::uint64_t{1} << 53) || nachKomma > 22) return false;
  stellen = ziffern <= 15 ? static_cast<int>(ziffern) : SignifikanteZiffern(anfang, e);
  const double v = nachKomma == 0 ? static_cast<double>(m) : static_cast<double>(m) / kZehner[nachKomma];
  wert = negativ ? -v : v;
  return true;
}

/// TextReal; `stellen` gets the number of significant digits of the text's mantissa (from its
/// first to its last digit other than 0).
double RealLesen(std::string_view text, int& stellen) {
  std::string_view t = OhneLeerzeichen(text);
  if (t.empty()) KeinReal(text);
  // The number as from_chars takes it: a decimal point for the comma, no plus sign in front.
  // Short texts (all that files write) go through the stack.
  char klein[64];
  std::string gross;
  char* puffer = klein;
  if (t.size() > sizeof klein) {
    gross.resize(t.size());
    puffer = gross.data();
  }
  std::size_t n = 0;
  std::size_t i = 0;
  if (t[0] == '+' || t[0] == '-') {
    if (t[0] == '-') puffer[n++] = '-';
    i = 1;
  }
  bool ziffer = false, mantisse = true;
  int seitErster = 0;
  stellen = 0;
  for (; i < t.size(); ++i) {
    const char c = t[i];
    if (c >= '0' && c <= '9') {
      ziffer = true;
      puffer[n++] = c;
      if (mantisse && (seitErster > 0 || c != '0')) {
        ++seitErster;
        if (c != '0') stellen = seitErster;
      }
    } else if (c == ',') {
      puffer[n++] = '.';
    } else if (c == 'e' || c == 'E' || c == '+' || c == '-') {
      mantisse = false;
      puffer[n++] = c;
    } else {
      KeinReal(text);  // a decimal point, a letter, a space inside
    }
  }
  if (!ziffer) KeinReal(text);
  double wert = 0.0;
  const char* anfang = puffer;
  const char* ende = puffer + n;
  auto [ptr, ec] = std::from_chars(anfang, ende, wert, std::chars_format::general);
  if (ec == std::errc::result_out_of_range && ptr == ende) {
    if (const auto groesster = GroessterDouble(std::string(puffer, n))) return *groesster;
  }
  if (ec != std::errc() || ptr != ende || !std::isfinite(wert)) KeinReal(text);
  return wert;
}

}  // namespace

double TextReal(std::string_view text) {
  int stellen = 0;
  if (double wert; RealSchnell(text, wert, stellen)) return wert;
  return RealLesen(text, stellen);
}

double TextRealWieGeschrieben(std::string_view text) {
  int stellen = 0;
  double wert;
  if (!RealSchnell(text, wert, stellen)) wert = RealLesen(text, stellen);
  // A decimal of at most 15 significant digits read to the nearest double gives those digits
  // again when written with 15: in the normal range the written text reads back as this value.
  // Zero (a "-0" writes as "0"), the subnormals and the top of the range take the long way.
  const double betrag = std::fabs(wert);
  if (stellen <= 15 && betrag >= std::numeric_limits<double>::min() && betrag < 1e308) return wert;
  char buf[RealZeichenMax];
  return TextReal(std::string_view(buf, static_cast<std::size_t>(RealZeichen(wert, buf) - buf)));
}

double TextRealPunktOderKomma(std::string_view text) {
  if (text.find('.') == std::string_view::npos) return TextReal(text);
  if (text.find(',') != std::string_view::npos) KeinReal(text);
  std::string t(text);
  for (char& c : t)
    if (c == '.') c = ',';
  return TextReal(t);
}

std::int32_t TextInt(std::string_view text) {
  std::string_view t = OhneLeerzeichen(text);
  if (!t.empty() && t[0] == '+') t.remove_prefix(1);
  if (t.empty() || t[0] == '+') KeinInt(text);
  std::int32_t wert = 0;
  auto [ptr, ec] = std::from_chars(t.data(), t.data() + t.size(), wert);
  if (ec != std::errc() || ptr != t.data() + t.size()) KeinInt(text);
  return wert;
}

std::int32_t TextIntAusReal(std::string_view text) {
  const double r = TextReal(text);
  const double g = std::nearbyint(r);
  if (g < std::numeric_limits<std::int32_t>::min() || g > std::numeric_limits<std::int32_t>::max())
    KeinInt(text);
  return static_cast<std::int32_t>(g);
}

bool TextBool(std::string_view text) {
  std::string_view t = OhneLeerzeichen(text);
  const std::string wort = AsciiKlein(t);
  if (wort == "true") return true;
  if (wort == "false") return false;
  try {
    return TextReal(t) != 0.0;
  } catch (const LeseFehler&) {
    throw LeseFehler("'" + Zitat(text) + "' ist kein gültiger boolescher Wert");
  }
}

std::int64_t RundenGerade(double x) {
  // nearbyint rounds in the current rounding mode, which is to-nearest-even by default.
  // Far-away and non-finite values are clamped so that the conversion stays defined.
  constexpr double grenze = 4.0e18;
  if (std::isnan(x)) return 0;
  if (x > grenze) return static_cast<std::int64_t>(grenze);
  if (x < -grenze) return -static_cast<std::int64_t>(grenze);
  return static_cast<std::int64_t>(std::nearbyint(x));
}

}  // namespace trm
