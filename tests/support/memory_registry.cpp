#include "support/memory_registry.h"

#include <algorithm>
#include <cctype>

namespace testsupport {

using platform::kClassesRoot;
using platform::kCurrentUser;
using platform::kErrorAccessDenied;
using platform::kErrorFileNotFound;
using platform::kErrorInvalidHandle;
using platform::kErrorMoreData;
using platform::kErrorSuccess;
using platform::kLocalMachine;
using platform::RegKey;

namespace {

constexpr std::string_view classesPath = "Software\\Classes";

std::vector<std::string> splitPath(std::string_view path) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= path.size()) {
        const size_t end = std::min(path.find('\\', start), path.size());
        if (end > start) parts.emplace_back(path.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

std::string joinPath(std::string_view a, std::string_view b) {
    std::string joined(a);
    if (!b.empty()) {
        joined += '\\';
        joined += b;
    }
    return joined;
}

}  // namespace

bool CaseInsensitiveLess::operator()(std::string_view a, std::string_view b) const {
    return std::lexicographical_compare(
        a.begin(), a.end(), b.begin(), b.end(),
        [](unsigned char x, unsigned char y) { return std::toupper(x) < std::toupper(y); });
}

MemoryRegistry::MemoryRegistry()
    : currentUser_(std::make_unique<Node>()), localMachine_(std::make_unique<Node>()) {}

MemoryRegistry::~MemoryRegistry() = default;
MemoryRegistry::MemoryRegistry(MemoryRegistry&&) noexcept = default;
MemoryRegistry& MemoryRegistry::operator=(MemoryRegistry&&) noexcept = default;

MemoryRegistry::Node* MemoryRegistry::hiveNode(RegKey hive) const {
    if (hive == kCurrentUser) return currentUser_.get();
    if (hive == kLocalMachine) return localMachine_.get();
    return nullptr;
}

MemoryRegistry::Place MemoryRegistry::resolve(RegKey key) const {
    if (key == kCurrentUser || key == kLocalMachine) return {hiveNode(key), key};
    if (key == kClassesRoot) return find(kClassesRoot, "");
    const auto it = handles_.find(key);
    return it == handles_.end() ? Place{} : it->second;
}

// HKEY_CLASSES_ROOT reads the per-user key where there is one, else the machine's.
MemoryRegistry::Place MemoryRegistry::find(RegKey root, std::string_view path) const {
    if (root == kClassesRoot) {
        const std::string full = joinPath(classesPath, path);
        const Place user = find(kCurrentUser, full);
        return user.node ? user : find(kLocalMachine, full);
    }
    Place place = resolve(root);
    for (const std::string& part : splitPath(path)) {
        if (!place.node) return {};
        const auto it = place.node->children.find(part);
        place.node = it == place.node->children.end() ? nullptr : it->second.get();
    }
    return place.node ? place : Place{};
}

// HKEY_CLASSES_ROOT writes to the per-user key where there is one; a key that
// does not exist yet is made in the machine's classes.
MemoryRegistry::Place MemoryRegistry::findOrCreate(RegKey root, std::string_view path) {
    if (root == kClassesRoot) {
        const std::string full = joinPath(classesPath, path);
        const Place user = find(kCurrentUser, full);
        return user.node ? user : findOrCreate(kLocalMachine, full);
    }
    Place place = resolve(root);
    for (const std::string& part : splitPath(path)) {
        if (!place.node) return {};
        auto& child = place.node->children[part];
        if (!child) child = std::make_unique<Node>();
        place.node = child.get();
    }
    return place;
}

RegKey MemoryRegistry::newHandle(Place place) {
    const RegKey handle = nextHandle_;
    nextHandle_ += 4;
    handles_[handle] = place;
    return handle;
}

bool MemoryRegistry::refusesWrite(RegKey hive) const {
    return readOnly_ || (machineReadOnly_ && hive == kLocalMachine);
}

long MemoryRegistry::openKey(RegKey root, std::string_view subKey, RegKey& result) {
    result = 0;
    if (!resolve(root).node && root != kClassesRoot) return kErrorInvalidHandle;
    const Place place = find(root, subKey);
    if (!place.node) return kErrorFileNotFound;
    result = newHandle(place);
    return kErrorSuccess;
}

long MemoryRegistry::createKey(RegKey root, std::string_view subKey, RegKey& result) {
    // RegCreateKeyA asks for the most access allowed: a user without write
    // access still opens an existing key, and then cannot write to it.
    const Place existing = find(root, subKey);
    if (existing.node && refusesWrite(existing.hive)) {
        ++writeCalls_;
        return openKey(root, subKey, result);
    }
    return createKeyEx(root, subKey, platform::kRegOptionNonVolatile, platform::kKeyAllAccess,
                       result);
}

long MemoryRegistry::createKeyEx(RegKey root, std::string_view subKey, uint32_t /*options*/,
                                 uint32_t /*access*/, RegKey& result) {
    ++writeCalls_;
    result = 0;
    if (!resolve(root).node && root != kClassesRoot) return kErrorInvalidHandle;
    // Creating, or opening for writing, is refused where the user may not write.
    RegKey hive = resolve(root).hive;
    if (root == kClassesRoot)
        hive =
            find(kCurrentUser, joinPath(classesPath, subKey)).node ? kCurrentUser : kLocalMachine;
    if (refusesWrite(hive)) return kErrorAccessDenied;
    result = newHandle(findOrCreate(root, subKey));
    return kErrorSuccess;
}

long MemoryRegistry::queryValue(RegKey key, std::string_view valueName, uint32_t& type,
                                uint8_t* data, uint32_t& size) {
    Node* node = resolve(key).node;
    if (!node) return kErrorInvalidHandle;
    const auto it = node->values.find(valueName);
    if (it == node->values.end()) return kErrorFileNotFound;
    const Value& stored = it->second;
    const auto storedSize = static_cast<uint32_t>(stored.data.size());
    type = stored.type;
    if (!data) {
        size = storedSize;
        return kErrorSuccess;
    }
    if (size < storedSize) {
        size = storedSize;
        return kErrorMoreData;
    }
    std::copy(stored.data.begin(), stored.data.end(), data);
    size = storedSize;
    return kErrorSuccess;
}

long MemoryRegistry::setValue(RegKey key, std::string_view valueName, uint32_t type,
                              const uint8_t* data, uint32_t size) {
    ++writeCalls_;
    const Place place = resolve(key);
    if (!place.node) return kErrorInvalidHandle;
    if (refusesWrite(place.hive)) return kErrorAccessDenied;
    Value& stored = place.node->values[std::string(valueName)];
    stored.type = type;
    stored.data.assign(data, data + size);
    return kErrorSuccess;
}

long MemoryRegistry::deleteKey(RegKey root, std::string_view subKey) {
    return removeKey(root, subKey, false);
}

long MemoryRegistry::deleteTree(RegKey root, std::string_view subKey) {
    return removeKey(root, subKey, true);
}

long MemoryRegistry::removeKey(RegKey root, std::string_view subKey, bool withSubkeys) {
    ++writeCalls_;
    const std::vector<std::string> parts = splitPath(subKey);
    if (parts.empty()) return kErrorAccessDenied;
    const Place place = find(root, subKey);
    if (!place.node) return kErrorFileNotFound;
    if (refusesWrite(place.hive)) return kErrorAccessDenied;
    // As on the NT family: RegDeleteKey refuses a key that still has subkeys.
    if (!withSubkeys && !place.node->children.empty()) return kErrorAccessDenied;

    std::string parentPath;
    for (size_t i = 0; i + 1 < parts.size(); ++i)
        parentPath = parentPath.empty() ? parts[i] : parentPath + "\\" + parts[i];
    // Through the classes root the key is deleted in the hive it was found in.
    const Place parent = root == kClassesRoot ? find(place.hive, joinPath(classesPath, parentPath))
                                              : find(root, parentPath);
    if (!parent.node) return kErrorFileNotFound;

    // Handles to the deleted keys go with them.
    std::vector<const Node*> removed{place.node};
    for (size_t i = 0; i < removed.size(); ++i) {
        for (const auto& child : removed[i]->children) removed.push_back(child.second.get());
    }
    for (auto it = handles_.begin(); it != handles_.end();) {
        const bool gone =
            std::find(removed.begin(), removed.end(), it->second.node) != removed.end();
        it = gone ? handles_.erase(it) : std::next(it);
    }
    parent.node->children.erase(parts.back());
    return kErrorSuccess;
}

long MemoryRegistry::deleteValue(RegKey key, std::string_view valueName) {
    ++writeCalls_;
    const Place place = resolve(key);
    if (!place.node) return kErrorInvalidHandle;
    if (refusesWrite(place.hive)) return kErrorAccessDenied;
    const auto it = place.node->values.find(valueName);
    if (it == place.node->values.end()) return kErrorFileNotFound;
    place.node->values.erase(it);
    return kErrorSuccess;
}

long MemoryRegistry::closeKey(RegKey key) {
    if (key == kClassesRoot || key == kCurrentUser || key == kLocalMachine) return kErrorSuccess;
    return handles_.erase(key) ? kErrorSuccess : kErrorInvalidHandle;
}

void MemoryRegistry::putValue(RegKey root, std::string_view path, std::string_view name,
                              uint32_t type, std::vector<uint8_t> data) {
    findOrCreate(root, path).node->values[std::string(name)] = Value{type, std::move(data)};
}

void MemoryRegistry::putString(RegKey root, std::string_view path, std::string_view name,
                               std::string_view text, bool withNul) {
    std::vector<uint8_t> bytes(text.begin(), text.end());
    if (withNul) bytes.push_back(0);
    putValue(root, path, name, platform::kRegSz, std::move(bytes));
}

bool MemoryRegistry::keyExists(RegKey root, std::string_view path) const {
    return find(root, path).node != nullptr;
}

std::optional<MemoryRegistry::Value> MemoryRegistry::value(RegKey root, std::string_view path,
                                                           std::string_view name) const {
    const Node* node = find(root, path).node;
    if (!node) return std::nullopt;
    const auto it = node->values.find(name);
    if (it == node->values.end()) return std::nullopt;
    return it->second;
}

}  // namespace testsupport

namespace testsupport {

std::vector<MemoryRegistry::Entry> MemoryRegistry::allValues() const {
    std::vector<Entry> entries;
    struct Walk {
        std::vector<Entry>& out;
        RegKey hive;
        void operator()(const Node& node, const std::string& path) const {
            for (const auto& [name, value] : node.values) {
                const auto nul = std::find(value.data.begin(), value.data.end(), uint8_t{0});
                out.push_back({hive, path, name, std::string(value.data.begin(), nul)});
            }
            for (const auto& [name, child] : node.children)
                (*this)(*child, path.empty() ? name : path + "\\" + name);
        }
    };
    Walk{entries, kCurrentUser}(*currentUser_, "");
    Walk{entries, kLocalMachine}(*localMachine_, "");
    return entries;
}

}  // namespace testsupport
