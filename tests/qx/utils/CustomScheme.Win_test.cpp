// Scheme registration against the test prefix's real registry, under a scheme
// and an executable name of this test process only.
#include <gtest/gtest.h>

#include <windows.h>

#include "qx/utils/QX.Utils.CustomScheme.h"
#include "qx/utils/QX.Utils.Registry.Win.h"
#include "support/RegistrySandbox.Win.h"
#include "ui/Text.h"
#include "ui/UniqueHandle.Win.h"
#include "ui/WinText.Win.h"

namespace {

class CustomSchemeTest : public ::testing::Test {
 protected:
  const std::u16string id = ui::FromAscii("krvltest-" + std::to_string(GetCurrentProcessId()));
  const std::u16string appPath = u"C:\\krvl test\\" + id + u".exe";
  const qx::utils::TCustomScheme scheme{id, appPath};
  const std::u16string schemeKey = u"SOFTWARE\\Classes\\" + id + u"\\";
  const std::u16string appKey = u"SOFTWARE\\Classes\\Applications\\" + id + u".exe\\";

  void SetUp() override { Clean(); }
  void TearDown() override { Clean(); }
  void Clean() {
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, ui::W(schemeKey));
    RegDeleteTreeW(HKEY_CURRENT_USER, ui::W(schemeKey));
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, ui::W(appKey));
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, ui::W(schemeKey));
    RegDeleteKeyW(HKEY_CURRENT_USER, ui::W(schemeKey));
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, ui::W(appKey));
  }

  static DWORD ValueCount(HKEY root, const std::u16string& path) {
    ui::UniqueKey key;
    if (RegOpenKeyExW(root, ui::W(path), 0, KEY_READ, key.put()) != ERROR_SUCCESS) return 0;
    DWORD values = 0;
    RegQueryInfoKeyW(key.get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr, nullptr,
                     nullptr, nullptr);
    return values;
  }

  // Each of the ten values as stored, and nothing else in those keys.
  void ExpectTheTenValues() {
    const std::u16string command = u"\"" + appPath + u"\" \"%1\"";
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
      EXPECT_TRUE(qx::utils::ReadRegString(root, schemeKey, u"") == u"URL:" + id + u" Protocol");
      EXPECT_TRUE(qx::utils::RegKeyExists(root, schemeKey));
      EXPECT_EQ(ValueCount(root, schemeKey), 2u);  // the default and an empty "URL Protocol"
      EXPECT_TRUE(qx::utils::ReadRegString(root, schemeKey + u"DefaultIcon\\", u"") == u"\"" + appPath + u"\",1");
      EXPECT_TRUE(qx::utils::ReadRegString(root, schemeKey + u"shell\\open\\command\\", u"") == command);
    }
    EXPECT_EQ(ValueCount(HKEY_LOCAL_MACHINE, appKey), 1u);  // "NoOpenWith"
    EXPECT_TRUE(qx::utils::ReadRegString(HKEY_LOCAL_MACHINE, appKey + u"shell\\open\\command\\", u"") == command);
    EXPECT_FALSE(qx::utils::RegKeyExists(HKEY_CURRENT_USER, appKey));
  }
};

TEST_F(CustomSchemeTest, RegisterWritesTheTenValuesAndIsRepeatable) {
  EXPECT_FALSE(scheme.Registered());
  EXPECT_TRUE(qx::utils::TCustomScheme::GetAppPath(id).empty());
  ASSERT_TRUE(scheme.Register());
  ExpectTheTenValues();
  EXPECT_TRUE(scheme.Registered());
  EXPECT_TRUE(qx::utils::TCustomScheme::GetAppPath(id) == appPath);
  ASSERT_TRUE(scheme.Register());
  ExpectTheTenValues();
  EXPECT_TRUE(scheme.Registered());
}

TEST_F(CustomSchemeTest, RegisteredNeedsAllThreeKeysAndTheSameFileName) {
  ASSERT_TRUE(scheme.Register());
  EXPECT_FALSE(qx::utils::TCustomScheme(id, u"C:\\krvl test\\renamed.exe").Registered());
  // Another folder, same file name: the same application key.
  EXPECT_TRUE(qx::utils::TCustomScheme(id, u"D:\\elsewhere\\" + id + u".exe").Registered());
  ASSERT_EQ(RegDeleteTreeW(HKEY_CURRENT_USER, ui::W(schemeKey)), ERROR_SUCCESS);
  EXPECT_FALSE(scheme.Registered());
}

TEST_F(CustomSchemeTest, UnregisterRemovesTheThreeTrees) {
  ASSERT_TRUE(scheme.Register());
  ASSERT_TRUE(qx::utils::WriteRegString(HKEY_CURRENT_USER, schemeKey + u"extra\\deeper\\", u"", u"x"));
  EXPECT_TRUE(scheme.Unregister());
  for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
    EXPECT_FALSE(qx::utils::RegKeyExists(root, schemeKey + u"DefaultIcon\\"));
    EXPECT_FALSE(qx::utils::RegKeyExists(root, schemeKey + u"shell\\open\\command\\"));
    EXPECT_FALSE(qx::utils::RegKeyExists(root, schemeKey));
  }
  EXPECT_FALSE(qx::utils::RegKeyExists(HKEY_LOCAL_MACHINE, appKey));
  EXPECT_FALSE(scheme.Registered());
  EXPECT_TRUE(qx::utils::RegKeyExists(HKEY_LOCAL_MACHINE, u"SOFTWARE\\Classes\\Applications\\"));
  EXPECT_TRUE(scheme.Unregister());  // nothing left to delete
}

TEST_F(CustomSchemeTest, AFailedWriteStopsAndLeavesWhatWasWritten) {
  // Under a volatile per-user scheme key no lasting subkey can be created, so
  // the seventh write (the per-user DefaultIcon key) fails.
  const ui::UniqueKey volatileKey = testsupport::CreateVolatileKey(HKEY_CURRENT_USER, schemeKey);
  ASSERT_TRUE(volatileKey);
  EXPECT_FALSE(scheme.Register());
  EXPECT_FALSE(qx::utils::ReadRegString(HKEY_LOCAL_MACHINE, schemeKey + u"shell\\open\\command\\", u"").empty());
  EXPECT_FALSE(qx::utils::ReadRegString(HKEY_CURRENT_USER, schemeKey, u"").empty());
  EXPECT_FALSE(qx::utils::RegKeyExists(HKEY_CURRENT_USER, schemeKey + u"DefaultIcon\\"));
  EXPECT_FALSE(qx::utils::RegKeyExists(HKEY_CURRENT_USER, schemeKey + u"shell\\"));
  EXPECT_FALSE(qx::utils::RegKeyExists(HKEY_LOCAL_MACHINE, appKey));
  EXPECT_FALSE(scheme.Registered());
}

TEST_F(CustomSchemeTest, AnEmptySchemeWritesNothingIntoTheClasses) {
  const qx::utils::TCustomScheme empty(u"", appPath);
  EXPECT_FALSE(empty.Register());
  EXPECT_FALSE(empty.Registered());
  EXPECT_TRUE(qx::utils::ReadRegString(HKEY_LOCAL_MACHINE, u"SOFTWARE\\Classes\\", u"URL Protocol").empty());
}

}  // namespace
