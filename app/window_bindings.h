// Which routine each event of the window runs.
#pragma once

struct WindowHandlers;

WindowHandlers windowHandlers();
