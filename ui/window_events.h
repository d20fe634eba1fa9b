// Binds the main window's events to the handlers named by its definition.
#pragma once

class MainWindow;
struct WindowHandlers;

void connectEvents(MainWindow& window, const WindowHandlers& handlers);
