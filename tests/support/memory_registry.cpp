#include "memory_registry.h"

#include <sstream>
#include <vector>

namespace kadrex::test {

namespace {

std::vector<std::string> Parts(const std::string& path) {
  std::vector<std::string> parts;
  std::stringstream stream(path);
  for (std::string part; std::getline(stream, part, '\\');) {
    if (!part.empty()) parts.push_back(part);
  }
  return parts;
}

void Collect(const MemoryRegistry::Node& node, const std::string& prefix,
             std::set<std::string>& paths) {
  for (const auto& [name, child] : node.subKeys) {
    paths.insert(prefix + name);
    Collect(*child, prefix + name + "\\", paths);
  }
}

}  // namespace

MemoryRegistry::Node* MemoryRegistry::Resolve(Key key) {
  if (key == kClassesRoot) return &root;
  const auto found = handles_.find(key);
  return found == handles_.end() ? nullptr : found->second;
}

Registry::Key MemoryRegistry::Hand(Node* node) {
  handles_[nextKey_] = node;
  ++openKeys;
  return nextKey_++;
}

bool MemoryRegistry::CreateKey(Key parent, const std::string& path) {
  Node* node = Resolve(parent);
  if (node == nullptr || Parts(path).empty()) return false;
  for (const std::string& part : Parts(path)) {
    std::unique_ptr<Node>& child = node->subKeys[part];
    if (!child) child = std::make_unique<Node>();
    node = child.get();
  }
  return true;
}

Registry::Key MemoryRegistry::OpenKey(Key parent, const std::string& path, Access) {
  Node* node = Resolve(parent);
  for (const std::string& part : Parts(path)) {
    if (node == nullptr) break;
    const auto found = node->subKeys.find(part);
    node = found == node->subKeys.end() ? nullptr : found->second.get();
  }
  return node == nullptr ? kNoKey : Hand(node);
}

void MemoryRegistry::CloseKey(Key key) {
  if (handles_.erase(key) != 0) --openKeys;
}

bool MemoryRegistry::SetDefaultValue(Key key, const std::string& text) {
  Node* node = Resolve(key);
  if (node == nullptr) return false;
  node->defaultValue = text;
  node->hasDefaultValue = true;
  return true;
}

Registry::Listing MemoryRegistry::SubKeyName(Key key, std::uint32_t index, std::string& name) {
  Node* node = Resolve(key);
  if (node == nullptr) return Listing::Failed;
  if (index >= node->subKeys.size()) return Listing::NoMoreItems;
  name = std::next(node->subKeys.begin(), index)->first;
  return Listing::Found;
}

bool MemoryRegistry::DeleteKey(Key parent, const std::string& name) {
  Node* node = Resolve(parent);
  const std::vector<std::string> parts = Parts(name);
  for (std::size_t i = 0; node != nullptr && i + 1 < parts.size(); ++i) {
    const auto found = node->subKeys.find(parts[i]);
    node = found == node->subKeys.end() ? nullptr : found->second.get();
  }
  if (node == nullptr || parts.empty()) return false;
  const auto found = node->subKeys.find(parts.back());
  if (found == node->subKeys.end() || found->second->undeletable ||
      !found->second->subKeys.empty()) {
    return false;
  }
  for (auto handle = handles_.begin(); handle != handles_.end(); ++handle) {
    if (handle->second == found->second.get()) handle->second = nullptr;
  }
  node->subKeys.erase(found);
  return true;
}

MemoryRegistry::Node* MemoryRegistry::Find(const std::string& path) {
  Node* node = &root;
  for (const std::string& part : Parts(path)) {
    const auto found = node->subKeys.find(part);
    if (found == node->subKeys.end()) return nullptr;
    node = found->second.get();
  }
  return node;
}

std::set<std::string> MemoryRegistry::AllPaths() const {
  std::set<std::string> paths;
  Collect(root, "", paths);
  return paths;
}

}  // namespace kadrex::test
