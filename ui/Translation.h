#pragma once
// The application's translation dictionary and the translation component that
// fills it. A text is translated only when an entry's source equals the whole
// text exactly (case-sensitive); every other text is shown as it is.
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <nlohmann/json_fwd.hpp>

namespace ui {

using TTranslationDictionary = std::map<std::u16string, std::u16string>;

// Replaces the dictionary and tells every listener (open windows repaint).
void SetTranslationDictionary(TTranslationDictionary dictionary);
const std::u16string& Translate(const std::u16string& text);

// The translation component of a layout: source texts, then per language its
// entries in order.
class TLang {
 public:
  using Entries = std::vector<std::pair<std::u16string, std::u16string>>;

  // Throws std::runtime_error on a malformed table.
  static TLang FromJson(const nlohmann::json& table);

  const std::vector<std::u16string>& Sources() const { return sources_; }
  const std::map<std::u16string, Entries>& Languages() const { return languages_; }
  const std::u16string& DesignLanguage() const { return designLanguage_; }

  // The language comes from the locale service, or is the design language
  // when there is none. Only a language with entries is installed.
  std::u16string SelectedLanguage() const;
  void Activate() const;

 private:
  std::vector<std::u16string> sources_;
  std::map<std::u16string, Entries> languages_;
  std::u16string designLanguage_;
  bool autoSelect_ = true;
};

}  // namespace ui
