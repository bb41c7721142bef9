#pragma once
// The result a game sends to the world high-score page, as one line of text:
//     type=0|name=<name>|score=<score>|key=<key letter>|p=|add=<country>|z=<padding>
// where the padding is as many "0" characters as make the whole line's length a multiple of 5.
// The name and the country hold only letters, digits and spaces, so no field holds a "|".

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace resultcode {

inline constexpr char KeyLetter = 'K';
inline constexpr size_t MaxNameLength = 12;
inline constexpr size_t MaxCountryLength = 16;

struct TWorldResult {
    std::string Name;  // letters, digits and spaces; up to MaxNameLength
    int32_t Score = 0;
    std::string Country;  // letters, digits and spaces; up to MaxCountryLength, may be empty

    bool operator==(const TWorldResult&) const = default;
};

// The message line of a result, padded.
std::string BuildMessage(const TWorldResult& result);

// The result in a message line, or nullopt unless the line is exactly what BuildMessage writes
// for some valid result: every field in its place, the key letter, an empty p, the name and
// country of allowed characters within their lengths, the score a decimal integer in 32 bits
// (an optional minus sign and digits, no leading zeros), and the padding of just the right length.
std::optional<TWorldResult> ParseMessage(std::string_view message);

// A name or a country character: "0".."9", "A".."Z", "a".."z" and the space.
bool IsNameCharacter(char character);

}  // namespace resultcode
