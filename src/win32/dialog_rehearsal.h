#pragma once

#include "ui/art.h"
#include "ui/types.h"

namespace win32 {

class Gdi;

// The first dialog a process shows is slow: the system loads and makes, once
// per process, what its native controls, their look and its font need, and
// the program decodes its face. This does all of that in a hidden window,
// drawn off screen and destroyed, so the real dialog finds it ready. The
// face and the font stay in the program's picture and font caches.
void rehearseDialog(Gdi& gdi, const ui::Font& font, ui::Art face, int dpi);

}  // namespace win32
