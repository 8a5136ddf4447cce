#pragma once

namespace kartavel::gui {

// Registers the program's icons and pictures (":/icons/", ":/icons16/", ":/pictures/",
// ":/pictures16/"). They live in a static library, so call this once before the first use;
// calling it again does no harm.
void initResources();

} // namespace kartavel::gui
