#include "codes/section_shape.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

TEST(SectionShape, NamesRoundTripAndWebHeights) {
  for (auto s : {SectionShape::Rect, SectionShape::InvT, SectionShape::T, SectionShape::InvL,
                 SectionShape::ISym, SectionShape::IUnsym})
    EXPECT_EQ(SectionShapeOf(SectionShapeName(s)), s);
  EXPECT_FALSE(SectionShapeOf("圆形截面").has_value());
  // h = 600, ho = 565, hf = 100 (tension flange), hf' = 120 (compression flange)
  EXPECT_EQ(WebHeight(SectionShape::Rect, 600, 565, 100, 120), 565);
  EXPECT_EQ(WebHeight(SectionShape::InvT, 600, 565, 100, 120), 500);
  EXPECT_EQ(WebHeight(SectionShape::T, 600, 565, 100, 120), 480);
  EXPECT_EQ(WebHeight(SectionShape::InvL, 600, 565, 100, 120), 480);
  EXPECT_EQ(WebHeight(SectionShape::ISym, 600, 565, 100, 120), 380);
}

}  // namespace
}  // namespace tk
