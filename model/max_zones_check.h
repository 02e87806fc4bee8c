#pragma once
// The checks of the Max Number of Zones dialog: the entry must be a whole number from 1 to 99,
// and no button in use may still page a zone above the new number.

// own
#include "model/zone.h"

// std
#include <optional>
#include <string>
#include <string_view>
#include <variant>

class CKVDoc;

inline constexpr const char* kMaxZonesCaption = "Setting Maximum Paging Zones";
inline constexpr const char* kNotAnInteger = "Please enter an integer.";

// The number an integer edit holds, or the message that refuses it: "Please enter an integer."
// unless the text is one optional sign and digits, with blanks allowed around them; "Please
// enter an integer between <low> and <high>." when the number is outside the range (a number
// too large for 32 bits counts as outside).
std::variant<int, std::string> ReadIntegerEntry(std::string_view text, int low, int high);

// The message naming the first enabled zone above `maxZones`: stations in list order, each one's
// buttons in use and their zones in order, then the 89 soft buttons. Nothing when the number
// can be lowered to `maxZones`. Zones of buttons beyond a station's type do not count.
std::optional<std::string> FindZoneAbove(const CKVDoc& doc, int maxZones);
