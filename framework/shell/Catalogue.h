#pragma once
// The catalogue of demonstrations shown by the selection window: a tree whose root holds
// the chapters; a chapter holds leaves and sub-chapters. A leaf's text is its caption, "#"
// and the demonstration's name ("阿克曼函数#Ackman"); a chapter's text has no "#".
// The tree is a compiled-in resource, one item a line, a tab per level below the root.
#include <QString>
#include <memory>
#include <vector>

class TCatalogueNode {
 public:
  explicit TCatalogueNode(QString text, TCatalogueNode* parent = nullptr)
      : Text(std::move(text)), Parent(parent) {}

  QString Text;
  TCatalogueNode* Parent = nullptr;
  std::vector<std::unique_ptr<TCatalogueNode>> Children;

  bool IsLeaf() const { return Text.contains('#'); }
  bool HasChildren() const { return !Children.empty(); }
  int Count() const { return static_cast<int>(Children.size()); }
  TCatalogueNode* Child(int i) const {
    return i >= 0 && i < Count() ? Children[static_cast<size_t>(i)].get() : nullptr;
  }
  // The text before "#" for a leaf, the whole text otherwise.
  QString Caption() const;
  // The demonstration's name after "#"; empty for a chapter.
  QString DemoName() const;
  // Depth below the root (the root is 0, a chapter 1).
  int Level() const;
  // Position among the parent's children; -1 for the root.
  int Index() const;
  // The chapter (child of the root) this node lies under, the node itself for a chapter;
  // nullptr for the root.
  const TCatalogueNode* Chapter() const;
};

class TCatalogue {
 public:
  // Reads the tree from its text form; throws std::runtime_error naming the line when an
  // item is indented deeper than one level below the item before it, or there is no root.
  static TCatalogue Parse(const QString& text);
  // The program's catalogue, from the resource ":/catalogue/AlgoTree.txt".
  static TCatalogue Load();

  TCatalogueNode* Root() const { return root_.get(); }
  // The leaf whose name equals name (letter case ignored), or nullptr.
  TCatalogueNode* FindLeaf(const QString& name) const;
  // Every leaf, in the tree's order.
  std::vector<TCatalogueNode*> Leaves() const;
  // The nodes from the root down to node, both included.
  static std::vector<TCatalogueNode*> PathTo(TCatalogueNode* node);

 private:
  std::unique_ptr<TCatalogueNode> root_;
};
