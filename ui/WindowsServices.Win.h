#pragma once
// Registers the Windows implementations of the platform services (locale,
// clipboard, message dialogs) with the platform-service registry.
namespace ui {

void RegisterWindowsServices();

}  // namespace ui
