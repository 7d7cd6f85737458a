// Typed errors of the core. Each carries the German message shown to the user.
#pragma once

#include <stdexcept>
#include <string>

namespace trm {

/// A record line that does not convert, a file that ends early or holds what this version
/// cannot read. The message is German and names the bad text or the file.
class LeseFehler : public std::runtime_error {
 public:
  explicit LeseFehler(const std::string& meldung) : std::runtime_error(meldung) {}
};

/// A value that no file can hold: a number that is not finite. Nothing is written; the
/// message is German.
class SchreibFehler : public std::runtime_error {
 public:
  explicit SchreibFehler(const std::string& meldung) : std::runtime_error(meldung) {}
};

/// A file that cannot be opened, written or renamed. The message is German and names the file.
class DateiFehler : public std::runtime_error {
 public:
  explicit DateiFehler(const std::string& meldung) : std::runtime_error(meldung) {}
};

/// A value typed by the user that cannot be used (a print scale that is no number, a sheet
/// that does not exist). The message is German.
class EingabeFehler : public std::runtime_error {
 public:
  explicit EingabeFehler(const std::string& meldung) : std::runtime_error(meldung) {}
};

}  // namespace trm
