#include "platform/settings_text.h"

#include <vector>

namespace vorn {

namespace {

std::string_view Trimmed(std::string_view s) {
  const auto first = s.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t\r\n") - first + 1);
}

// The text's lines, each with its line end; a UTF-8 byte-order mark before
// the first stands as a line of its own.
std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  if (text.substr(0, 3) == "\xEF\xBB\xBF") {
    lines.push_back(text.substr(0, 3));
    text.remove_prefix(3);
  }
  while (!text.empty()) {
    const auto end = text.find('\n');
    const auto length = end == std::string_view::npos ? text.size() : end + 1;
    lines.push_back(text.substr(0, length));
    text.remove_prefix(length);
  }
  return lines;
}

// The name of a "[name]" line; none for any other line.
std::optional<std::string_view> SectionOf(std::string_view line) {
  line = Trimmed(line);
  if (line.size() < 2 || line.front() != '[' || line.back() != ']') return std::nullopt;
  return line.substr(1, line.size() - 2);
}

// Whether a line sets key, and then its value, which ends where a comment
// (";" outside quotes) begins, as Qt reads it.
std::optional<std::string_view> ValueIfKey(std::string_view line, std::string_view key) {
  const std::string_view trimmed = Trimmed(line);
  if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '#') return std::nullopt;
  const auto equals = trimmed.find('=');
  if (equals == std::string_view::npos || Trimmed(trimmed.substr(0, equals)) != key) {
    return std::nullopt;
  }
  std::string_view value = trimmed.substr(equals + 1);
  bool quoted = false;
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] == '"') quoted = !quoted;
    if (value[i] == ';' && !quoted) {
      value = value.substr(0, i);
      break;
    }
  }
  return Trimmed(value);
}

struct Found {
  std::size_t line = 0;  // the key's line, or where its section ends
  bool section = false;  // the section is there
  bool key = false;      // and holds the key
  std::string_view value;
};

// Where Qt finds the key: its last line in the sections of that name; else
// the end of the last such section.
Found Find(const std::vector<std::string_view>& lines, std::string_view section,
           std::string_view key) {
  Found found;
  bool inSection = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (const auto name = SectionOf(lines[i])) {
      inSection = *name == section;
      if (inSection) {
        found.section = true;
        if (!found.key) found.line = i + 1;
      }
      continue;
    }
    if (!inSection) continue;
    if (const auto value = ValueIfKey(lines[i], key)) {
      found.line = i;
      found.key = true;
      found.value = *value;
    } else if (!found.key && !Trimmed(lines[i]).empty()) {
      // Blank lines after a section's last key stay between it and the next.
      found.line = i + 1;
    }
  }
  return found;
}

}  // namespace

std::optional<std::string> IniValue(std::string_view text, std::string_view section,
                                    std::string_view key) {
  const Found found = Find(Lines(text), section, key);
  if (!found.key) return std::nullopt;
  std::string_view value = found.value;
  // A value that Qt had to quote.
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
    value = value.substr(1, value.size() - 2);
  }
  return std::string(value);
}

std::string WithIniValue(std::string_view text, std::string_view section, std::string_view key,
                         std::string_view value) {
  const std::vector<std::string_view> lines = Lines(text);
  const Found found = Find(lines, section, key);
  std::string setting(key);
  setting.append("=").append(value).append("\n");
  std::string out;
  out.reserve(text.size() + setting.size() + section.size() + 4);
  if (!found.section) {
    out.append(text);
    if (!out.empty() && out.back() != '\n') out += '\n';
    if (!out.empty()) out += '\n';
    out.append("[").append(section).append("]\n").append(setting);
    return out;
  }
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i == found.line) {
      out += setting;
      if (found.key) continue;
    }
    out.append(lines[i]);
    if (i + 1 == found.line && !out.empty() && out.back() != '\n') out += '\n';
  }
  if (found.line == lines.size()) out += setting;
  return out;
}

}  // namespace vorn
