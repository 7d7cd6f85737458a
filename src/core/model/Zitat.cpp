// The first characters of a file's text, as messages quote it.
#include "core/model/Zitat.h"

namespace trm {

std::string Zitat(std::string_view text) {
  std::size_t zeichen = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    // A UTF-8 character begins at every byte that is not a continuation byte 10xxxxxx.
    if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
    if (zeichen == ZitatZeichen) return std::string(text.substr(0, i)) + "…";
    ++zeichen;
  }
  return std::string(text);
}

}  // namespace trm
