#pragma once

// A frame of option buttons, as a screen reader presents it: Qt names a
// frame as a panel of its own and again as the label of each option button
// in it, so Orca said "Match panel. Match. 2 Tiles". Here the frame is a
// plain container, skipped on the way in, and its title names the options
// once: "Match. 2 Tiles. selected radio button". Registered with Qt once the
// application object exists; later calls change nothing.
void installFrameAccessibility();
