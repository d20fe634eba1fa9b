// Creation and release of the globals the commands share.
#pragma once

// Creates resultRegex; the request slots and httpObject start empty.
void initGlobals();

// The exit hook: frees pageSource, destroys resultRegex, then frees the
// request slots and releases httpObject, in this order.
void releaseGlobals();
