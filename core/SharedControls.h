#pragma once

// The shared controls live in a static library, whose resources the linker
// drops unless something refers to them: the application calls these before
// its declarative engine loads anything.
namespace SharedControls {

// Where the "noltstyle" style folder lives, the style and the style used for
// every control the style does not re-draw.
inline constexpr char stylePath[] = "qrc:/core/qml";
inline constexpr char styleName[] = "noltstyle";
inline constexpr char fallbackStyleName[] = "Material";

// Makes the controls, the style and the icons reachable under qrc:/core.
void initResources();

// Registers the composite singletons Color ("Color" 1.0), Units ("Units" 1.0)
// and Icons ("IconShortcuts" 1.0). Needs initResources() first.
void registerSingletons();

// Selects "noltstyle" with its fallback; to be called before the first engine
// loads a control.
void selectStyle();

} // namespace SharedControls
