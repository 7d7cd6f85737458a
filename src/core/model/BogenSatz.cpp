// The 19-line segment record.
#include <cmath>

#include "core/model/Bogen.h"
#include "core/model/Fehler.h"
#include "core/model/Satz.h"
#include "core/model/Schwellenbudget.h"
#include "core/model/Zahlformat.h"
#include "core/model/Zitat.h"

namespace trm {

namespace {
std::string RadiusText(double r) { return std::isinf(r) ? "0" : RealText(r); }
}  // namespace

void BogenSchreiben(const TBogen& b, Zeilen& out) {
  out.push_back("trmBogen");
  out.push_back(b.Name);
  out.push_back(RadiusText(b.AnfRadius()));
  out.push_back(RadiusText(b.EndRadius()));
  out.push_back(RealText(b.Laenge()));
  out.push_back(RealText(b.Spur()));
  out.push_back(RealText(b.SpurAussen()));
  out.push_back(RealText(b.SwAbst()));
  out.push_back(RealText(b.SwBrt()));
  out.push_back(RealText(b.SwLen()));
  out.push_back(RealText(b.TrBrt()));
  out.push_back(BoolText(b.Ausrunden()));
  out.push_back(b.BgKennung());
  out.push_back(IntText(b.FarbeWert()));
  out.push_back(RealText(b.XAnf()));
  out.push_back(RealText(b.YAnf()));
  out.push_back(RealText(b.ZAnf()));
  out.push_back(RealText(WinkelNorm(b.WAnf())));
  out.push_back(RealText(b.Steigung()));
}

void BogenLesen(TBogen& b, const Zeilenquelle& z, std::size_t& i) {
  Zeilenleser l(z, i);
  l.Ueberspringen();  // tag
  b.Name = l.Text();
  b.SetAnfRadius(l.Real());
  b.SetEndRadius(l.Real());
  b.SetLaenge(l.Real());
  b.Eigen.Spur = l.Real();
  b.Eigen.SpurAussen = l.Real();
  const std::size_t zeileSwAbst = l.Index() + 1;
  b.Eigen.SwAbst = l.Real();
  b.Eigen.SwBrt = l.Real();
  b.Eigen.SwLen = l.Real();
  b.Eigen.TrBrt = l.Real();
  b.SetAusrunden(l.Bool());
  b.SetBgKennung(l.Text());
  b.Farbe = l.Int();
  b.GelesenXAnf = l.Real();
  b.GelesenYAnf = l.Real();
  b.GelesenZAnf = l.Real();
  b.GelesenWAnf = l.Real();
  b.SetSteigung(l.Real());
  // Sleepers are placed by dividing by the spacing: it must be positive.
  if (!(b.SwAbst() > 0))
    throw LeseFehler("Zeile " + std::to_string(zeileSwAbst) + ": Der Schwellenabstand des Bogens \"" +
                     Zitat(b.Name) + "\" muss größer als 0 sein.");
  // Every sleeper is a point in memory: no track has so many in one segment.
  if (const std::string t = ZuVieleSchwellenImBogen(b); !t.empty())
    throw LeseFehler("Zeile " + std::to_string(zeileSwAbst) + ": " + t);
}

}  // namespace trm
