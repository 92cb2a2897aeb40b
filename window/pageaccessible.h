#pragma once

// Has assistive technology hear the configuration page as a group named for its adapter: a
// screen reader says that name as the focus enters the page, before the action that has the
// focus. Once for the program.
void installPageAccessibility();
