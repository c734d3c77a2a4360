#pragma once
// Serves ui::ReadResource from the executable's RCDATA resources.
namespace ui {

void InstallExecutableResourceReader();

}  // namespace ui
