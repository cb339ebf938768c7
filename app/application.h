#pragma once

namespace tutor {

// What the program sets up before it makes its window: the style that shows the
// buttons' colours, the font substitutes with a font that surely draws Traditional
// Chinese, the name of its desktop entry. Tests call it too.
void setUpApplication();

} // namespace tutor
