// Section shapes of beams and flexural members with their report names and the web height hw of
// the shear section check (GBJ 10-89 art. 4.2.1).
#pragma once

#include <optional>
#include <string_view>

#include "frame/export.h"

namespace tk {

enum class SectionShape { Rect, InvT, T, InvL, ISym, IUnsym };

// Report name of a shape ("矩形截面", "倒T形截面", "T形截面", "倒L形截面", "工形截面（对称）",
// "工形截面（不对称）").
std::string_view SectionShapeName(SectionShape s);
// The shape of a name, compared exactly as the host lists give it; nullopt for anything else.
TK_API std::optional<SectionShape> SectionShapeOf(std::string_view name);

// Web height hw (art. 4.2.1): ho for a rectangle, h − hf for a tension flange only, h − hf' for a
// compression flange only, h − hf − hf' for an I section. hf is the tension-side flange
// thickness, hf1 the compression-side one.
double WebHeight(SectionShape s, double h, double ho, double hf, double hf1);

}  // namespace tk
