#pragma once
// Data-driven styles: a style book is a set of named styles, each a set of
// values (colours "#AARRGGBB", numbers, texts). A style may name a parent
// whose values it inherits.
#include <map>
#include <memory>
#include <optional>
#include <string>

#include <nlohmann/json.hpp>

#include "ui/Types.h"

namespace ui {

class TStyleBook {
 public:
  // Throws std::runtime_error on a malformed book or a parent cycle.
  static std::shared_ptr<TStyleBook> FromJson(const nlohmann::json& book);

  const std::u16string& Name() const { return name_; }
  bool HasStyle(const std::string& style) const { return styles_.contains(style); }
  std::size_t StyleCount() const { return styles_.size(); }

  std::optional<TAlphaColor> Color(const std::string& style, const std::string& key) const;
  std::optional<float> Number(const std::string& style, const std::string& key) const;
  std::optional<std::u16string> Text(const std::string& style, const std::string& key) const;

  // Style books loaded so far, by name (forms refer to them by name).
  static void Register(std::shared_ptr<TStyleBook> book);
  static std::shared_ptr<TStyleBook> Find(const std::u16string& name);

 private:
  const nlohmann::json* Lookup(const std::string& style, const std::string& key) const;

  std::u16string name_;
  std::map<std::string, nlohmann::json> styles_;
};

}  // namespace ui
