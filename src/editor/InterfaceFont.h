#pragma once
// The interface font. Japanese takes one Japanese font, which keeps digits and kana of a label
// alike; English takes the system's font, whose ellipsis and spacing are Latin ones, with the
// Japanese font behind it for layer and file names.
#include "platform/Language.h"

void UseInterfaceFont(TLanguage language);
