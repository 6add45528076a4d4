#pragma once

namespace rt {

// Prepares the application object: its title, Qt's own German texts (context menus, dialog
// buttons) for a German-speaking user, and a text cursor that stops blinking
// when nobody types.
void setUp();

// How long the text cursor blinks after the last key press or click: ten
// seconds, as on the desktop, after which an idle program wakes nothing.
void stopBlinkingAfter(int milliseconds);

} // namespace rt
