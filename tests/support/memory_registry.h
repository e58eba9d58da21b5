#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>

#include "platform/registry.h"

namespace kadrex::test {

// A registry held in memory: a tree of keys under HKEY_CLASSES_ROOT, each with an
// optional default value. Keys can be marked so that they refuse to be deleted.
class MemoryRegistry : public Registry {
 public:
  struct Node {
    std::map<std::string, std::unique_ptr<Node>> subKeys;  // listed in name order
    std::string defaultValue;
    bool hasDefaultValue = false;
    bool undeletable = false;
  };

  bool CreateKey(Key parent, const std::string& path) override;
  Key OpenKey(Key parent, const std::string& path, Access access) override;
  void CloseKey(Key key) override;
  bool SetDefaultValue(Key key, const std::string& text) override;
  Listing SubKeyName(Key key, std::uint32_t index, std::string& name) override;
  bool DeleteKey(Key parent, const std::string& name) override;

  // The node at a path under the root, or nullptr.
  Node* Find(const std::string& path);
  // Every key path under the root, for comparing whole trees.
  std::set<std::string> AllPaths() const;

  Node root;
  int openKeys = 0;  // keys opened and not yet closed

 private:
  Node* Resolve(Key key);
  Key Hand(Node* node);

  std::map<Key, Node*> handles_;
  Key nextKey_ = kClassesRoot + 1;
};

}  // namespace kadrex::test
