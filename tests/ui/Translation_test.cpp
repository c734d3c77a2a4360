#include "ui/Translation.h"

#include <gtest/gtest.h>

#include "support/SourceResources.h"
#include "ui/Control.h"
#include "ui/LocaleService.h"
#include "ui/PlatformServices.h"

namespace {

class FakeLocale : public ui::ILocaleService {
 public:
  explicit FakeLocale(std::u16string id) : id_(std::move(id)) {}
  std::u16string GetCurrentLangID() override { return id_; }

 private:
  std::u16string id_;
};

// Each test starts with no dictionary and no locale service.
class Translation : public ::testing::Test {
 protected:
  void SetUp() override { Reset(); }
  void TearDown() override { Reset(); }
  static void Reset() {
    ui::PlatformServices::Current().Remove<ui::ILocaleService>();
    ui::SetTranslationDictionary({});
  }
  static void UseLocale(const char16_t* id) {
    ui::PlatformServices::Current().Remove<ui::ILocaleService>();
    ui::PlatformServices::Current().Add<ui::ILocaleService>(std::make_shared<FakeLocale>(id));
  }
  static ui::TLang MainTable() {
    return ui::TLang::FromJson(testsupport::SourceResourceJson(u"frmMain").at("lang"));
  }
};

TEST_F(Translation, MainTableHoldsTheSourcesAndJapaneseEntriesInOrder) {
  const ui::TLang lang = MainTable();
  EXPECT_EQ(lang.DesignLanguage(), u"ja");
  EXPECT_EQ(lang.Sources().size(), 20u);
  EXPECT_EQ(lang.Sources().front(), u"Register KRVL Scheme");
  ASSERT_EQ(lang.Languages().size(), 1u);
  const auto& ja = lang.Languages().at(u"ja");
  const std::vector<std::pair<std::u16string, std::u16string>> expected{
      {u"Register KORVALCOIN Scheme", u"KORVALCOIN スキームを登録"},
      {u"Unregister KORVALCOIN Scheme", u"KORVALCOIN スキームを削除"},
      {u"Create BIP21 URI...", u"BIP21 URI を生成..."},
      {u"Exit", u"終了"},
      {u"KORVALCOIN Address", u"KORVALCOIN アドレス"},
      {u"Amount", u"送金額"},
      {u"Label (Optional)", u"ラベル（省略可）"},
      {u"Message (Optional)", u"メッセージ（省略可）"},
      {u"Copy", u"コピー"},
      {u"Close", u"閉じる"},
      {u"Result", u"結果"},
      {u"Generate", u"生成"},
      {u"Copied", u"コピーしました"},
      {u"Amount with Currency (Optional)", u"KRVL 以外の通貨での送金額"},
      {u"AmountType (Optional)", u"送金に使う通貨"},
  };
  EXPECT_EQ(ja, expected);
}

TEST_F(Translation, JapaneseLocaleTranslatesWholeTextsExactlyAndCaseSensitively) {
  UseLocale(u"ja");
  MainTable().Activate();
  const struct {
    std::u16string text, shown;
  } cases[] = {
      {u"Amount", u"送金額"},
      {u"amount", u"amount"},
      {u"Amount ", u"Amount "},
      {u"Send Amount", u"Send Amount"},
      {u"Register KRVL Scheme", u"Register KRVL Scheme"},  // a source without an entry
      {u"Exit", u"終了"},
      {u"", u""},
  };
  for (const auto& c : cases) EXPECT_EQ(ui::Translate(c.text), c.shown);
}

TEST_F(Translation, AppliesToControlsCreatedLaterUnlessTheyOptOut) {
  UseLocale(u"ja");
  MainTable().Activate();
  ui::TLabel later;
  later.Text = u"Amount";
  EXPECT_EQ(later.DisplayText(), u"送金額");
  later.AutoTranslate = false;
  EXPECT_EQ(later.DisplayText(), u"Amount");
}

TEST_F(Translation, OtherLanguagesInstallNothing) {
  for (const char16_t* id : {u"de", u"en", u"JA", u""}) {
    UseLocale(id);
    MainTable().Activate();
    EXPECT_EQ(ui::Translate(u"Register KORVALCOIN Scheme"), u"Register KORVALCOIN Scheme");
  }
}

TEST_F(Translation, WithoutLocaleServiceTheDesignLanguageApplies) {
  MainTable().Activate();
  EXPECT_EQ(ui::Translate(u"Copy"), u"コピー");
}

TEST_F(Translation, MalformedTablesAreRejected) {
  const char* bad[] = {
      R"([])",
      R"({"designLanguage": "ja", "sources": [], "languages": {"ja": [["only source"]]}})",
      R"({"designLanguage": "ja", "sources": [1], "languages": {}})",
      R"({"sources": [], "languages": {}})",
  };
  for (const char* text : bad) {
    EXPECT_ANY_THROW(ui::TLang::FromJson(nlohmann::json::parse(text))) << text;
  }
}

}  // namespace
