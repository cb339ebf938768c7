#pragma once

namespace tutor {

// What the program sets up before it makes its window: the style that shows the
// buttons' colours, the font substitutes. Tests call it too.
void setUpApplication();

} // namespace tutor
