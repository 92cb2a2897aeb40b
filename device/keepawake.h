#pragma once

// Keeps the computer from going to sleep while a tool runs (Windows), and lets it again.
// Elsewhere there is nothing to do.
void keepAwake(bool awake);
