#pragma once
// Facts about the running program and its command line (portable part).
#include <string>
#include <vector>

namespace qx::utils {

// True when text begins with at least one of the prefixes, compared exactly.
// An empty prefix matches every text; an empty list matches nothing.
bool StartsWithAny(std::u16string_view text, const std::vector<std::u16string>& prefixes);

// Removes every leading "-" and "/" from an already lower-cased switch.
std::u16string StripSwitchPrefixes(std::u16string lowered);

// "major.minor.build" of a product version given as its two double words;
// the fourth part is not shown.
std::u16string FormatProductVersion(unsigned long mostSignificant, unsigned long leastSignificant);

}  // namespace qx::utils
