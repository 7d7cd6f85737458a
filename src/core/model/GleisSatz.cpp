// The 21-line track record with its segment records.
#include <algorithm>

#include "core/model/Fehler.h"
#include "core/model/Gleis.h"
#include "core/model/Listen.h"
#include "core/model/Satz.h"
#include "core/model/Zahlformat.h"
#include "core/model/Zitat.h"

namespace trm {

void GleisSchreiben(const TGleis& g, Zeilen& out) {
  out.push_back("trmGleis");
  out.push_back(g.Name);
  out.push_back(RealText(g.XAnf));
  out.push_back(RealText(g.YAnf));
  out.push_back(RealText(g.ZAnf()));
  out.push_back(RealText(g.WAnf()));
  out.push_back(RealText(g.MaxKruemmung()));
  out.push_back(RealText(g.SwAbst()));
  out.push_back(RealText(g.SwBrt()));
  out.push_back(RealText(g.Spur()));
  out.push_back(RealText(g.SwLen()));
  out.push_back(RealText(g.TrBrt()));
  out.push_back(IntText(g.Farbe));
  out.push_back(RealText(g.GlsAbst()));
  out.push_back(RealText(g.SpurAussen()));
  out.push_back("00");
  out.push_back(g.GlsTyp);
  out.push_back(IntText(g.Nummer));
  out.push_back(IntText(g.Vorgaenger ? g.Vorgaenger->Nummer : -1));
  std::vector<std::int32_t> nummern;
  nummern.reserve(g.Verbund.size());
  for (const TGleis* v : g.Verbund) nummern.push_back(v->Nummer);
  out.push_back(IntListeText(nummern));
  out.push_back(IntText(static_cast<std::int64_t>(g.Boegen.size())));
  for (const auto& b : g.Boegen) BogenSchreiben(*b, out);
}

void GleisLesen(TGleis& g, const Zeilenquelle& z, std::size_t& i) {
  Zeilenleser l(z, i);
  l.Ueberspringen();  // tag
  g.Name = l.Text();
  g.XAnf = l.Real();
  g.YAnf = l.Real();
  g.ZAnfWert = l.Real();
  g.SetWAnf(l.Real());
  g.SetWAnf(AlsGeschrieben(g.WAnf()));  // reduced to a turn, as it will be written
  g.Eigen.MaxKruemmung = l.Real();
  g.Eigen.SwAbst = l.Real();
  g.Eigen.SwBrt = l.Real();
  g.Eigen.Spur = l.Real();
  g.Eigen.SwLen = l.Real();
  g.Eigen.TrBrt = l.Real();
  g.Farbe = l.Int();
  g.Eigen.GlsAbst = l.Real();
  g.Eigen.SpurAussen = l.Real();
  l.Ueberspringen();  // "00"
  g.GlsTyp = l.Text();
  g.GlsTyp.resize(2, '0');
  // A track record is always an ordinary track: turnout tracks come from turnout records.
  // Keeping the flag would make the track vanish at the next save.
  g.SetWeichengleis(false);
  g.Nummer = l.Int();
  g.VorgaengerNr = l.Int();
  const std::size_t zeileVerbund = l.Index() + 1;
  try {
    g.VerbundGelesen = IntListeEinmalLesen(l.Ansicht());
  } catch (const LeseFehler& e) {
    throw LeseFehler("Zeile " + std::to_string(zeileVerbund) + ": " + e.what());
  }
  const std::int32_t anzahl = l.Anzahl();
  if (anzahl == 0)
    throw LeseFehler("Zeile " + std::to_string(l.Index()) + ": Das Gleis \"" + Zitat(g.Name) +
                     "\" hat keinen Bogen.");
  // As many as the count says, but never more than the lines left could hold.
  g.Boegen.reserve(std::min<std::size_t>(static_cast<std::size_t>(anzahl), l.Uebrig() / ZeilenBogen));
  for (std::int32_t k = 0; k < anzahl; ++k) {
    TBogen* b = g.BogenAnhaengen(std::make_unique<TBogen>());
    BogenLesen(*b, z, i);
  }
  g.SetDSGleis(g.GlsTyp[1] == '1');
}

}  // namespace trm
