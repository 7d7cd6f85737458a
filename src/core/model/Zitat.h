// Texts from files quoted in messages: never more than the first 80 characters of a line, so
// that a garbled line of megabytes gives a message of one line.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace trm {

/// Characters of a file's text that a message quotes at most.
inline constexpr std::size_t ZitatZeichen = 80;

/// The text as a message quotes it: up to ZitatZeichen characters (UTF-8 characters are kept
/// whole), followed by "…" when the text is longer. The quotes are the caller's.
std::string Zitat(std::string_view text);

}  // namespace trm
