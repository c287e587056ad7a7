#pragma once
// An in-memory registry that behaves as Windows does where the program cares:
// case-insensitive key and value names, typed values stored byte for byte (with
// or without a terminating NUL), a key with subkeys that will not delete, and
// HKEY_CLASSES_ROOT as the merged view of HKCU\Software\Classes over
// HKLM\Software\Classes: a read finds the per-user key first; a write to a key
// that exists per user goes there, also when the machine has it too; a new key
// goes to the machine's classes. In read-only mode every write is refused with
// ERROR_ACCESS_DENIED, as for a user who may not write there; with the machine
// read-only only writes that land in HKEY_LOCAL_MACHINE are, as for a standard
// user.

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry.h"

namespace testsupport {

struct CaseInsensitiveLess {
    bool operator()(std::string_view a, std::string_view b) const;
    using is_transparent = void;
};

class MemoryRegistry : public platform::Registry {
public:
    struct Value {
        uint32_t type = platform::kRegSz;
        std::vector<uint8_t> data;
    };

    MemoryRegistry();
    ~MemoryRegistry() override;
    MemoryRegistry(MemoryRegistry&&) noexcept;
    MemoryRegistry& operator=(MemoryRegistry&&) noexcept;

    long openKey(platform::RegKey root, std::string_view subKey, platform::RegKey& result) override;
    long createKey(platform::RegKey root, std::string_view subKey,
                   platform::RegKey& result) override;
    long createKeyEx(platform::RegKey root, std::string_view subKey, uint32_t options,
                     uint32_t access, platform::RegKey& result) override;
    long queryValue(platform::RegKey key, std::string_view valueName, uint32_t& type, uint8_t* data,
                    uint32_t& size) override;
    long setValue(platform::RegKey key, std::string_view valueName, uint32_t type,
                  const uint8_t* data, uint32_t size) override;
    long deleteKey(platform::RegKey root, std::string_view subKey) override;
    long deleteTree(platform::RegKey root, std::string_view subKey) override;
    long deleteValue(platform::RegKey key, std::string_view valueName) override;
    long closeKey(platform::RegKey key) override;

    // Test controls and inspection, bypassing handles and read-only mode.
    void setReadOnly(bool readOnly) { readOnly_ = readOnly; }
    void setMachineReadOnly(bool readOnly) { machineReadOnly_ = readOnly; }
    void putValue(platform::RegKey root, std::string_view path, std::string_view name,
                  uint32_t type, std::vector<uint8_t> data);
    void putString(platform::RegKey root, std::string_view path, std::string_view name,
                   std::string_view text, bool withNul = true);
    bool keyExists(platform::RegKey root, std::string_view path) const;
    std::optional<Value> value(platform::RegKey root, std::string_view path,
                               std::string_view name) const;
    // Every value of both hives, text values as text, in key order.
    struct Entry {
        platform::RegKey hive;
        std::string path;  // below the hive, levels joined by '\\'
        std::string name;
        std::string text;  // the data up to its first NUL
    };
    std::vector<Entry> allValues() const;
    // Handles opened and not yet closed: a leak shows here.
    size_t openHandleCount() const { return handles_.size(); }
    // Every write call made, refused ones included.
    size_t writeCallCount() const { return writeCalls_; }

private:
    struct Node {
        std::map<std::string, std::unique_ptr<Node>, CaseInsensitiveLess> children;
        std::map<std::string, Value, CaseInsensitiveLess> values;
    };

    // A key and the hive (HKEY_CURRENT_USER or HKEY_LOCAL_MACHINE) it lives in.
    struct Place {
        Node* node = nullptr;
        platform::RegKey hive = 0;
    };

    Node* hiveNode(platform::RegKey hive) const;
    Place resolve(platform::RegKey key) const;
    Place find(platform::RegKey root, std::string_view path) const;
    Place findOrCreate(platform::RegKey root, std::string_view path);
    platform::RegKey newHandle(Place place);
    bool refusesWrite(platform::RegKey hive) const;
    long removeKey(platform::RegKey root, std::string_view subKey, bool withSubkeys);

    std::unique_ptr<Node> currentUser_;
    std::unique_ptr<Node> localMachine_;
    std::map<platform::RegKey, Place> handles_;
    platform::RegKey nextHandle_ = 0x1000;
    bool readOnly_ = false;
    bool machineReadOnly_ = false;
    size_t writeCalls_ = 0;
};

}  // namespace testsupport
