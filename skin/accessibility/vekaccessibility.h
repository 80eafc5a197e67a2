#pragma once

// Registers the accessible interfaces of the skinned controls with Qt, so
// that assistive technology (over AT-SPI on Linux) can read and use them.
// Called once at start-up, before the first window is shown; calling it
// again does nothing.
void InstallVekAccessibility();
