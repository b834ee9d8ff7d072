#pragma once
// Conversion between the program's UTF-8 strings and the Shift-JIS (code page 932) bytes
// that its files use.
#include <string>
#include <string_view>

std::string ToShiftJis(std::string_view utf8);
std::string FromShiftJis(std::string_view shiftJis);
