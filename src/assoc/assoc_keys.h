#pragma once
// Registry names and small text helpers shared by the association sources.
// Internal to assoc/: callers use mdlFileAssoc.h.

#include <string>
#include <string_view>

#include "base/text.h"

namespace mdlFileAssoc::keys {

// The ProgIDs as they are written, as the JPEG extensions name them, and as
// compared (upper-cased on both sides).
inline constexpr std::string_view ownProgId = "tessmirefile";
inline constexpr std::string_view jpegProgId = "tessmirejpgfile";
inline constexpr std::string_view jpegProgIdAsNamed = "TessmireJpgFile";
inline constexpr std::string_view ownProgIdCompared = "TESSMIREFILE";
inline constexpr std::string_view jpegProgIdCompared = "TESSMIREJPGFILE";

// The program's file name, as the open commands name it.
inline constexpr std::string_view viewerExecutable = "tsviewer.exe";

inline constexpr std::string_view friendlyTypeName = "Tessmire Image";
inline constexpr std::string_view contentTypeName = "Content Type";
inline constexpr std::string_view contentType = "image/jpeg";
inline constexpr std::string_view perceivedTypeName = "PerceivedType";
inline constexpr std::string_view perceivedType = "image";

inline constexpr std::string_view defaultValue = "";
inline constexpr std::string_view machineClasses = "SOFTWARE\\Classes\\";
inline constexpr std::string_view fileExtsBase =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\";
inline constexpr std::string_view userProgIdValue = "Progid";
inline constexpr std::string_view userChoice = "\\UserChoice";
inline constexpr std::string_view userApplicationValue = "Application";

inline constexpr std::string_view openCommand = "\\shell\\open\\command";
inline constexpr std::string_view editCommand = "\\shell\\edit\\command";

// Keys of the previous-handler record.
inline constexpr std::string_view progIdKey = "PROG_ID";
inline constexpr std::string_view progShellKey = "PROG_SHELL";
inline constexpr std::string_view appIdKey = "APP_ID";
inline constexpr std::string_view appShellKey = "APP_SHELL";

// One JPEG extension with the record sections of its three places.
struct JpegExtension {
    std::string_view ext;
    std::string_view rootSection;     // HKEY_CLASSES_ROOT
    std::string_view userSection;     // the per-user Explorer choice
    std::string_view machineSection;  // HKEY_LOCAL_MACHINE classes
};

inline constexpr JpegExtension jpeg{".jpeg", "JPEG_HKROOT", "JPEG_HKCURR", "JPEG_HKLOCAL"};
inline constexpr JpegExtension jpg{".jpg", "JPG_HKROOT", "JPG_HKCURR", "JPG_HKLOCAL"};

inline std::string joined(std::string_view a, std::string_view b) {
    std::string text(a);
    text += b;
    return text;
}

// The per-user Explorer choice key of an extension, below HKEY_CURRENT_USER.
inline std::string fileExtsKey(std::string_view ext) { return joined(fileExtsBase, ext); }

// The key of the choice made in "Open with" or Default apps, below HKEY_CURRENT_USER.
inline std::string userChoiceKey(std::string_view ext) {
    return joined(fileExtsKey(ext), userChoice);
}

// The machine-wide class key of an extension, below HKEY_LOCAL_MACHINE.
inline std::string machineClassKey(std::string_view ext) { return joined(machineClasses, ext); }

// A handler other than the viewer's JPEG ProgID; an empty value names none.
inline bool isForeign(std::string_view value) {
    return !value.empty() && base::upperCase(value) != jpegProgIdCompared;
}

inline bool containsText(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

// Every occurrence of `from` in `text` replaced by `to`, left to right; what
// was put in is never searched again, so `to` may itself contain `from`.
inline std::string replaceAll(std::string_view text, std::string_view from, std::string_view to) {
    if (from.empty()) return std::string(text);
    std::string result;
    size_t start = 0;
    for (size_t at = text.find(from); at != std::string_view::npos; at = text.find(from, start)) {
        result.append(text.substr(start, at - start));
        result.append(to);
        start = at + from.size();
    }
    result.append(text.substr(start));
    return result;
}

}  // namespace mdlFileAssoc::keys
