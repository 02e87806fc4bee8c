#pragma once
// Decimal text as the C library reads it (leading blanks, one sign, digits up to the first other
// character, no digits gives 0), except that it saturates instead of wrapping: "4294967297" is a
// huge number that every range check refuses, never 1.

#include <cstdint>
#include <string_view>

int32_t ParseDecimal(std::string_view text);
