#pragma once
// Conversion between the program's UTF-8 strings and the Shift-JIS (code page 932) bytes
// that its files use.
#include <string>
#include <string_view>

// Characters that code page 932 cannot hold are written as "?" (ask UnstorableInShiftJis
// first). The wave dash, minus sign, double vertical line, cent, pound and not signs that
// Linux input methods type are written as the full-width forms Windows uses for them.
std::string ToShiftJis(std::string_view utf8);
// Bytes without a meaning in code page 932, and a lead byte cut off by the end, read as U+FFFD.
std::string FromShiftJis(std::string_view shiftJis);
// The characters of `utf8` that ToShiftJis cannot store, each once, in order of appearance;
// empty when everything can be stored.
std::string UnstorableInShiftJis(std::string_view utf8);
