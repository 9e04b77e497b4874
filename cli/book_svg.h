// A small SVG writer for the book's sketches: shapes, labels and engineering dimension lines.
#pragma once

#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace kalbex::book {

using Pt = std::pair<double, double>;

// Text with the five XML special characters escaped.
std::string Escape(const std::string& s);
// A number with at most `digits` decimals and no trailing zeros ("12.5", "300").
std::string Num(double v, int digits = 1);

class Svg {
 public:
  // `kind` names the sketch (data-kind), for the tests that look for one of each.
  Svg(double w, double h, const std::string& kind);
  void Polygon(const std::vector<Pt>& pts, const std::string& cls, const std::string& style);
  void Polyline(const std::vector<Pt>& pts, const std::string& cls, const std::string& style);
  void Rect(double x, double y, double w, double h, const std::string& cls,
            const std::string& style);
  void Circle(double cx, double cy, double r, const std::string& cls, const std::string& style);
  void Line(double x1, double y1, double x2, double y2, const std::string& cls,
            const std::string& style);
  void Label(double x, double y, const std::string& text, const std::string& anchor = "middle",
             double size = 11);
  // A dimension between two points, drawn `offset` px to the left of the direction a -> b
  // (extension lines from the points, slash ticks at the ends, the label at the middle).
  void Dim(Pt a, Pt b, double offset, const std::string& label);
  // Hatching inside a rectangle (45° lines, `gap` px apart).
  void Hatch(double x, double y, double w, double h, double gap);
  std::string Str() const;

 private:
  std::ostringstream o_;
};

}  // namespace kalbex::book
