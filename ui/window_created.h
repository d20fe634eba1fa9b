// The main window's own handler for its created event.
#pragma once

// Switches the theme on and puts the default keyword into the search box.
void onWindowCreated();
