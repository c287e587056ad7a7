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

MemoryRegistry::Node* MemoryRegistry::resolveRoot(RegKey key) const {
    if (key == kCurrentUser) return currentUser_.get();
    if (key == kLocalMachine) return localMachine_.get();
    const auto it = handles_.find(key);
    return it == handles_.end() ? nullptr : it->second;
}

// HKEY_CLASSES_ROOT: a read finds the per-user key first; a write goes to the
// per-user key where only it exists, else to the machine's.
MemoryRegistry::Node* MemoryRegistry::classesRootNode(std::string_view path, bool forWrite) const {
    const std::string full = joinPath(classesPath, path);
    Node* user = find(kCurrentUser, full);
    Node* machine = find(kLocalMachine, full);
    if (!forWrite) return user ? user : machine;
    if (user && !machine) return user;
    return machine;
}

MemoryRegistry::Node* MemoryRegistry::find(RegKey root, std::string_view path) const {
    if (root == kClassesRoot) return classesRootNode(path, false);
    Node* node = resolveRoot(root);
    for (const std::string& part : splitPath(path)) {
        if (!node) return nullptr;
        const auto it = node->children.find(part);
        node = it == node->children.end() ? nullptr : it->second.get();
    }
    return node;
}

MemoryRegistry::Node* MemoryRegistry::findOrCreate(RegKey root, std::string_view path) {
    if (root == kClassesRoot) {
        // Create below the hive that holds the deepest existing level.
        const std::vector<std::string> parts = splitPath(path);
        for (size_t depth = parts.size() + 1; depth-- > 0;) {
            std::string prefix;
            for (size_t i = 0; i < depth; ++i)
                prefix = prefix.empty() ? parts[i] : prefix + "\\" + parts[i];
            const std::string full = joinPath(classesPath, prefix);
            const bool inUser = find(kCurrentUser, full) != nullptr;
            const bool inMachine = find(kLocalMachine, full) != nullptr;
            if (inUser || inMachine || depth == 0) {
                const RegKey hive = (inUser && !inMachine) ? kCurrentUser : kLocalMachine;
                return findOrCreate(hive, joinPath(classesPath, path));
            }
        }
    }
    Node* node = resolveRoot(root);
    for (const std::string& part : splitPath(path)) {
        if (!node) return nullptr;
        auto& child = node->children[part];
        if (!child) child = std::make_unique<Node>();
        node = child.get();
    }
    return node;
}

RegKey MemoryRegistry::newHandle(Node* node) {
    const RegKey handle = nextHandle_;
    nextHandle_ += 4;
    handles_[handle] = node;
    return handle;
}

long MemoryRegistry::openKey(RegKey root, std::string_view subKey, RegKey& result) {
    result = 0;
    if (root != kClassesRoot && !resolveRoot(root)) return kErrorInvalidHandle;
    Node* node = find(root, subKey);
    if (!node) return kErrorFileNotFound;
    result = newHandle(node);
    return kErrorSuccess;
}

long MemoryRegistry::createKey(RegKey root, std::string_view subKey, RegKey& result) {
    // RegCreateKeyA asks for the most access allowed: a user without write
    // access still opens an existing key, and then cannot write to it.
    if (readOnly_ && find(root, subKey)) {
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
    if (root != kClassesRoot && !resolveRoot(root)) return kErrorInvalidHandle;
    // Creating, or opening for writing, is refused to a user without write access.
    if (readOnly_) return kErrorAccessDenied;
    result = newHandle(findOrCreate(root, subKey));
    return kErrorSuccess;
}

long MemoryRegistry::queryValue(RegKey key, std::string_view valueName, uint32_t& type,
                                uint8_t* data, uint32_t& size) {
    Node* node = resolveRoot(key);
    if (key == kClassesRoot) node = find(kClassesRoot, "");
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
    Node* node = resolveRoot(key);
    if (!node) return kErrorInvalidHandle;
    if (readOnly_) return kErrorAccessDenied;
    Value& stored = node->values[std::string(valueName)];
    stored.type = type;
    stored.data.assign(data, data + size);
    return kErrorSuccess;
}

long MemoryRegistry::deleteKey(RegKey root, std::string_view subKey) {
    ++writeCalls_;
    const std::vector<std::string> parts = splitPath(subKey);
    if (parts.empty()) return kErrorAccessDenied;
    Node* node = find(root, subKey);
    if (!node) return kErrorFileNotFound;
    // As on the NT family: a key that still has subkeys is refused.
    if (readOnly_ || !node->children.empty()) return kErrorAccessDenied;

    std::string parentPath;
    for (size_t i = 0; i + 1 < parts.size(); ++i) parentPath = joinPath(parentPath, parts[i]);
    if (!parentPath.empty() && parentPath.front() == '\\') parentPath.erase(0, 1);
    Node* parent = nullptr;
    if (root == kClassesRoot) {
        // Delete in the hive the merged view found the key in.
        const std::string full = joinPath(classesPath, subKey);
        const RegKey hive = find(kCurrentUser, full) == node ? kCurrentUser : kLocalMachine;
        parent = find(hive, joinPath(classesPath, parentPath));
    } else {
        parent = find(root, parentPath);
    }
    if (!parent) return kErrorFileNotFound;
    for (auto it = handles_.begin(); it != handles_.end();) {
        it = it->second == node ? handles_.erase(it) : std::next(it);
    }
    parent->children.erase(parts.back());
    return kErrorSuccess;
}

long MemoryRegistry::deleteValue(RegKey key, std::string_view valueName) {
    ++writeCalls_;
    Node* node = resolveRoot(key);
    if (!node) return kErrorInvalidHandle;
    if (readOnly_) return kErrorAccessDenied;
    const auto it = node->values.find(valueName);
    if (it == node->values.end()) return kErrorFileNotFound;
    node->values.erase(it);
    return kErrorSuccess;
}

long MemoryRegistry::closeKey(RegKey key) {
    if (key == kClassesRoot || key == kCurrentUser || key == kLocalMachine) return kErrorSuccess;
    return handles_.erase(key) ? kErrorSuccess : kErrorInvalidHandle;
}

void MemoryRegistry::putValue(RegKey root, std::string_view path, std::string_view name,
                              uint32_t type, std::vector<uint8_t> data) {
    Node* node = findOrCreate(root, path);
    node->values[std::string(name)] = Value{type, std::move(data)};
}

void MemoryRegistry::putString(RegKey root, std::string_view path, std::string_view name,
                               std::string_view text, bool withNul) {
    std::vector<uint8_t> bytes(text.begin(), text.end());
    if (withNul) bytes.push_back(0);
    putValue(root, path, name, platform::kRegSz, std::move(bytes));
}

bool MemoryRegistry::keyExists(RegKey root, std::string_view path) const {
    return find(root, path) != nullptr;
}

std::optional<MemoryRegistry::Value> MemoryRegistry::value(RegKey root, std::string_view path,
                                                           std::string_view name) const {
    const Node* node = find(root, path);
    if (!node) return std::nullopt;
    const auto it = node->values.find(name);
    if (it == node->values.end()) return std::nullopt;
    return it->second;
}

}  // namespace testsupport
