// Replacing files: through links, past foreign temporary files, in a folder that takes no new
// file, with the reason of a failure, and with a save killed half way.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <thread>
#include <vector>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/model/Dateiersatz.h"
#include "core/model/Fehler.h"
#include "core/model/Textdatei.h"

namespace trm {
namespace {

namespace fs = std::filesystem;

/// A fresh folder of the test's own, removed afterwards.
struct Ordner {
  fs::path pfad;
  explicit Ordner(const std::string& name)
      : pfad(fs::temp_directory_path() / ("trm_ersatz_" + std::to_string(::getpid()) + "_" + name)) {
    fs::remove_all(pfad);
    fs::create_directories(pfad);
  }
  ~Ordner() {
    std::error_code ec;
    fs::permissions(pfad, fs::perms::owner_all, ec);
    fs::remove_all(pfad, ec);
  }
  std::string operator/(const std::string& name) const { return (pfad / name).string(); }
};

std::string Inhalt(const std::string& pfad) { return Dateibytes(pfad); }

void Anlegen(const std::string& pfad, const std::string& text) { std::ofstream(pfad, std::ios::binary) << text; }

/// The message of a failed replacement, or "" when it succeeded.
std::string Fehlertext(const std::string& pfad, const std::string& text) {
  try {
    DateiErsetzen(pfad, text);
    return "";
  } catch (const DateiFehler& e) {
    return e.what();
  }
}

/// The names in the folder, sorted.
std::vector<std::string> Namen(const fs::path& ordner) {
  std::vector<std::string> namen;
  for (const auto& e : fs::directory_iterator(ordner)) namen.push_back(e.path().filename().string());
  std::sort(namen.begin(), namen.end());
  return namen;
}

TEST(Dateiersatz, SpeichertDurchVerweiseAufDasZiel) {
  Ordner o("verweis");
  fs::create_directories(o.pfad / "echt");
  Anlegen(o / "echt/plan.m88", "alt");
  fs::create_symlink("echt/plan.m88", o.pfad / "zwischen.m88");  // relative, and a chain of two
  fs::create_symlink(o.pfad / "zwischen.m88", o.pfad / "plan.m88");
  EXPECT_EQ(Speicherziel(o / "plan.m88"), o / "echt/plan.m88");
  DateiErsetzen(o / "plan.m88", "neu");
  EXPECT_TRUE(fs::is_symlink(o.pfad / "plan.m88"));
  EXPECT_TRUE(fs::is_symlink(o.pfad / "zwischen.m88"));
  EXPECT_EQ(Inhalt(o / "echt/plan.m88"), "neu");
  EXPECT_EQ(Namen(o.pfad / "echt"), std::vector<std::string>{"plan.m88"});  // the temporary file went
  // A link that points nowhere names the file to create; links in a circle are refused.
  fs::create_symlink("neu/dort.m88", o.pfad / "leer.m88");
  fs::create_directories(o.pfad / "neu");
  DateiErsetzen(o / "leer.m88", "erst");
  EXPECT_EQ(Inhalt(o / "neu/dort.m88"), "erst");
  fs::create_symlink("b", o.pfad / "a");
  fs::create_symlink("a", o.pfad / "b");
  EXPECT_NE(Fehlertext(o / "a", "x").find("Verweise im Kreis"), std::string::npos);
}

TEST(Dateiersatz, FremdeZwischendateiBleibtUnberuehrt) {
  Ordner o("fremd");
  Anlegen(o / "opfer", "fremd");
  Anlegen(o / "plan.m88", "alt");
  // The name the temporary file once had, as a link to someone else's file, and as a file.
  fs::create_symlink(o / "opfer", o.pfad / "plan.m88.tmp~");
  DateiErsetzen(o / "plan.m88", "neu");
  EXPECT_EQ(Inhalt(o / "plan.m88"), "neu");
  EXPECT_FALSE(fs::is_symlink(o.pfad / "plan.m88"));
  EXPECT_TRUE(fs::is_symlink(o.pfad / "plan.m88.tmp~"));
  EXPECT_EQ(Inhalt(o / "opfer"), "fremd");
  // Two temporary files of the same target never share a name.
  const std::string z1 = Zwischendatei(o / "plan.m88", "plan.m88"), z2 = Zwischendatei(o / "plan.m88", "plan.m88");
  EXPECT_NE(z1, z2);
  EXPECT_TRUE(z1.ends_with(".tmp~"));
  EXPECT_EQ(fs::path(z1).parent_path(), o.pfad);
}

TEST(Dateiersatz, BloeckeInIhrerFolge) {
  Ordner o("bloecke");
  Textbloecke t;
  const std::string lang(1500000, 'x');  // longer than a block: a block of its own
  for (const std::string& z : {std::string("Größe"), lang, std::string("Ende")}) t.Zeile(z);
  EXPECT_EQ(t.Bloecke().size(), 3u);
  DateiSchreiben(o / "plan.m88", t);
  EXPECT_EQ(Inhalt(o / "plan.m88"), "Gr\xF6\xDF" "e\r\n" + lang + "\r\nEnde\r\n");
}

TEST(Dateiersatz, GruendeDesScheiterns) {
  Ordner o("gruende");
  const std::string fehlt = o / "fehlt/plan.m88";
  EXPECT_EQ(Fehlertext(fehlt, "x"),
            "Die Datei \"" + fehlt + "\" konnte nicht gespeichert werden.\nGrund: Ordner nicht gefunden");
  Anlegen(o / "plan.m88", "alt");
  fs::permissions(o / "plan.m88", fs::perms::owner_read | fs::perms::group_read);
  EXPECT_NE(Fehlertext(o / "plan.m88", "neu").find("werden.\nGrund: keine Schreibrechte"), std::string::npos);
  EXPECT_EQ(Inhalt(o / "plan.m88"), "alt");
  fs::create_directories(o.pfad / "ordner.m88");  // no regular file: not replaced
  EXPECT_NE(Fehlertext(o / "ordner.m88", "neu"), "");
  EXPECT_TRUE(fs::is_directory(o.pfad / "ordner.m88"));
}

/// Runs f in a child process as a user without special rights (root drops to "nobody", whose
/// rights a folder of root's then checks); returns the child's exit code.
int AlsGewoehnlicherNutzer(const std::function<int()>& f) {
  const pid_t kind = ::fork();
  if (kind == 0) {
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(90);
    ::_exit(f());
  }
  int status = 0;
  ::waitpid(kind, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 99;
}

TEST(Dateiersatz, SchreibbareDateiImSchreibgeschuetztenOrdnerAnOrtUndStelle) {
  Ordner o("nurlesen");
  const std::string plan = o / "plan.m88";
  Anlegen(plan, "alter, längerer Text");
  fs::permissions(plan, fs::perms::all);  // writable by everyone; the folder only by its owner
  fs::permissions(o.pfad, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                              fs::perms::others_read | fs::perms::others_exec);
  if (::geteuid() != 0) fs::permissions(o.pfad, fs::perms::owner_read | fs::perms::owner_exec);
  struct stat vorher {};
  ::stat(plan.c_str(), &vorher);
  EXPECT_EQ(AlsGewoehnlicherNutzer([&] { return Fehlertext(plan, "neu").empty() ? 0 : 1; }), 0);
  struct stat nachher {};
  ::stat(plan.c_str(), &nachher);
  EXPECT_EQ(Inhalt(plan), "neu");
  EXPECT_EQ(nachher.st_ino, vorher.st_ino);  // the same file, written over
  EXPECT_EQ(Namen(o.pfad), std::vector<std::string>{"plan.m88"});
  // A new file cannot go there.
  EXPECT_EQ(AlsGewoehnlicherNutzer([&] {
              return Fehlertext(o / "neu.m88", "x").find("keine Schreibrechte") != std::string::npos ? 0 : 1;
            }),
            0);
}

TEST(Dateiersatz, AbgebrochenesSpeichernLaesstAltOderNeu) {
  Ordner o("abbruch");
  const std::string plan = o / "plan.m88";
  // Large enough that a save takes a while: the kill lands at every stage of it.
  const std::string a(4 << 20, 'a'), b(3 << 20, 'b');
  DateiErsetzen(plan, a);
  std::mt19937 zufall(7);
  for (int runde = 0; runde < 12; ++runde) {
    const pid_t kind = ::fork();
    if (kind == 0) {
      for (int k = 0;; ++k) DateiErsetzen(plan, k % 2 ? a : b);
    }
    std::this_thread::sleep_for(std::chrono::microseconds(std::uniform_int_distribution<int>(200, 20000)(zufall)));
    ::kill(kind, SIGKILL);
    ::waitpid(kind, nullptr, 0);
    const std::string jetzt = Inhalt(plan);
    EXPECT_TRUE(jetzt == a || jetzt == b) << "Runde " << runde << ": " << jetzt.size() << " Bytes";
  }
  // What a killed save left behind is a temporary file of its own: the next save neither uses
  // nor needs it.
  std::vector<std::pair<std::string, std::uintmax_t>> reste;
  for (const auto& e : fs::directory_iterator(o.pfad))
    if (e.path().filename() != "plan.m88") {
      EXPECT_TRUE(e.path().string().ends_with(".tmp~")) << e.path();
      reste.emplace_back(e.path().string(), fs::file_size(e.path()));
    }
  DateiErsetzen(plan, "zuletzt");
  EXPECT_EQ(Inhalt(plan), "zuletzt");
  for (const auto& [pfad, groesse] : reste) EXPECT_EQ(fs::file_size(pfad), groesse) << pfad;
}

}  // namespace
}  // namespace trm
