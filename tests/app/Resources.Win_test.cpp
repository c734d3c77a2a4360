#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string_view>

#include "qx/utils/QX.Utils.Application.Win.h"
#include "support/Process.Win.h"
#include "ui/UniqueHandle.Win.h"
#include "ui/WinText.Win.h"

namespace {

class ExeResources : public ::testing::Test {
 protected:
  void SetUp() override {
    module_.reset(LoadLibraryExW(ui::W(exe_), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
    ASSERT_TRUE(module_);
  }
  std::string_view Resource(LPCWSTR name, LPCWSTR type) const {
    HRSRC found = FindResourceW(module_.get(), name, type);
    if (!found) return {};
    HGLOBAL loaded = LoadResource(module_.get(), found);
    return {static_cast<const char*>(LockResource(loaded)), SizeofResource(module_.get(), found)};
  }

  const std::u16string exe_ = testsupport::BinPath(u"krvl-scheme.exe");
  ui::UniqueModule module_;
};

#pragma pack(push, 2)
struct IconGroupHeader {
  WORD reserved, type, count;
};
struct IconGroupEntry {
  BYTE width, height, colors, reserved;
  WORD planes, bitCount;
  DWORD bytes;
  WORD id;
};
#pragma pack(pop)

TEST_F(ExeResources, MainIconHasSixSizesAt32BitsWithA256PxPng) {
  const std::string_view group = Resource(MAKEINTRESOURCEW(1), RT_GROUP_ICON);
  ASSERT_GE(group.size(), sizeof(IconGroupHeader));
  const auto* header = reinterpret_cast<const IconGroupHeader*>(group.data());
  ASSERT_EQ(group.size(), sizeof(IconGroupHeader) + header->count * sizeof(IconGroupEntry));
  const auto* entries = reinterpret_cast<const IconGroupEntry*>(header + 1);
  std::set<int> sizes;
  for (int i = 0; i < header->count; ++i) {
    const int size = entries[i].width == 0 ? 256 : entries[i].width;
    sizes.insert(size);
    EXPECT_EQ(entries[i].bitCount, 32) << size;
    const std::string_view image = Resource(MAKEINTRESOURCEW(entries[i].id), RT_ICON);
    ASSERT_EQ(image.size(), entries[i].bytes) << size;
    const bool png = image.starts_with("\x89PNG");
    EXPECT_EQ(png, size == 256) << size;
  }
  EXPECT_EQ(sizes, (std::set<int>{16, 24, 32, 48, 64, 256}));
}

TEST_F(ExeResources, ManifestAsksForCallersRightsAndPerMonitorDpi) {
  const std::string_view manifest = Resource(MAKEINTRESOURCEW(1), RT_MANIFEST);
  for (std::string_view wanted : {
           R"(level="asInvoker")", ">True/PM<", ">PerMonitorV2, PerMonitor<",
           R"(name="Microsoft.Windows.Common-Controls" version="6.0.0.0")",
           "{e2011457-1546-43c5-a5fe-008deee3d3f0}", "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",
           "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}", "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",
           "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"}) {
    EXPECT_NE(manifest.find(wanted), std::string_view::npos) << wanted;
  }
}

TEST_F(ExeResources, VersionIs103) {
  EXPECT_EQ(qx::utils::GetFileProductVersion(exe_), u"1.0.3");
  DWORD ignored = 0;
  std::string block(GetFileVersionInfoSizeW(ui::W(exe_), &ignored), '\0');
  ASSERT_TRUE(GetFileVersionInfoW(ui::W(exe_), 0, static_cast<DWORD>(block.size()), block.data()));
  VS_FIXEDFILEINFO* info = nullptr;
  UINT size = 0;
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&info), &size));
  EXPECT_EQ(info->dwFileVersionMS, 0x00010000u);
  EXPECT_EQ(info->dwFileVersionLS, 0x00030000u);
  EXPECT_EQ(info->dwProductVersionLS, 0x00030000u);
}

}  // namespace
