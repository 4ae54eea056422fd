#include "framework/shell/Catalogue.h"

#include <QFile>
#include <functional>
#include <stdexcept>

QString TCatalogueNode::Caption() const {
  const qsizetype hash = Text.indexOf('#');
  return hash < 0 ? Text : Text.left(hash);
}

QString TCatalogueNode::DemoName() const {
  const qsizetype hash = Text.indexOf('#');
  return hash < 0 ? QString() : Text.mid(hash + 1);
}

int TCatalogueNode::Level() const {
  int level = 0;
  for (const TCatalogueNode* n = Parent; n; n = n->Parent) ++level;
  return level;
}

int TCatalogueNode::Index() const {
  if (!Parent) return -1;
  for (int i = 0; i < Parent->Count(); ++i)
    if (Parent->Child(i) == this) return i;
  return -1;
}

const TCatalogueNode* TCatalogueNode::Chapter() const {
  if (!Parent) return nullptr;
  const TCatalogueNode* n = this;
  while (n->Parent && n->Parent->Parent) n = n->Parent;
  return n;
}

TCatalogue TCatalogue::Parse(const QString& text) {
  TCatalogue catalogue;
  std::vector<TCatalogueNode*> open;  // open[d]: the last item seen at depth d
  const QStringList lines = text.split('\n');
  for (qsizetype i = 0; i < lines.size(); ++i) {
    QString line = lines[i];
    if (line.endsWith('\r')) line.chop(1);
    if (line.trimmed().isEmpty() || line.startsWith('#')) continue;
    int depth = 0;
    while (depth < line.size() && line[depth] == '\t') ++depth;
    const QString itemText = line.mid(depth).trimmed();
    const auto fail = [&](const char* why) {
      throw std::runtime_error(QStringLiteral("catalogue line %1: %2")
                                   .arg(i + 1)
                                   .arg(QString::fromLatin1(why))
                                   .toStdString());
    };
    if (depth == 0) {
      if (catalogue.root_) fail("a second root");
      catalogue.root_ = std::make_unique<TCatalogueNode>(itemText);
      open.assign(1, catalogue.root_.get());
      continue;
    }
    if (!catalogue.root_) fail("item before the root");
    if (static_cast<size_t>(depth) > open.size()) fail("indented too deep");
    TCatalogueNode* parent = open[static_cast<size_t>(depth - 1)];
    if (parent->IsLeaf()) fail("item below a leaf");
    parent->Children.push_back(std::make_unique<TCatalogueNode>(itemText, parent));
    open.resize(static_cast<size_t>(depth));
    open.push_back(parent->Children.back().get());
  }
  if (!catalogue.root_) throw std::runtime_error("catalogue: empty");
  return catalogue;
}

TCatalogue TCatalogue::Load() {
  QFile file(QStringLiteral(":/catalogue/AlgoTree.txt"));
  if (!file.open(QIODevice::ReadOnly))
    throw std::runtime_error("catalogue resource :/catalogue/AlgoTree.txt missing");
  return Parse(QString::fromUtf8(file.readAll()));
}

std::vector<TCatalogueNode*> TCatalogue::Leaves() const {
  std::vector<TCatalogueNode*> leaves;
  const std::function<void(TCatalogueNode*)> walk = [&](TCatalogueNode* n) {
    if (n->IsLeaf()) leaves.push_back(n);
    for (const auto& c : n->Children) walk(c.get());
  };
  walk(root_.get());
  return leaves;
}

TCatalogueNode* TCatalogue::FindLeaf(const QString& name) const {
  for (TCatalogueNode* leaf : Leaves())
    if (leaf->DemoName().compare(name, Qt::CaseInsensitive) == 0) return leaf;
  return nullptr;
}

std::vector<TCatalogueNode*> TCatalogue::PathTo(TCatalogueNode* node) {
  std::vector<TCatalogueNode*> path;
  for (TCatalogueNode* n = node; n; n = n->Parent) path.insert(path.begin(), n);
  return path;
}
