#pragma once
// The registry as the program uses it: the calls it makes, nothing wider.
// Every call mirrors its Win32 namesake and returns a Win32 error code (0 on
// success). Names, paths and data are UTF-8 here; the Win32 implementation
// converts them to the ANSI code page at the boundary.

#include <cstdint>
#include <string_view>
#include <utility>

namespace platform {

// A key handle: a predefined root or a key opened by this interface. 0 is no key.
using RegKey = uintptr_t;

inline constexpr RegKey kClassesRoot = 0x80000000u;
inline constexpr RegKey kCurrentUser = 0x80000001u;
inline constexpr RegKey kLocalMachine = 0x80000002u;

inline constexpr uint32_t kRegNone = 0;
inline constexpr uint32_t kRegSz = 1;
inline constexpr uint32_t kRegExpandSz = 2;
inline constexpr uint32_t kRegBinary = 3;
inline constexpr uint32_t kRegDword = 4;
inline constexpr uint32_t kRegMultiSz = 7;

inline constexpr uint32_t kRegOptionNonVolatile = 0;
inline constexpr uint32_t kKeyAllAccess = 0xF003F;

inline constexpr long kErrorSuccess = 0;
inline constexpr long kErrorFileNotFound = 2;
inline constexpr long kErrorAccessDenied = 5;
inline constexpr long kErrorInvalidHandle = 6;
inline constexpr long kErrorMoreData = 234;

class Registry {
public:
    virtual ~Registry() = default;

    // RegOpenKeyA: opens an existing key; on failure `result` is set to 0.
    virtual long openKey(RegKey root, std::string_view subKey, RegKey& result) = 0;
    // RegCreateKeyA: opens the key, creating it and every missing level above it.
    virtual long createKey(RegKey root, std::string_view subKey, RegKey& result) = 0;
    // RegCreateKeyExA with no class and no security attributes.
    virtual long createKeyEx(RegKey root, std::string_view subKey, uint32_t options,
                             uint32_t access, RegKey& result) = 0;
    // RegQueryValueExA: with `data` null only type and size are reported.
    // `size` is in and out: the buffer's size, then the value's size.
    virtual long queryValue(RegKey key, std::string_view valueName, uint32_t& type, uint8_t* data,
                            uint32_t& size) = 0;
    // RegSetValueExA: stores exactly `size` bytes of `data`.
    virtual long setValue(RegKey key, std::string_view valueName, uint32_t type,
                          const uint8_t* data, uint32_t size) = 0;
    // RegDeleteKeyA: deletes one key; a key with subkeys is refused.
    virtual long deleteKey(RegKey root, std::string_view subKey) = 0;
    // RegDeleteTreeA: deletes the key with every subkey and value below it.
    virtual long deleteTree(RegKey root, std::string_view subKey) = 0;
    // RegDeleteValueA.
    virtual long deleteValue(RegKey key, std::string_view valueName) = 0;
    // RegCloseKey.
    virtual long closeKey(RegKey key) = 0;
};

// Closes the key it holds when the scope ends (0 is no key). Move-only, so a
// key is never closed twice.
class ScopedRegKey {
public:
    explicit ScopedRegKey(Registry& registry, RegKey key = 0) : registry_(&registry), key_(key) {}
    ScopedRegKey(ScopedRegKey&& other) noexcept
        : registry_(other.registry_), key_(std::exchange(other.key_, 0)) {}
    ScopedRegKey& operator=(ScopedRegKey&& other) noexcept {
        if (this != &other) {
            close();
            registry_ = other.registry_;
            key_ = std::exchange(other.key_, 0);
        }
        return *this;
    }
    ScopedRegKey(const ScopedRegKey&) = delete;
    ScopedRegKey& operator=(const ScopedRegKey&) = delete;
    ~ScopedRegKey() { close(); }

    RegKey get() const noexcept { return key_; }
    // Where an open or create call stores its key; the key held is closed
    // first, so reusing an owner never leaks one.
    RegKey& out() noexcept {
        close();
        return key_;
    }
    // Closes now and returns the result of RegCloseKey (an invalid handle when none).
    long close() noexcept {
        if (key_ == 0) return kErrorInvalidHandle;
        return registry_->closeKey(std::exchange(key_, 0));
    }

private:
    Registry* registry_;
    RegKey key_;
};

}  // namespace platform
