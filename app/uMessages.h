#pragma once
// The message catalogue: every text the program itself puts into a dialog, in
// Japanese and English. The language comes from the locale service once per
// process: Japanese when its id is exactly "ja", English otherwise.
#include <string>

namespace app {

enum TMessageId : int {
  MSG_REGISTER_FAILED,
  MSG_UNREGISTER_FAILED,
  MSG_UNREGISTER_SUCCEEDED,
  MSG_WALLET_NOT_RUNNING,
  MSG_WALLET_EXE_NOT_FOUND,
  MSG_ASK_REGISTER,
  MSG_REGISTER_SUCCEEDED_ASK_RESTART,
  MSG_CONFIRM_SEND,
  MSG_CONFIRM_SEND_CONVERTED,
};

// The text of a message in the current language (empty for an unknown id); detects the language first
// when that has not succeeded yet.
std::u16string GetMessageText(TMessageId id);

// The catalogue's language state. The process uses one; tests make their own.
class TMessageCatalogue {
 public:
  std::u16string GetMessageText(TMessageId id);

 private:
  // Without a locale service nothing changes, so a later lookup tries again.
  void DetectLanguage();

  std::size_t FLanguageIndex = 0;  // 0 Japanese, 1 English
  bool FDetected = false;
};

}  // namespace app
