#pragma once
// File names compared as Windows' file systems compare them: each UTF-16 unit
// upper-cased by the system's table, nothing else folded. So "übersicht.jpg"
// names "Übersicht.jpg", while "straße" stays apart from "STRASSE", a
// decomposed "é" from a precomposed one, and "ı" from "I".

#include <string>
#include <string_view>

namespace base {

// `utf8Name` with every letter of the Basic Multilingual Plane that has a
// capital in Windows' upper-case table replaced by it. Characters beyond that
// plane, and bytes that are not UTF-8, are kept as they are.
std::string upperCaseName(std::string_view utf8Name);

}  // namespace base
