#pragma once
// Reads a window layout (our JSON resource format) into a control tree and
// the window's settings. Event handlers are named in the layout and bound by
// the form that loads it.
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "ui/Control.h"
#include "ui/Translation.h"

namespace ui {

enum class TFormBorderStyle { None, Single, Sizeable };
enum TBorderIcon : std::uint32_t { biSystemMenu = 1u << 0, biMinimize = 1u << 1, biMaximize = 1u << 2 };
enum class TFormPosition { Designed, ScreenCenter };

struct TFormSettings {
  std::u16string Caption;
  TSizeF ClientSize;
  TPointF Position;  // used when Placement is Designed
  TFormBorderStyle BorderStyle = TFormBorderStyle::Sizeable;
  std::uint32_t BorderIcons = biSystemMenu | biMinimize | biMaximize;
  TFormPosition Placement = TFormPosition::Designed;
  std::u16string StyleBook;  // name of a style book resource; empty for none
  TAlphaColor Fill = 0;      // 0: the style's window background
};

struct THandlerBinding {
  TControl* control;  // null for the form's own events
  std::string event;  // "onClick", "onCreate", ...
  std::u16string handler;
};

struct TFormLayout {
  TFormSettings settings;
  std::unique_ptr<TLayout> root;  // the client area
  std::optional<TLang> lang;
  std::vector<THandlerBinding> handlers;
};

// Throws std::runtime_error (or nlohmann::json's exceptions) on a malformed layout.
TFormLayout ReadLayout(const nlohmann::json& layout);

}  // namespace ui
