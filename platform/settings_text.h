#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorn {

// The per-user settings file is INI text as Qt's settings store writes it:
// "[Section]" lines, then "key=value" lines. These read one value and change
// one, leaving every other line of the text as it was.

// The value of key in [section]; none when the text does not hold it.
std::optional<std::string> IniValue(std::string_view text, std::string_view section,
                                    std::string_view key);

// The text with key in [section] set to value: its line changed where it
// stands, else added at the end of the section, else in a new section at
// the end. Values are written as they are: the game stores digits and dates.
std::string WithIniValue(std::string_view text, std::string_view section, std::string_view key,
                         std::string_view value);

}  // namespace vorn
