#include "app/uMessages.h"

#include <gtest/gtest.h>

#include <memory>

#include "ui/LocaleService.h"
#include "ui/PlatformServices.h"
#include "ui/Text.h"

namespace {

class FakeLocale : public ui::ILocaleService {
 public:
  explicit FakeLocale(std::u16string id) : id_(std::move(id)) {}
  std::u16string GetCurrentLangID() override {
    ++asked;
    return id_;
  }
  int asked = 0;

 private:
  std::u16string id_;
};

// Installs a locale service for one test and removes it afterwards.
class WithLocale {
 public:
  explicit WithLocale(std::u16string id) : service(std::make_shared<FakeLocale>(std::move(id))) {
    ui::PlatformServices::Current().Add<ui::ILocaleService>(service);
  }
  ~WithLocale() { ui::PlatformServices::Current().Remove<ui::ILocaleService>(); }
  std::shared_ptr<FakeLocale> service;
};

struct Texts {
  app::TMessageId id;
  const char* japanese;  // UTF-8, as written in the catalogue's table
  const char* english;
};
const Texts kTexts[] = {
      {app::MSG_REGISTER_FAILED, "Scheme の登録に失敗しました",
       "Failed to register Scheme"},
      {app::MSG_UNREGISTER_FAILED, "Scheme の削除に失敗しました",
       "Failed to unregister Scheme"},
      {app::MSG_UNREGISTER_SUCCEEDED, "Scheme の削除に成功しました",
       "Successfully deleted Scheme"},
      {app::MSG_WALLET_NOT_RUNNING, "ウォレットが起動していません",
       "Wallet not running."},
      {app::MSG_WALLET_EXE_NOT_FOUND, "KORVALCOIN-qt.exe が見つかりません",
       "KORVALCOIN-qt.exe not found"},
      {app::MSG_ASK_REGISTER, "KORVAL Scheme が登録されていません！\r\nKORVAL Scheme を登録しますか？",
       "Register KORVAL custom protocol?"},
      {app::MSG_REGISTER_SUCCEEDED_ASK_RESTART, "Scheme の登録に成功しました\r\nコンピュータを再起動しますか？\r\n※再起動するまで有効になりません",
       "Successful registration of Scheme\r\nWould you like to restart now?"},
      {app::MSG_CONFIRM_SEND, "ウォレットに送金情報を設定します\r\nよろしいですか？",
       "Set up remittance information on Wallet\r\nAre you sure?"},
      {app::MSG_CONFIRM_SEND_CONVERTED, "ウォレットに送金情報を設定します\r\n\r\n送金金額: %s[KRVL]\r\n%s[%s] を 1[KRVL] = %.10f[%s] として換算\r\n※%s 時現在\r\n\r\nよろしいですか？",
       "Set up remittance information on Wallet\r\n\r\nAmount: %s[KRVL]\r\nConverted %s[%s] as 1[KRVL] = %.10f[%s]\r\n*LastUpdated %s\r\n\r\nAre you sure?"},
};

TEST(MessageCatalogue, HoldsEveryTextInBothLanguages) {
  {
    WithLocale japanese(u"ja");
    app::TMessageCatalogue ja;
    for (const auto& t : kTexts) EXPECT_EQ(ui::ToUtf8(ja.GetMessageText(t.id)), t.japanese) << t.id;
  }
  WithLocale english(u"en");
  app::TMessageCatalogue en;
  for (const auto& t : kTexts) EXPECT_EQ(ui::ToUtf8(en.GetMessageText(t.id)), t.english) << t.id;
}

TEST(MessageCatalogue, JapaneseOnlyForExactlyJa) {
  const std::pair<std::u16string, bool> cases[] = {
      {u"ja", true}, {u"JA", false}, {u"ja-JP", false}, {u"de", false}, {u"en", false}, {u"", false},
  };
  for (const auto& [id, japanese] : cases) {
    WithLocale locale(id);
    app::TMessageCatalogue catalogue;
    EXPECT_EQ(catalogue.GetMessageText(app::MSG_WALLET_NOT_RUNNING),
              japanese ? u"\u30A6\u30A9\u30EC\u30C3\u30C8\u304C\u8D77\u52D5\u3057\u3066\u3044\u307E\u305B\u3093"
                       : u"Wallet not running.");
  }
}

TEST(MessageCatalogue, DetectsOnceAndRetriesWhileNoLocaleServiceExists) {
  app::TMessageCatalogue catalogue;
  ui::PlatformServices::Current().Remove<ui::ILocaleService>();
  EXPECT_EQ(catalogue.GetMessageText(app::MSG_REGISTER_FAILED), u"Scheme \u306E\u767B\u9332\u306B\u5931\u6557\u3057\u307E\u3057\u305F");
  {
    WithLocale english(u"en");
    EXPECT_EQ(catalogue.GetMessageText(app::MSG_REGISTER_FAILED), u"Failed to register Scheme");
    EXPECT_EQ(catalogue.GetMessageText(app::MSG_UNREGISTER_FAILED), u"Failed to unregister Scheme");
    EXPECT_EQ(english.service->asked, 1);
  }
  EXPECT_EQ(catalogue.GetMessageText(app::MSG_REGISTER_FAILED), u"Failed to register Scheme");
  // Decided for good: a later change of language is not seen.
  WithLocale japanese(u"ja");
  EXPECT_EQ(catalogue.GetMessageText(app::MSG_REGISTER_FAILED), u"Failed to register Scheme");
  EXPECT_EQ(japanese.service->asked, 0);
}

}  // namespace
