// Bildpuffer: the module's picture kept while the drawing tools are at work, so that a frame
// only copies it and draws the draft over it. The picture is painted again when its key (the
// module, the view, the layout's state, the current track) differs from the last one.
#pragma once

#include <QImage>
#include <QSize>
#include <cstdint>
#include <functional>
#include <optional>

namespace trm::gui {

class Bildpuffer {
 public:
  /// What the kept picture shows: it is painted again when any of these changed.
  struct Schluessel {
    const void* modul = nullptr;
    double mmProPixel = 0;
    int ursprungX = 0, ursprungY = 0;  ///< the drawing's top left corner in the view
    QSize groesse;                     ///< the view's size in pixels
    qreal pixelverhaeltnis = 1;        ///< device pixels per view pixel
    std::uint64_t stand = 0;           ///< the layout's state (the undo history's number)
    const void* gleis = nullptr;       ///< the current track and segment (drawn marked)
    const void* bogen = nullptr;
    bool operator==(const Schluessel&) const = default;
  };

  /// The picture for `k`; `malen` paints it (onto a painter over the view's pixels) when the
  /// kept one shows something else.
  const QImage& Bild(const Schluessel& k, const std::function<void(QPainter&)>& malen);
  /// Forgets the picture (the layout or its drawing changed in a way the key does not see).
  void Leeren() { schluessel_.reset(); }
  /// Whether a picture is kept.
  bool Gueltig() const { return schluessel_.has_value(); }

 private:
  std::optional<Schluessel> schluessel_;
  QImage bild_;
};

}  // namespace trm::gui
