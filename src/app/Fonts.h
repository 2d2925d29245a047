#pragma once

// The form's fonts are Windows fonts; map them onto the Chinese fonts this platform has, so
// captions show as glyphs, and make "微软雅黑" the program's font.
void installProgramFonts();
