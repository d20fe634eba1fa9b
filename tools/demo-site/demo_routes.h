// The demo site's addresses on a cpp-httplib server.
#pragma once

#include <httplib.h>

// Serves GET /s/<keyword> (page 1) and /s/<keyword>/<n> with result pages and
// answers every other address with a 404 HTML page.
void addDemoRoutes(httplib::Server& server);
