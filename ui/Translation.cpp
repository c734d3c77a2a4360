#include "ui/Translation.h"

#include <nlohmann/json.hpp>
#include <stdexcept>

#include "ui/LocaleService.h"
#include "ui/MessageManager.h"
#include "ui/PlatformServices.h"
#include "ui/Text.h"

namespace ui {
namespace {

TTranslationDictionary& Dictionary() {
  static TTranslationDictionary dictionary;
  return dictionary;
}

std::u16string TextOf(const nlohmann::json& j) {
  if (!j.is_string()) throw std::runtime_error("translation table: text expected");
  return FromUtf8(j.get<std::string>());
}

}  // namespace

void SetTranslationDictionary(TTranslationDictionary dictionary) {
  Dictionary() = std::move(dictionary);
  TMessageManager::DefaultManager().SendMessage(nullptr, TTranslationChanged{});
}

const std::u16string& Translate(const std::u16string& text) {
  const auto& d = Dictionary();
  auto found = d.find(text);
  return found == d.end() ? text : found->second;
}

TLang TLang::FromJson(const nlohmann::json& table) {
  if (!table.is_object()) throw std::runtime_error("translation table: object expected");
  TLang lang;
  lang.designLanguage_ = TextOf(table.at("designLanguage"));
  lang.autoSelect_ = table.value("autoSelect", true);
  for (const auto& s : table.at("sources")) lang.sources_.push_back(TextOf(s));
  for (const auto& [name, entries] : table.at("languages").items()) {
    Entries list;
    for (const auto& e : entries) {
      if (!e.is_array() || e.size() != 2) throw std::runtime_error("translation table: pair expected");
      list.emplace_back(TextOf(e[0]), TextOf(e[1]));
    }
    lang.languages_[FromUtf8(name)] = std::move(list);
  }
  return lang;
}

std::u16string TLang::SelectedLanguage() const {
  if (autoSelect_) {
    if (auto locale = PlatformServices::Current().Get<ILocaleService>()) return locale->GetCurrentLangID();
  }
  return designLanguage_;
}

void TLang::Activate() const {
  auto found = languages_.find(SelectedLanguage());
  if (found == languages_.end()) return;
  TTranslationDictionary dictionary;
  for (const auto& [source, translation] : found->second) dictionary.insert_or_assign(source, translation);
  SetTranslationDictionary(std::move(dictionary));
}

}  // namespace ui
