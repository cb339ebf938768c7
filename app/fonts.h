#pragma once

namespace tutor {

// The layout names its font "新細明體" throughout. Where that font is not installed
// it resolves to PMingLiU, then to AR PL UMing TW.
void registerFontSubstitutes();

} // namespace tutor
