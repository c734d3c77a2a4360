#include "ui/StyleBook.h"

#include <set>
#include <stdexcept>

#include "ui/Color.h"
#include "ui/Text.h"

namespace ui {
namespace {

constexpr const char* kParentKey = "parent";

std::map<std::u16string, std::shared_ptr<TStyleBook>>& Registry() {
  static std::map<std::u16string, std::shared_ptr<TStyleBook>> books;
  return books;
}

}  // namespace

std::shared_ptr<TStyleBook> TStyleBook::FromJson(const nlohmann::json& book) {
  auto out = std::make_shared<TStyleBook>();
  out->name_ = FromUtf8(book.at("name").get<std::string>());
  const auto& styles = book.at("styles");
  if (!styles.is_object()) throw std::runtime_error("style book: styles must be an object");
  for (const auto& [name, values] : styles.items()) {
    if (!values.is_object()) throw std::runtime_error("style book: style " + name + " must be an object");
    out->styles_[name] = values;
  }
  for (const auto& [name, values] : out->styles_) {
    std::set<std::string> seen{name};
    const nlohmann::json* style = &values;
    while (style->contains(kParentKey)) {
      const std::string parent = style->at(kParentKey).get<std::string>();
      if (!out->styles_.contains(parent)) throw std::runtime_error("style book: unknown parent " + parent);
      if (!seen.insert(parent).second) throw std::runtime_error("style book: parent cycle at " + name);
      style = &out->styles_.at(parent);
    }
  }
  return out;
}

const nlohmann::json* TStyleBook::Lookup(const std::string& style, const std::string& key) const {
  for (auto s = styles_.find(style); s != styles_.end();) {
    if (auto v = s->second.find(key); v != s->second.end()) return &*v;
    auto p = s->second.find(kParentKey);
    if (p == s->second.end()) break;
    s = styles_.find(p->get<std::string>());
  }
  return nullptr;
}

std::optional<TAlphaColor> TStyleBook::Color(const std::string& style, const std::string& key) const {
  const auto* v = Lookup(style, key);
  if (!v || !v->is_string()) return std::nullopt;
  return ParseColor(v->get<std::string>());
}

std::optional<float> TStyleBook::Number(const std::string& style, const std::string& key) const {
  const auto* v = Lookup(style, key);
  if (!v || !v->is_number()) return std::nullopt;
  return v->get<float>();
}

std::optional<std::u16string> TStyleBook::Text(const std::string& style, const std::string& key) const {
  const auto* v = Lookup(style, key);
  if (!v || !v->is_string()) return std::nullopt;
  return FromUtf8(v->get<std::string>());
}

void TStyleBook::Register(std::shared_ptr<TStyleBook> book) { Registry()[book->Name()] = std::move(book); }

std::shared_ptr<TStyleBook> TStyleBook::Find(const std::u16string& name) {
  auto found = Registry().find(name);
  return found == Registry().end() ? nullptr : found->second;
}

}  // namespace ui
