#include "qx/utils/QX.Utils.CustomScheme.h"

#include <gtest/gtest.h>

#include "ui/Text.h"

namespace {

using qx::utils::TRegRoot;

TEST(CustomScheme, KeyPathsFollowTheSchemeAndTheExecutablesFileName) {
  const struct {
    std::u16string appPath, appKey;
  } cases[] = {
      {u"C:\\Program Files\\KRVL\\krvl-scheme.exe", u"SOFTWARE\\Classes\\Applications\\krvl-scheme.exe\\"},
      {u"C:/tools/Other.EXE", u"SOFTWARE\\Classes\\Applications\\Other.EXE\\"},
      {u"D:plain.exe", u"SOFTWARE\\Classes\\Applications\\plain.exe\\"},
      {u"bare.exe", u"SOFTWARE\\Classes\\Applications\\bare.exe\\"},
  };
  for (const auto& c : cases) {
    const qx::utils::TCustomScheme scheme(u"korvalcoin", c.appPath);
    EXPECT_TRUE(scheme.Scheme() == u"korvalcoin");
    EXPECT_TRUE(scheme.AppFullPath() == c.appPath);
    EXPECT_TRUE(scheme.RegSchemePath() == u"SOFTWARE\\Classes\\korvalcoin\\");
    EXPECT_TRUE(scheme.RegAppPath() == c.appKey) << ui::ToUtf8(c.appPath);
    EXPECT_TRUE(scheme.Valid());
  }
}

TEST(CustomScheme, TheTenValuesInTheirOrder) {
  const qx::utils::TCustomScheme scheme(u"korvalcoin", u"C:\\K R V L\\krvl-scheme.exe");
  const std::u16string s = u"SOFTWARE\\Classes\\korvalcoin\\";
  const std::u16string a = u"SOFTWARE\\Classes\\Applications\\krvl-scheme.exe\\";
  const std::u16string icon = u"\"C:\\K R V L\\krvl-scheme.exe\",1";
  const std::u16string command = u"\"C:\\K R V L\\krvl-scheme.exe\" \"%1\"";
  const std::vector<qx::utils::TRegWrite> expected = {
      {TRegRoot::LocalMachine, s, u"", u"URL:korvalcoin Protocol"},
      {TRegRoot::LocalMachine, s, u"URL Protocol", u""},
      {TRegRoot::LocalMachine, s + u"DefaultIcon\\", u"", icon},
      {TRegRoot::LocalMachine, s + u"shell\\open\\command\\", u"", command},
      {TRegRoot::CurrentUser, s, u"", u"URL:korvalcoin Protocol"},
      {TRegRoot::CurrentUser, s, u"URL Protocol", u""},
      {TRegRoot::CurrentUser, s + u"DefaultIcon\\", u"", icon},
      {TRegRoot::CurrentUser, s + u"shell\\open\\command\\", u"", command},
      {TRegRoot::LocalMachine, a, u"NoOpenWith", u""},
      {TRegRoot::LocalMachine, a + u"shell\\open\\command\\", u"", command},
  };
  const auto writes = scheme.RegistrationValues();
  ASSERT_EQ(writes.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(i + 1);
    EXPECT_EQ(writes[i].root, expected[i].root);
    EXPECT_TRUE(writes[i].path == expected[i].path);
    EXPECT_TRUE(writes[i].name == expected[i].name);
    EXPECT_TRUE(writes[i].data == expected[i].data);
  }
}

TEST(CustomScheme, AnEmptySchemeOrFileNameIsNotValid) {
  // Either would make the key paths name all classes or all applications.
  EXPECT_FALSE(qx::utils::TCustomScheme(u"", u"C:\\x\\a.exe").Valid());
  EXPECT_FALSE(qx::utils::TCustomScheme(u"korvalcoin", u"C:\\x\\").Valid());
  EXPECT_FALSE(qx::utils::TCustomScheme(u"korvalcoin", u"").Valid());
}

TEST(CustomScheme, OpenCommandQuotesThePathAndTheLink) {
  EXPECT_TRUE(qx::utils::OpenCommand(u"C:\\a b\\k.exe") == u"\"C:\\a b\\k.exe\" \"%1\"");
  EXPECT_TRUE(qx::utils::QuotedPath(u"a\"b") == u"\"a\"\"b\"");
  EXPECT_TRUE(qx::utils::QuotedPath(u"") == u"\"\"");
  EXPECT_TRUE(qx::utils::OpenCommandPath(u"korvalcoin") == u"SOFTWARE\\Classes\\korvalcoin\\shell\\open\\command\\");
}

TEST(CustomScheme, AppPathFromCommand) {
  const struct {
    std::u16string command, expected;
  } cases[] = {
      {u"\"C:\\a b\\k.exe\" \"%1\"", u"C:\\a b\\k.exe"},
      {u"C:\\k.exe \"%1\"", u"C:\\k.exe"},              // no enclosing quotes: unchanged
      {u"\"a\"\"b\" \"%1\"", u"a\"b"},                   // doubled quote becomes one
      {u"\"a\"b\" \"%1\"", u"ab"},                       // a lone one is dropped
      {u"\" \"%1\"", u"\""},                             // too short to be enclosed
      {u" \"%1\"", u""},
      {u"\"C:\\k.exe\" %1", u""},                        // not the link argument
      {u"\"C:\\k.exe\" \"%1\" ", u""},
      {u"\"C:\\k.exe\" \"%L\"", u""},
      {u"", u""},
  };
  for (const auto& c : cases) EXPECT_TRUE(qx::utils::AppPathFromCommand(c.command) == c.expected) << ui::ToUtf8(c.command);
  for (std::u16string path : {u"C:\\Program Files\\k.exe", u"q\"uo\"\"te", u"\"lead"}) {
    EXPECT_TRUE(qx::utils::AppPathFromCommand(qx::utils::OpenCommand(path)) == path) << ui::ToUtf8(path);
  }
}

}  // namespace
