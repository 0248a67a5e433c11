#pragma once

#include <string>

#include <QString>

namespace vorn {

// The rules and the saved games speak English through the platform seam.
// Each line of such a text (lines end at "\r\n") that is one of their known
// texts is shown in the player's language; a known text may hold one whole
// number, such as the seconds of a win. Anything else (a file name, the
// system's own reason) is shown as it is.
QString TranslatedMessage(const std::string& text);

}  // namespace vorn
