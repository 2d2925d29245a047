#pragma once
// Opacity and placement of top-level windows.

class QWidget;

// 0 is invisible (still working), 255 opaque; any value outside 0 to 255 counts as 255.
void setWindowAlpha(QWidget& window, int alpha);

// Placement requests on a hidden window are ignored.
void placeMinimised(QWidget& window);
// Restores a minimised or maximised window, then moves it, size unchanged, to the middle of
// the whole screen (not the work area).
void placeCentred(QWidget& window);
