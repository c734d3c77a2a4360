// The registry unit against the test prefix's real registry, under a
// throwaway key that each test removes again.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "qx/utils/QX.Utils.Registry.Win.h"
#include "support/RegistrySandbox.Win.h"
#include "ui/Text.h"
#include "ui/UniqueHandle.Win.h"
#include "ui/WinText.Win.h"

namespace {

class RegistryTest : public ::testing::Test {
 protected:
  testsupport::RegistrySandbox sandbox;
  const std::u16string base = sandbox.Path();  // ends with a backslash

  void SetRaw(const std::u16string& path, const std::u16string& name, DWORD type, const void* data, DWORD bytes) {
    ui::UniqueKey key;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, ui::W(path), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, key.put(),
                              nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExW(key.get(), ui::W(name), 0, type, static_cast<const BYTE*>(data), bytes), ERROR_SUCCESS);
  }
};

TEST_F(RegistryTest, WritesStringValuesCreatingMissingKeys) {
  const struct {
    std::u16string path, name, value;
  } cases[] = {
      {base, u"", u"default value"},
      {base, u"URL Protocol", u""},
      {base + u"a\\b\\c\\", u"", u"deep"},
      {base + u"x\\y", u"named", u"ウォレット"},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(qx::utils::WriteRegString(HKEY_CURRENT_USER, c.path, c.name, c.value));
    // Stored as REG_SZ with its terminating NUL.
    std::vector<char16_t> raw(c.value.size() + 8);
    DWORD type = 0, bytes = static_cast<DWORD>(raw.size() * 2);
    ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, ui::W(c.path), ui::W(c.name), RRF_RT_ANY | RRF_NOEXPAND, &type,
                           raw.data(), &bytes),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(bytes, 2 * (c.value.size() + 1));
    EXPECT_TRUE(qx::utils::ReadRegString(HKEY_CURRENT_USER, c.path, c.name) == c.value);
  }
}

TEST_F(RegistryTest, ReadsTrimmedTextOfAnyStoredFormOrNothing) {
  const std::u16string text = u"korvalcoin";
  SetRaw(base, u"noNul", REG_SZ, text.data(), static_cast<DWORD>(2 * text.size()));
  const std::u16string padded = u" \t korvalcoin\r\n ";
  SetRaw(base, u"padded", REG_SZ, padded.c_str(), static_cast<DWORD>(2 * (padded.size() + 1)));
  const DWORD dword = 0x00420041;  // "AB" in UTF-16LE
  SetRaw(base, u"dword", REG_DWORD, &dword, sizeof dword);
  const char odd[] = {'C', 0, 'D'};
  SetRaw(base, u"oddBinary", REG_BINARY, odd, sizeof odd);
  const std::vector<char> big(2000, 'x');
  SetRaw(base, u"tooLong", REG_BINARY, big.data(), static_cast<DWORD>(big.size()));
  const std::u16string max(254, u'm'), over(255, u'o');
  ASSERT_TRUE(qx::utils::WriteRegString(HKEY_CURRENT_USER, base, u"max", max));
  ASSERT_TRUE(qx::utils::WriteRegString(HKEY_CURRENT_USER, base, u"over", over));

  const struct {
    std::u16string path, name, expected;
  } cases[] = {
      {base, u"noNul", text},
      {base, u"padded", text},
      {base, u"dword", u"AB"},
      {base, u"oddBinary", u"C"},
      {base, u"tooLong", u""},
      {base, u"max", max},    // 254 characters and the NUL fill the 510 bytes
      {base, u"over", u""},   // one more does not fit
      {base, u"missing", u""},
      {base + u"missing\\", u"", u""},
  };
  for (const auto& c : cases) {
    EXPECT_TRUE(qx::utils::ReadRegString(HKEY_CURRENT_USER, c.path, c.name) == c.expected) << ui::ToUtf8(c.name);
  }
}

TEST_F(RegistryTest, KeyExistsWithOrWithoutTrailingBackslash) {
  ASSERT_TRUE(qx::utils::WriteRegString(HKEY_CURRENT_USER, base + u"k\\", u"", u"v"));
  EXPECT_TRUE(qx::utils::RegKeyExists(HKEY_CURRENT_USER, base + u"k\\"));
  EXPECT_TRUE(qx::utils::RegKeyExists(HKEY_CURRENT_USER, base + u"k"));
  EXPECT_FALSE(qx::utils::RegKeyExists(HKEY_CURRENT_USER, base + u"nothing\\"));
  EXPECT_FALSE(qx::utils::RegKeyExists(HKEY_CURRENT_USER, base + u"nothing"));
}

TEST_F(RegistryTest, DeletesAWholeTreeAndNothingBeside) {
  // Three levels below the key, three subkeys a level, a value in each.
  std::vector<std::u16string> level{base + u"tree\\"};
  for (int depth = 0; depth < 3; ++depth) {
    std::vector<std::u16string> next;
    for (const auto& parent : level) {
      for (char16_t c : std::u16string(u"abc")) next.push_back(parent + c + u"\\");
    }
    level = std::move(next);
  }
  for (const auto& leaf : level) ASSERT_TRUE(qx::utils::WriteRegString(HKEY_CURRENT_USER, leaf, u"v", u"1"));
  ASSERT_TRUE(qx::utils::WriteRegString(HKEY_CURRENT_USER, base + u"tree2\\", u"", u"sibling"));

  for (const auto& path : {base + u"tree\\", base + u"tree"}) {
    SCOPED_TRACE(ui::ToUtf8(path));
    EXPECT_TRUE(qx::utils::DeleteRegKey(HKEY_CURRENT_USER, path));
    EXPECT_FALSE(qx::utils::RegKeyExists(HKEY_CURRENT_USER, base + u"tree\\a\\"));
    EXPECT_FALSE(qx::utils::RegKeyExists(HKEY_CURRENT_USER, base + u"tree\\"));
    EXPECT_TRUE(qx::utils::ReadRegString(HKEY_CURRENT_USER, base + u"tree2\\", u"") == u"sibling");
    EXPECT_TRUE(qx::utils::RegKeyExists(HKEY_CURRENT_USER, base));
  }
}

TEST_F(RegistryTest, NeverEmptiesTheRootItIsGiven) {
  // The sandbox key plays the root, so a wrong answer costs nothing.
  ASSERT_TRUE(qx::utils::WriteRegString(HKEY_CURRENT_USER, base + u"child\\grandchild\\", u"v", u"kept"));
  ui::UniqueKey root;
  ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, ui::W(base), 0, KEY_ALL_ACCESS, root.put()), ERROR_SUCCESS);
  for (std::u16string path : {u"", u"\\", u"\\\\", u"\\\\\\"}) {
    SCOPED_TRACE(path.size());
    EXPECT_FALSE(qx::utils::DeleteRegKey(root.get(), path));
    EXPECT_TRUE(qx::utils::ReadRegString(root.get(), u"child\\grandchild\\", u"v") == u"kept");
  }
}

}  // namespace
