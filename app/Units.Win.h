#pragma once
// The units that start before the main block and end after it, in one
// explicit ordered list (no reliance on static initialisation order).
namespace app {

void StartUnits();
// Ends the started units in reverse order.
void EndUnits();

}  // namespace app
