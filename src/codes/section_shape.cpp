#include "codes/section_shape.h"

namespace tk {

namespace {
constexpr SectionShape kShapes[] = {SectionShape::Rect, SectionShape::InvT, SectionShape::T,
                                    SectionShape::InvL, SectionShape::ISym, SectionShape::IUnsym};
}

std::string_view SectionShapeName(SectionShape s) {
  switch (s) {
    case SectionShape::Rect:
      return "矩形截面";
    case SectionShape::InvT:
      return "倒T形截面";
    case SectionShape::T:
      return "T形截面";
    case SectionShape::InvL:
      return "倒L形截面";
    case SectionShape::ISym:
      return "工形截面（对称）";
    case SectionShape::IUnsym:
      return "工形截面（不对称）";
  }
  return {};
}

std::optional<SectionShape> SectionShapeOf(std::string_view name) {
  for (SectionShape s : kShapes)
    if (name == SectionShapeName(s)) return s;
  return std::nullopt;
}

double WebHeight(SectionShape s, double h, double ho, double hf, double hf1) {
  switch (s) {
    case SectionShape::Rect:
      return ho;
    case SectionShape::InvT:
      return h - hf;
    case SectionShape::T:
    case SectionShape::InvL:
      return h - hf1;
    case SectionShape::ISym:
    case SectionShape::IUnsym:
      return h - hf - hf1;
  }
  return ho;
}

}  // namespace tk
