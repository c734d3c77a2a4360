#include "app/uMessages.h"

#include <array>
#include <string_view>

#include "ui/LocaleService.h"
#include "ui/PlatformServices.h"

namespace app {

namespace {

constexpr std::size_t kJapanese = 0;
constexpr std::size_t kEnglish = 1;
constexpr std::u16string_view kJapaneseId = u"ja";

// In the order of TMessageId: the Japanese text, then the English one.
constexpr std::array<std::array<std::u16string_view, 2>, 9> kMessages = {{
    {u"Scheme の登録に失敗しました",
     u"Failed to register Scheme"},
    {u"Scheme の削除に失敗しました",
     u"Failed to unregister Scheme"},
    {u"Scheme の削除に成功しました",
     u"Successfully deleted Scheme"},
    {u"ウォレットが起動していません",
     u"Wallet not running."},
    {u"KORVALCOIN-qt.exe が見つかりません",
     u"KORVALCOIN-qt.exe not found"},
    {u"KORVAL Scheme が登録されていません！\r\nKORVAL Scheme を登録しますか？",
     u"Register KORVAL custom protocol?"},
    {u"Scheme の登録に成功しました\r\nコンピュータを再起動しますか？\r\n※再起動するまで有効になりません",
     u"Successful registration of Scheme\r\nWould you like to restart now?"},
    {u"ウォレットに送金情報を設定します\r\nよろしいですか？",
     u"Set up remittance information on Wallet\r\nAre you sure?"},
    {u"ウォレットに送金情報を設定します\r\n\r\n送金金額: %s[KRVL]\r\n%s[%s] を 1[KRVL] = %.10f[%s] として換算\r\n※%s 時現在\r\n\r\nよろしいですか？",
     u"Set up remittance information on Wallet\r\n\r\nAmount: %s[KRVL]\r\nConverted %s[%s] as 1[KRVL] = %.10f[%s]\r\n*LastUpdated %s\r\n\r\nAre you sure?"},
}};

}  // namespace

void TMessageCatalogue::DetectLanguage() {
  const auto locale = ui::PlatformServices::Current().Get<ui::ILocaleService>();
  if (!locale) return;
  FLanguageIndex = locale->GetCurrentLangID() == kJapaneseId ? kJapanese : kEnglish;
  FDetected = true;
}

std::u16string TMessageCatalogue::GetMessageText(TMessageId id) {
  if (!FDetected) DetectLanguage();
  const auto index = static_cast<std::size_t>(id);
  if (index >= kMessages.size()) return {};
  return std::u16string(kMessages[index][FLanguageIndex]);
}

std::u16string GetMessageText(TMessageId id) {
  static TMessageCatalogue catalogue;
  return catalogue.GetMessageText(id);
}

}  // namespace app
