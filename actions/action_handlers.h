// Fills in the window handlers that this folder provides, so every caller that
// loads the window binds the same routines.
#pragma once

struct WindowHandlers;

// Sets the row actions, the support buttons and the browser box's link hand-off.
void addActionHandlers(WindowHandlers& handlers);
