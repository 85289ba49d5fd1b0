#pragma once

#include <QString>

// Numbers as the user's locale (QLocale(), which follows LANG and LC_ALL) writes them.

// The locale's decimal separator as one character; '.' when it is not a single ASCII one.
char DecimalSeparator();

// The thickness label's text for a thickness in tenths of a millimetre: the millimetres
// without trailing zeros, then " mm" ("1 mm", "1,5 mm" with a decimal comma).
QString ThicknessText(int tenths);
