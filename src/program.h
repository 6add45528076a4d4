#pragma once

// Hands every window of the program to the runtime by name.
void defineWindows();
