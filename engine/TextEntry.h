#pragma once
// The small text-entry rules of the name and country fields.

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

// Digits, letters and the space.
inline bool IsNameChar(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == ' ';
}

// The text with every character IsNameChar refuses left out.
inline std::string OnlyNameChars(std::string_view text) {
    std::string kept;
    std::copy_if(text.begin(), text.end(), std::back_inserter(kept), IsNameChar);
    return kept;
}

// Adds the character while the text is shorter than maxLength characters.
inline void AppendChar(std::string& text, char c, size_t maxLength) {
    if (text.size() < maxLength)
        text += c;
}

// Removes the last character; an empty text stays empty.
inline void DeleteLastChar(std::string& text) {
    if (!text.empty())
        text.pop_back();
}
