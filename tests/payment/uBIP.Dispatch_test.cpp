#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "payment/uBIP.h"
#include "qx/utils/QX.Utils.Form.h"
#include "support/CommandLineSplit.h"
#include "ui/ForcedQueue.h"
#include "ui/MessageDialogService.h"
#include "ui/PlatformServices.h"
#include "ui/Text.h"

namespace {

using payment::TBIPMessage;

constexpr ui::TWindowHandle kWalletWnd = 0x1234;
const std::u16string kWalletPath = u"C:\\Program Files\\KORVALCOIN\\KORVALCOIN-qt.exe";
const qx::TFormatSettings kPoint{u'.', u'/', u':'};
const qx::TFormatSettings kComma{u',', u'.', u'.'};
const std::u16string kConverted =
    u"Set up remittance information on Wallet\r\n\r\nAmount: %s[KRVL]\r\nConverted %s[%s] as 1[KRVL] = "
    u"%.10f[%s]\r\n*LastUpdated %s\r\n\r\nAre you sure?";

struct World {
  std::map<std::u16string, ui::TWindowHandle> windows{{payment::kWalletCaption, kWalletWnd}};
  std::u16string path = kWalletPath;
  qx::TFormatSettings settings = kPoint;
  bool answerYes = true;
  payment::THttpReply reply;
  std::u16string converted = kConverted;
  // Seen:
  std::vector<std::pair<ui::MsgDlgType, std::u16string>> dialogs;
  std::vector<std::u16string> executed;
  std::vector<ui::TWindowHandle> raised;
  std::vector<std::u16string> urls;
};

class FakeFormUtils final : public qx::utils::IFormUtils {
 public:
  explicit FakeFormUtils(World& w) : w_(w) {}
  ui::TWindowHandle FindWindow(const std::u16string& iCaption) override {
    auto it = w_.windows.find(iCaption);
    return it == w_.windows.end() ? 0 : it->second;
  }
  void HideTaskbar() override {}
  void ShowTaskbar() override {}
  void BringToFront() override {}
  void BringToFront(ui::TWindowHandle iWnd) override { w_.raised.push_back(iWnd); }
  void RegistMinimizeProc(ui::Form*, qx::utils::TFormStateNotifyProc) override {}

 private:
  World& w_;
};

class FakeFormUtilsFactory final : public qx::utils::IFormUtilsFactory {
 public:
  explicit FakeFormUtilsFactory(World& w) : w_(w) {}
  std::shared_ptr<qx::utils::IFormUtils> CreateFormUtils() override { return std::make_shared<FakeFormUtils>(w_); }

 private:
  World& w_;
};

class FakeDialogs final : public ui::IMessageDialogService {
 public:
  explicit FakeDialogs(World& w) : w_(w) {}
  void MessageDialog(const std::u16string& message, ui::MsgDlgType type, ui::MsgDlgButtons, ui::MsgDlgBtn, int,
                     ui::TInputCloseDialogProc closeProc) override {
    w_.dialogs.emplace_back(type, message);
    // The completion must not have run by the time a dialog shows.
    EXPECT_TRUE(ui::ForcedQueueEmpty());
    closeProc(type == ui::MsgDlgType::Confirmation ? (w_.answerYes ? ui::mrYes : ui::mrNo) : ui::mrOk);
  }

 private:
  World& w_;
};

class FakeHttp final : public payment::IHttpGetService {
 public:
  explicit FakeHttp(World& w) : w_(w) {}
  payment::THttpReply Get(const std::u16string& url) override {
    w_.urls.push_back(url);
    return w_.reply;
  }

 private:
  World& w_;
};

class FakePlatform final : public payment::IBIPPlatform {
 public:
  explicit FakePlatform(World& w) : w_(w) {}
  std::u16string GetProcessPath(ui::TWindowHandle iWnd) override { return iWnd == kWalletWnd ? w_.path : u""; }
  void Execute(const std::u16string& iCommand) override { w_.executed.push_back(iCommand); }
  std::u16string GetMessageText(TBIPMessage iId) override {
    switch (iId) {
      case TBIPMessage::WalletNotRunning: return u"Wallet not running.";
      case TBIPMessage::WalletExeNotFound: return u"KORVALCOIN-qt.exe not found";
      case TBIPMessage::ConfirmSend: return u"Send?";
      case TBIPMessage::ConfirmSendConverted: return w_.converted;
    }
    return {};
  }
  qx::TFormatSettings FormatSettings() override { return w_.settings; }
  std::u16string UpperCase(std::u16string_view iText) override {
    std::u16string out(iText);
    for (auto& c : out) {
      if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
    }
    return out;
  }

 private:
  World& w_;
};

std::string Show(const std::u16string& text) { return ui::ToUtf8(text); }

// Runs one SendToAddress against the fakes and checks the single queued completion.
void Dispatch(World& w, const std::u16string& link) {
  auto& services = ui::PlatformServices::Current();
  services.Remove<qx::utils::IFormUtilsFactory>();
  services.Remove<ui::IMessageDialogService>();
  services.Remove<payment::IHttpGetService>();
  services.Add<qx::utils::IFormUtilsFactory>(std::make_shared<FakeFormUtilsFactory>(w));
  services.Add<ui::IMessageDialogService>(std::make_shared<FakeDialogs>(w));
  services.Add<payment::IHttpGetService>(std::make_shared<FakeHttp>(w));
  int completions = 0;
  {
    payment::TBIPUtils bip(std::make_shared<FakePlatform>(w));
    bip.SendToAddress(link, [&] { ++completions; });
    EXPECT_EQ(completions, 0) << "the completion ran inside SendToAddress";
  }
  while (!ui::ForcedQueueEmpty()) ui::RunForcedQueue();
  EXPECT_EQ(completions, 1) << Show(link);
  services.Remove<qx::utils::IFormUtilsFactory>();
  services.Remove<ui::IMessageDialogService>();
  services.Remove<payment::IHttpGetService>();
}

payment::THttpReply Price(const std::string& price) {
  return {true, 200, R"({"data":{"quotes":{"JPY":{"price":)" + price + R"(}},"last_updated":1531008000}})"};
}

std::u16string Question(const std::u16string& link) { return u"Send?\r\n\r\n" + link; }

std::u16string WalletCommand(const std::u16string& link) { return u"\"" + kWalletPath + u"\" \"" + link + u"\""; }

TEST(Dispatch, PlainAndUnconvertedLinksAskAndHandOnTheAmount) {
  struct Case {
    std::u16string link;
    const qx::TFormatSettings& settings;
    std::u16string handedOn;  // the normalised link in the question and the wallet command
  } cases[] = {
      {u"korvalcoin:ADDR?amount=1.5", kPoint, u"korvalcoin:ADDR?amount=1.5"},
      {u"korvalcoin://ADDR?amount=1&label=a%20b&message=Tea shop", kPoint,
       u"korvalcoin:ADDR?amount=1&label=a%20b&message=Tea%20shop"},
      {u"korvalcoin:ADDR", kPoint, u"korvalcoin:ADDR"},
      {u"korvalcoin:?amount=1", kPoint, u"korvalcoin:?amount=1"},
      // Meant in KRVL: amountExt replaces the amount, as read.
      {u"korvalcoin:ADDR?amountType=krvl&amountExt=5", kPoint, u"korvalcoin:ADDR?amount=5"},
      {u"korvalcoin:ADDR?amount=3&amountExt=5", kPoint, u"korvalcoin:ADDR?amount=5"},
      {u"korvalcoin:ADDR?amountExt=abc&amountType=KRVL", kPoint, u"korvalcoin:ADDR?amount=abc"},
      {u"korvalcoin:ADDR?amountExt=1000.5", kComma, u"korvalcoin:ADDR?amount=1000.5"},
      // Another currency without a convertible figure: the link's own amount stays.
      {u"korvalcoin:ADDR?amountType=JPY&amountExt=abc", kPoint, u"korvalcoin:ADDR"},
      {u"korvalcoin:ADDR?amount=2&amountType=JPY&amountExt=abc", kPoint, u"korvalcoin:ADDR?amount=2"},
      {u"korvalcoin:ADDR?amount=7&amountType=JPY", kPoint, u"korvalcoin:ADDR?amount=7"},
      {u"korvalcoin:ADDR?amountType=JPY&amountExt=-5", kPoint, u"korvalcoin:ADDR"},
      {u"korvalcoin:ADDR?amountType=JPY&amountExt=1000.5", kComma, u"korvalcoin:ADDR"},
      {u"korvalcoin:ADDR?amountType=JPY&amountExt=", kPoint, u"korvalcoin:ADDR"},
  };
  for (const auto& c : cases) {
    World w;
    w.settings = c.settings;
    Dispatch(w, c.link);
    ASSERT_EQ(w.dialogs.size(), 1u) << Show(c.link);
    EXPECT_EQ(w.dialogs[0].first, ui::MsgDlgType::Confirmation);
    EXPECT_EQ(w.dialogs[0].second, Question(c.handedOn)) << Show(c.link);
    EXPECT_EQ(w.executed, std::vector<std::u16string>{WalletCommand(c.handedOn)}) << Show(c.link);
    EXPECT_EQ(w.raised, std::vector<ui::TWindowHandle>{kWalletWnd});
    EXPECT_TRUE(w.urls.empty()) << Show(c.link);
  }
}

TEST(Dispatch, ConvertedAmountIsAskedWithTheSixValues) {
  struct Case {
    const qx::TFormatSettings& settings;
    std::u16string link;
    std::u16string amount;
    std::u16string shown;  // the converted question's middle lines
  } cases[] = {
      {kPoint, u"korvalcoin:ADDR?amountType=JPY&amountExt=1000&message=Hi", u"400.00000000",
       u"Amount: 400.00000000[KRVL]\r\nConverted 1000[JPY] as 1[KRVL] = 2.5000000000[JPY]\r\n"
       u"*LastUpdated 2018/07/08 00:00"},
      {kComma, u"korvalcoin:ADDR?amount=9&amountType=JPY&amountExt=1000&message=Hi", u"400,00000000",
       u"Amount: 400,00000000[KRVL]\r\nConverted 1000[JPY] as 1[KRVL] = 2,5000000000[JPY]\r\n"
       u"*LastUpdated 2018.07.08 00.00"},
      {kComma, u"korvalcoin:ADDR?amountType=JPY&amountExt=1000,5&message=Hi", u"400,20000000",
       u"Amount: 400,20000000[KRVL]\r\nConverted 1000,5[JPY] as 1[KRVL] = 2,5000000000[JPY]\r\n"
       u"*LastUpdated 2018.07.08 00.00"},
  };
  for (const auto& c : cases) {
    World w;
    w.settings = c.settings;
    w.reply = Price("2.5");
    Dispatch(w, c.link);
    ASSERT_EQ(w.urls.size(), 1u);
    EXPECT_EQ(w.urls[0], u"https://api.coinmarketcap.com/v2/ticker/2931/?convert=JPY");
    const std::u16string link = u"korvalcoin:ADDR?amount=" + c.amount + u"&message=Hi";
    ASSERT_EQ(w.dialogs.size(), 1u);
    EXPECT_EQ(w.dialogs[0].second, u"Set up remittance information on Wallet\r\n\r\n" + c.shown +
                                       u"\r\n\r\nAre you sure?\r\n\r\n" + link)
        << Show(w.dialogs[0].second);
    EXPECT_EQ(w.executed, std::vector<std::u16string>{WalletCommand(link)});
  }
}

TEST(Dispatch, AFailedLookupNeverOffersTheForeignFigureAsKRVL) {
  struct Case {
    std::u16string link;
    payment::THttpReply reply;
    std::size_t requests;
    std::u16string handedOn;
  } cases[] = {
      {u"korvalcoin:ADDR?amountExt=1000&amountType=JPY", {false, 0, ""}, 1, u"korvalcoin:ADDR"},
      {u"korvalcoin:ADDR?amount=3&amountExt=1000&amountType=JPY", {false, 0, ""}, 1, u"korvalcoin:ADDR?amount=3"},
      {u"korvalcoin:ADDR?amountExt=1000&amountType=jpy&message=Hi", Price("2.5"), 0, u"korvalcoin:ADDR?message=Hi"},
      {u"korvalcoin:ADDR?amountExt=1000&amountType=XYZ", Price("2.5"), 0, u"korvalcoin:ADDR"},
      {u"korvalcoin:ADDR?amountExt=1000&amountType=JPY&message=Hi",
       {true, 502, "<html>Bad gateway</html>"}, 1, u"korvalcoin:ADDR?message=Hi"},
      {u"korvalcoin:ADDR?amountExt=1000&amountType=JPY", {true, 200, ""}, 1, u"korvalcoin:ADDR"},
      {u"korvalcoin:ADDR?amountExt=1000&amountType=JPY", Price("0"), 1, u"korvalcoin:ADDR"},
      {u"korvalcoin:ADDR?amountExt=1000&amountType=JPY", Price("-2.5"), 1, u"korvalcoin:ADDR"},
      {u"korvalcoin:ADDR?amountExt=1000&amountType=JPY", Price("1e-320"), 1, u"korvalcoin:ADDR"},
      {u"korvalcoin:ADDR?amountExt=1e308&amountType=JPY", Price("1e-10"), 1, u"korvalcoin:ADDR"},
  };
  for (const auto& c : cases) {
    World w;
    w.reply = c.reply;
    Dispatch(w, c.link);
    EXPECT_EQ(w.urls.size(), c.requests) << Show(c.link);
    ASSERT_EQ(w.dialogs.size(), 1u) << Show(c.link);
    EXPECT_EQ(w.dialogs[0].second, Question(c.handedOn)) << Show(c.link);
    EXPECT_EQ(w.executed, std::vector<std::u16string>{WalletCommand(c.handedOn)}) << Show(c.link);
  }
}

TEST(Dispatch, NoStartsNothingAndRaisesNothing) {
  World w;
  w.answerYes = false;
  Dispatch(w, u"korvalcoin:ADDR?amount=1.5");
  ASSERT_EQ(w.dialogs.size(), 1u);
  EXPECT_TRUE(w.executed.empty());
  EXPECT_TRUE(w.raised.empty());
}

TEST(Dispatch, MissingWalletOrExecutableIsAnErrorAndTheEnd) {
  struct Case {
    std::map<std::u16string, ui::TWindowHandle> windows;
    std::u16string path;
    std::u16string error;
  } cases[] = {
      {{}, kWalletPath, u"Wallet not running."},
      {{{u"KORVALCOIN CORE KRVL WALLET", kWalletWnd}}, kWalletPath, u"Wallet not running."},
      {{{payment::kWalletCaption, kWalletWnd}}, u"", u"KORVALCOIN-qt.exe not found"},
  };
  for (const auto& c : cases) {
    World w;
    w.windows = c.windows;
    w.path = c.path;
    Dispatch(w, u"korvalcoin:ADDR?amount=1");
    ASSERT_EQ(w.dialogs.size(), 1u);
    EXPECT_EQ(w.dialogs[0].first, ui::MsgDlgType::Error);
    EXPECT_EQ(w.dialogs[0].second, c.error);
    EXPECT_TRUE(w.executed.empty());
    EXPECT_TRUE(w.raised.empty());
  }
}

TEST(Dispatch, TextWithoutAnAddressSegmentOffersNothing) {
  for (const std::u16string text : {u"korvalcoin", u"", u"dummy2"}) {
    World w;
    Dispatch(w, text);
    EXPECT_TRUE(w.dialogs.empty());
    EXPECT_TRUE(w.executed.empty());
    EXPECT_TRUE(w.urls.empty());
  }
}

TEST(Dispatch, HostileLinksReachTheWalletAsOneArgument) {
  const std::u16string links[] = {
      u"korvalcoin:ADDR\" -evil \"x?amount=1",
      u"korvalcoin:ADDR?amount=1\\\" -evil \\&label=a\tb\\",
      u"korvalcoin:A\\?amount=%1 %2&message=\"\"",
      u"korvalcoin:" + std::u16string(3000, u'\\') + u"?amount=" + std::u16string(3000, u'"'),
  };
  for (const auto& link : links) {
    World w;
    Dispatch(w, link);
    ASSERT_EQ(w.dialogs.size(), 1u);
    const std::u16string& question = w.dialogs[0].second;
    const std::u16string shown = question.substr(question.find(u"\r\n\r\n") + 4);
    ASSERT_EQ(w.executed.size(), 1u);
    EXPECT_EQ(testsupport::SplitLikeWindows(w.executed[0]), (std::vector<std::u16string>{kWalletPath, shown}))
        << Show(w.executed[0]);
  }
}

TEST(Dispatch, CatalogueTextsAreFilledOnlyWithTheirOwnArguments) {
  const std::vector<payment::TMessageArg> args = {{u"400"}, {u"1000"}, {u"JPY"}, {{}, 2.5, true}, {u"JPY"}, {u"t"}};
  struct Case {
    std::u16string format;
    std::u16string text;
  } cases[] = {
      {u"%s|%s|%s|%.10f|%s|%s", u"400|1000|JPY|2.5000000000|JPY|t"},
      {u"100%% %s", u"100% 400"},
      {u"%n%d%x%p %s", u"%n%d%x%p 400"},
      {u"%s%s%s%s%s%s%s%s", u"4001000JPY%s%s%s%s%s"},
      {u"%.10f", u"%.10f"},
      {u"%s %s %s %.2f %s %s %s %.10f", u"400 1000 JPY 2.50 JPY t %s %.10f"},
      {u"trailing %", u"trailing %"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(payment::FormatMessageText(c.format, args, kPoint), c.text) << Show(c.format);
  }
}

TEST(Dispatch, EachConversionUsesAFreshPriceClient) {
  World w;
  w.reply = Price("2");
  auto& services = ui::PlatformServices::Current();
  services.Add<qx::utils::IFormUtilsFactory>(std::make_shared<FakeFormUtilsFactory>(w));
  services.Add<ui::IMessageDialogService>(std::make_shared<FakeDialogs>(w));
  services.Add<payment::IHttpGetService>(std::make_shared<FakeHttp>(w));
  int completions = 0;
  {
    payment::TBIPUtils bip(std::make_shared<FakePlatform>(w));
    bip.SendToAddress(u"korvalcoin:A?amountExt=10&amountType=JPY", [&] { ++completions; });
    ui::RunForcedQueue();
    bip.SendToAddress(u"korvalcoin:B?amountExt=30&amountType=JPY", [&] { ++completions; });
  }
  ui::RunForcedQueue();
  EXPECT_EQ(completions, 2);
  EXPECT_EQ(w.urls.size(), 2u);
  ASSERT_EQ(w.executed.size(), 2u);
  EXPECT_EQ(w.executed[1], WalletCommand(u"korvalcoin:B?amount=15.00000000"));
  services.Remove<qx::utils::IFormUtilsFactory>();
  services.Remove<ui::IMessageDialogService>();
  services.Remove<payment::IHttpGetService>();
}

}  // namespace
