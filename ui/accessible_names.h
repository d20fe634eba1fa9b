// How screen readers read the window's labels.
#pragma once

// One-line labels are read by a screen reader as they are drawn: the caption
// without its line breaks, followed as it changes; a blank label is read by its
// accessible description. Takes effect for labels whose accessible interface
// has not been made yet, so it runs before the first label gets its text.
void readOneLineLabelsAsDrawn();
