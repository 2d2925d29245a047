#pragma once
// The program's multi-line texts break lines with CR LF; an edit box on this platform breaks
// them with a single line feed. These convert at the control.

#include "common/Text.h"

#include <QString>
#include <string_view>

// CR LF (and a lone CR or LF) become the control's line break.
QString toEditBoxText(std::string_view text);

// The control's line breaks become CR LF.
Text fromEditBoxText(const QString& text);
