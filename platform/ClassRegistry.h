#pragma once
// Classes registered by name and created by name, letter case ignored, each checked to
// derive from the registry's base. Registration is an explicit call (a list per folder),
// never a static initializer that a static-library link could drop.
#include <QMetaObject>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <vector>

template <class Base, class... Args>
class ClassRegistry {
 public:
  using Factory = std::function<std::unique_ptr<Base>(Args...)>;
  struct Entry {
    const QMetaObject* meta = nullptr;
    Factory create;
  };

  // Registers T under its class name; a second registration of the name replaces the first.
  template <class T>
  void Register() {
    static_assert(std::is_base_of_v<Base, T>);
    Register(T::staticMetaObject, [](Args... args) -> std::unique_ptr<Base> {
      return std::make_unique<T>(std::forward<Args>(args)...);
    });
  }

  void Register(const QMetaObject& meta, Factory create) {
    entries_[Key(QString::fromLatin1(meta.className()))] = Entry{&meta, std::move(create)};
  }

  // The class named so (letter case ignored) that derives from Base, or nullptr.
  const Entry* Find(const QString& className) const {
    auto it = entries_.find(Key(className));
    if (it == entries_.end()) return nullptr;
    if (!it->second.meta->inherits(&Base::staticMetaObject)) return nullptr;
    return &it->second;
  }

  std::unique_ptr<Base> Create(const QString& className, Args... args) const {
    const Entry* e = Find(className);
    return e ? e->create(std::forward<Args>(args)...) : nullptr;
  }

  std::size_t size() const { return entries_.size(); }

  // Every registered class, in the order of their names (letter case ignored).
  std::vector<const QMetaObject*> Classes() const {
    std::vector<const QMetaObject*> classes;
    for (const auto& [key, entry] : entries_) classes.push_back(entry.meta);
    return classes;
  }

 private:
  static QString Key(const QString& name) { return name.toLower(); }
  std::map<QString, Entry> entries_;
};
