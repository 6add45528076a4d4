#pragma once

namespace rt {

// Prepares the application object: its title, the fonts that stand in for the
// ones the windows name, and Qt's own German texts (context menus, dialog
// buttons) for a German-speaking user.
void setUp();

} // namespace rt
