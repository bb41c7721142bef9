#pragma once
// The 5-bit code that carries a result message in a URL: every 5 bytes of the message become 8
// characters of a 32-character table of URL-safe characters. The bytes are written out as bits,
// most significant first; each group of 5 bits, read as a number n, gives table character n.

#include <optional>
#include <string>
#include <string_view>

namespace resultcode {

// Our own table: 32 distinct letters and digits, each safe in a URL as it is.
inline constexpr std::string_view EncodingTable = "Q7XK2MVD9RTBW4HZ8NJCPG3FY6SLE5AU";

// The code of message. A message whose length is not a multiple of 5 is encoded as if its bit
// text had "0" bits put in front up to the next multiple of 5 (the game's messages never need it).
std::string Encode(std::string_view message);

// The message behind text, or nullopt when text is no code this encoder writes: a length that is
// not a multiple of 8, or a character outside the table.
std::optional<std::string> Decode(std::string_view text);

}  // namespace resultcode
