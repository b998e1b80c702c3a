#pragma once

#include <string>

namespace quorvex {

// A byte count as short text: "5120 b", "5 Kb", "10 Mb", "2 Gb". A unit applies when the count
// is strictly above 5120, 5242880 or 1073741824 bytes; shown numbers are rounded half to even,
// then integer-divided. A number beyond the 32-bit range, or a count that is not a number,
// gives "0b". A fractional count in bytes keeps its fraction with the decimal separator.
std::string SizeToText(double bytes, char decimalSeparator);
// The same with the decimal separator of the user's locale.
std::string SizeToText(double bytes);

}  // namespace quorvex
