// Safe replacement of files: exclusive temporary files, flushed to disk and renamed.
#include "core/model/Dateiersatz.h"

#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <random>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/model/Fehler.h"

namespace trm {

namespace {

namespace fs = std::filesystem;

/// Why a call failed, in the words of the message; empty where the user can do nothing about it.
std::string Grund(int fehler) {
  switch (fehler) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return "kein Speicherplatz";
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
      return "keine Schreibrechte";
    case ENOENT:
    case ENOTDIR:
      return "Ordner nicht gefunden";
    case ELOOP:
      return "Verweise im Kreis";
    default:
      return {};
  }
}

/// The message of a failed save: the sentence naming the file, and why on the next line.
[[noreturn]] void Scheitern(const std::string& meldung, int fehler) {
  std::string text = meldung;
  if (const std::string g = Grund(fehler); !g.empty()) text += "\nGrund: " + g;
  throw DateiFehler(text);
}

std::string Meldung(const std::string& pfad) { return "Die Datei \"" + pfad + "\" konnte nicht gespeichert werden."; }

/// A file descriptor closed when it goes out of scope.
struct Deskriptor {
  int fd = -1;
  Deskriptor() = default;
  explicit Deskriptor(int f) : fd(f) {}
  Deskriptor(const Deskriptor&) = delete;
  Deskriptor& operator=(const Deskriptor&) = delete;
  ~Deskriptor() {
    if (fd >= 0) ::close(fd);
  }
  /// Closes now: 0, or the error of close (a delayed write error shows here).
  int Schliessen() {
    const int r = ::close(fd);
    fd = -1;
    return r == 0 ? 0 : errno;
  }
};

/// The file at the target as it is, when there is one. A file that is there must be one we may
/// write: the rename would replace even a write-protected file, or a folder's entry.
std::optional<struct stat> VorhandenPruefen(const std::string& ziel, const std::string& meldung) {
  struct stat alt {};
  if (::lstat(ziel.c_str(), &alt) != 0) {
    if (errno == ENOENT) return std::nullopt;
    Scheitern(meldung, errno);
  }
  if (!S_ISREG(alt.st_mode)) Scheitern(meldung, 0);
  if ((alt.st_mode & S_IWUSR) == 0 || ::access(ziel.c_str(), W_OK) != 0) Scheitern(meldung, EACCES);
  return alt;
}

std::string Ordner(const std::string& ziel) {
  const fs::path o = fs::path(ziel).parent_path();
  return o.empty() ? std::string(".") : o.string();
}

/// Creates the temporary file exclusively: a name of its own, never an existing file or link.
/// Returns 0 and sets fd and pfad, or the error.
int Anlegen(const std::string& ziel, bool vorhanden, Deskriptor& fd, std::string& pfad) {
  static std::mt19937_64 zufall{std::random_device{}() ^ static_cast<std::uint64_t>(::getpid())};
  static constexpr char zeichen[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  const fs::path z(ziel);
  for (int versuch = 0; versuch < 100; ++versuch) {
    std::string name = z.filename().string() + ".";
    for (int k = 0; k < 6; ++k) name += zeichen[zufall() % (sizeof zeichen - 1)];
    name += ".tmp~";
    const fs::path t = z.parent_path() / name;
    // Private until it replaces a file whose rights it then takes; a new file gets the rights
    // the process gives new files.
    const int f = ::open(t.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, vorhanden ? 0600 : 0666);
    if (f >= 0) {
      fd.fd = f;
      pfad = t.string();
      return 0;
    }
    if (errno != EEXIST) return errno;
  }
  return EEXIST;
}

/// Writes the blocks one after the other from the start of the file; 0 or the error.
int AllesSchreiben(int fd, const std::vector<std::string_view>& bloecke) {
  off_t ab = 0;
  for (const std::string_view bytes : bloecke) {
    std::size_t geschrieben = 0;
    while (geschrieben < bytes.size()) {
      const ssize_t n = ::pwrite(fd, bytes.data() + geschrieben, bytes.size() - geschrieben,
                                 ab + static_cast<off_t>(geschrieben));
      if (n < 0) {
        if (errno == EINTR) continue;
        return errno;
      }
      geschrieben += static_cast<std::size_t>(n);
    }
    ab += static_cast<off_t>(bytes.size());
  }
  return 0;
}

std::size_t Laenge(const std::vector<std::string_view>& bloecke) {
  std::size_t n = 0;
  for (const std::string_view b : bloecke) n += b.size();
  return n;
}

/// The old file's permissions and, where allowed, its owner for the file that replaces it.
void RechteUebertragen(int fd, const std::optional<struct stat>& alt) {
  if (!alt) return;
  ::fchmod(fd, alt->st_mode & 07777);
  if (::fchown(fd, alt->st_uid, alt->st_gid) != 0) {
    // Not allowed for another user's file: it becomes the writer's, as a new file would.
  }
}

/// The rename reaches the disk with its folder: flushed as far as the folder can be opened.
void OrdnerSichern(const std::string& ziel) {
  Deskriptor o(::open(Ordner(ziel).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (o.fd >= 0) ::fsync(o.fd);
}

/// Renames the flushed temporary file over the target; removes it when that fails.
void Umbenennen(const std::string& zwischen, const std::string& ziel, const std::string& meldung) {
  if (::rename(zwischen.c_str(), ziel.c_str()) != 0) {
    const int fehler = errno;
    ::unlink(zwischen.c_str());
    Scheitern(meldung, fehler);
  }
  OrdnerSichern(ziel);
}

/// A folder that takes no new file, with a file in it that may be written: the file is
/// overwritten from the start once room for all bytes is reserved, then cut to their length.
void AnOrtSchreiben(const std::string& ziel, const struct stat& alt, const std::vector<std::string_view>& bytes,
                    const std::string& meldung) {
  Deskriptor fd(::open(ziel.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC));
  if (fd.fd < 0) Scheitern(meldung, errno);
  const auto laenge = static_cast<off_t>(Laenge(bytes));
  if (laenge > alt.st_size) {
    // Fails before a byte is written when the disk has no room (the old text stays whole).
    const int r = ::posix_fallocate(fd.fd, alt.st_size, laenge - alt.st_size);
    if (r != 0 && r != EOPNOTSUPP) Scheitern(meldung, r);
  }
  if (const int r = AllesSchreiben(fd.fd, bytes); r != 0) Scheitern(meldung, r);
  if (::ftruncate(fd.fd, laenge) != 0 || ::fsync(fd.fd) != 0) Scheitern(meldung, errno);
  if (const int r = fd.Schliessen(); r != 0) Scheitern(meldung, r);
}

}  // namespace

std::string Speicherziel(const std::string& pfad) {
  fs::path p(pfad);
  for (int schritt = 0; schritt < 40; ++schritt) {
    struct stat st {};
    if (::lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return p.string();
    std::error_code ec;
    const fs::path weiter = fs::read_symlink(p, ec);
    if (ec) Scheitern(Meldung(pfad), ec.value());
    p = weiter.is_absolute() ? weiter : p.parent_path() / weiter;
  }
  Scheitern(Meldung(pfad), ELOOP);
}

std::string Zwischendatei(const std::string& ziel, const std::string& meldung) {
  Deskriptor fd;
  std::string pfad;
  if (const int r = Anlegen(ziel, false, fd, pfad); r != 0) Scheitern(meldung, r);
  return pfad;
}

void Uebernehmen(const std::string& zwischen, const std::string& ziel, const std::string& meldung) {
  try {
    const auto alt = VorhandenPruefen(ziel, meldung);
    Deskriptor fd(::open(zwischen.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    if (fd.fd < 0 || ::fsync(fd.fd) != 0) Scheitern(meldung, errno);
    RechteUebertragen(fd.fd, alt);
  } catch (const DateiFehler&) {
    ::unlink(zwischen.c_str());
    throw;
  }
  Umbenennen(zwischen, ziel, meldung);
}

namespace {

void Ersetzen(const std::string& pfad, const std::vector<std::string_view>& bytes) {
  const std::string meldung = Meldung(pfad);
  const std::string ziel = Speicherziel(pfad);
  const auto alt = VorhandenPruefen(ziel, meldung);
  Deskriptor fd;
  std::string zwischen;
  if (const int r = Anlegen(ziel, alt.has_value(), fd, zwischen); r != 0) {
    if (alt && (r == EACCES || r == EPERM)) return AnOrtSchreiben(ziel, *alt, bytes, meldung);
    Scheitern(meldung, r);
  }
  int fehler = AllesSchreiben(fd.fd, bytes);
  if (fehler == 0 && ::fsync(fd.fd) != 0) fehler = errno;
  if (fehler == 0) {
    RechteUebertragen(fd.fd, alt);
    fehler = fd.Schliessen();
  }
  if (fehler != 0) {
    ::unlink(zwischen.c_str());
    Scheitern(meldung, fehler);
  }
  Umbenennen(zwischen, ziel, meldung);
}

}  // namespace

void DateiErsetzen(const std::string& pfad, std::string_view bytes) { Ersetzen(pfad, {bytes}); }

void DateiErsetzen(const std::string& pfad, const std::vector<std::string>& bloecke) {
  Ersetzen(pfad, std::vector<std::string_view>(bloecke.begin(), bloecke.end()));
}

}  // namespace trm
