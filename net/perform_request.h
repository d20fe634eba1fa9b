// The request worker's share of a fetch.
#pragma once

// Performs the request that the slots describe with httpObject (making the
// handle first if there is none) and stores the body in responseText. Any
// failure, a transfer cut short included, stores an empty text: a partial
// page is never handed on. When no handle can be made nothing is sent and
// responseText keeps its value.
void performRequest();
