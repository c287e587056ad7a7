#pragma once
// The registry through advapi32's W calls (their Ex forms where a view is named):
// names and text cross as UTF-16, so no character is lost to a code page.
//
// Keys: the three predefined RegKey values stand for HKEY_CLASSES_ROOT,
// HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE (sign-extended pointers on 64-bit
// Windows); any other RegKey is an HKEY this class handed out, and the caller
// owns it until closeKey.
//
// View: every key is opened in the 64-bit view, so the 32-bit build reads and
// writes the same machine keys as the 64-bit one (HKEY_LOCAL_MACHINE\SOFTWARE
// is redirected for 32-bit programs otherwise). Open and create ask for the
// most access allowed.
//
// Text: key paths, value names and the data of the text types (REG_SZ,
// REG_EXPAND_SZ, REG_MULTI_SZ) are UTF-8 on this side and ANSI in the calls.
// setValue converts exactly the `size` bytes it is given, NULs included, and
// stores the ANSI bytes that result. queryValue reads the whole ANSI data into
// a buffer of its own and reports and copies its UTF-8 form, so the size a
// caller is told when it asks with no buffer is exactly the size of the data it
// then reads; a buffer smaller than that gets ERROR_MORE_DATA and the size. NULs
// in the stored data, terminating or embedded, are handed back as they are.
// Data of other types passes through untouched.

#include "platform/registry.h"

namespace platform {

class Win32Registry final : public Registry {
public:
    long openKey(RegKey root, std::string_view subKey, RegKey& result) override;
    long createKey(RegKey root, std::string_view subKey, RegKey& result) override;
    long createKeyEx(RegKey root, std::string_view subKey, uint32_t options, uint32_t access,
                     RegKey& result) override;
    long queryValue(RegKey key, std::string_view valueName, uint32_t& type, uint8_t* data,
                    uint32_t& size) override;
    long setValue(RegKey key, std::string_view valueName, uint32_t type, const uint8_t* data,
                  uint32_t size) override;
    long deleteKey(RegKey root, std::string_view subKey) override;
    long deleteTree(RegKey root, std::string_view subKey) override;
    long deleteValue(RegKey key, std::string_view valueName) override;
    long closeKey(RegKey key) override;
};

}  // namespace platform
