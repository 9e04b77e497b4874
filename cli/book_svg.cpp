#include "book_svg.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace kalbex::book {

std::string Escape(const std::string& s) {
  std::string o;
  o.reserve(s.size());
  for (char c : s) switch (c) {
      case '&':
        o += "&amp;";
        break;
      case '<':
        o += "&lt;";
        break;
      case '>':
        o += "&gt;";
        break;
      case '"':
        o += "&quot;";
        break;
      case '\'':
        o += "&#39;";
        break;
      default:
        o += c;
    }
  return o;
}

std::string Num(double v, int digits) {
  if (!std::isfinite(v)) return "0";
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*f", digits, v);
  std::string s = buf;
  if (s.find('.') != std::string::npos) {
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
  }
  if (s == "-0") s = "0";
  return s;
}

namespace {
std::string P(double v) {
  return Num(v, 2);
}
std::string Points(const std::vector<Pt>& pts) {
  std::string s;
  for (const auto& [x, y] : pts) {
    if (!s.empty()) s += ' ';
    s += P(x) + "," + P(y);
  }
  return s;
}
}  // namespace

Svg::Svg(double w, double h, const std::string& kind) {
  o_ << "<svg xmlns=\"http://www.w3.org/2000/svg\" class=\"sketch\" data-kind=\"" << kind
     << "\" width=\"" << P(w) << "\" height=\"" << P(h) << "\" viewBox=\"0 0 " << P(w) << " "
     << P(h) << "\">";
  o_ << "<rect class=\"frame\" x=\"0\" y=\"0\" width=\"" << P(w) << "\" height=\"" << P(h)
     << "\" fill=\"none\" stroke=\"none\"/>";
}

void Svg::Polygon(const std::vector<Pt>& pts, const std::string& cls, const std::string& style) {
  o_ << "<polygon class=\"" << cls << "\" points=\"" << Points(pts) << "\" " << style << "/>";
}

void Svg::Polyline(const std::vector<Pt>& pts, const std::string& cls, const std::string& style) {
  o_ << "<polyline class=\"" << cls << "\" points=\"" << Points(pts) << "\" fill=\"none\" " << style
     << "/>";
}

void Svg::Rect(double x, double y, double w, double h, const std::string& cls,
               const std::string& style) {
  o_ << "<rect class=\"" << cls << "\" x=\"" << P(x) << "\" y=\"" << P(y) << "\" width=\"" << P(w)
     << "\" height=\"" << P(h) << "\" " << style << "/>";
}

void Svg::Circle(double cx, double cy, double r, const std::string& cls, const std::string& style) {
  o_ << "<circle class=\"" << cls << "\" cx=\"" << P(cx) << "\" cy=\"" << P(cy) << "\" r=\"" << P(r)
     << "\" " << style << "/>";
}

void Svg::Line(double x1, double y1, double x2, double y2, const std::string& cls,
               const std::string& style) {
  o_ << "<line class=\"" << cls << "\" x1=\"" << P(x1) << "\" y1=\"" << P(y1) << "\" x2=\"" << P(x2)
     << "\" y2=\"" << P(y2) << "\" " << style << "/>";
}

void Svg::Label(double x, double y, const std::string& text, const std::string& anchor,
                double size) {
  o_ << "<text class=\"label\" x=\"" << P(x) << "\" y=\"" << P(y) << "\" font-size=\"" << P(size)
     << "\" text-anchor=\"" << anchor << "\">" << Escape(text) << "</text>";
}

void Svg::Dim(Pt a, Pt b, double offset, const std::string& label) {
  const double dx = b.first - a.first, dy = b.second - a.second;
  const double len = std::hypot(dx, dy);
  if (len <= 0) return;
  // Unit normal to the left of a -> b in screen coordinates (y down).
  const double nx = dy / len, ny = -dx / len;
  const Pt a2{a.first + nx * offset, a.second + ny * offset};
  const Pt b2{b.first + nx * offset, b.second + ny * offset};
  const std::string thin = "stroke=\"#333\" stroke-width=\"0.7\"";
  const double over = offset > 0 ? 4 : -4;
  Line(a.first + nx * 2, a.second + ny * 2, a2.first + nx * over, a2.second + ny * over, "dim",
       thin);
  Line(b.first + nx * 2, b.second + ny * 2, b2.first + nx * over, b2.second + ny * over, "dim",
       thin);
  Line(a2.first, a2.second, b2.first, b2.second, "dim", thin);
  // Architectural ticks: short 45° slashes at both ends.
  const double ux = dx / len, uy = dy / len;
  for (const Pt& p : {a2, b2})
    Line(p.first - (ux + nx) * 3, p.second - (uy + ny) * 3, p.first + (ux + nx) * 3,
         p.second + (uy + ny) * 3, "dim", "stroke=\"#333\" stroke-width=\"1.2\"");
  const double mx = (a2.first + b2.first) / 2, my = (a2.second + b2.second) / 2;
  if (std::abs(dy) > std::abs(dx)) {
    // Vertical: the label turned along the line, on the side away from the member (its glyphs
    // stand to the left of their baseline once turned).
    const double lx = nx * offset > 0 ? mx + 12 : mx - 3;
    o_ << "<text class=\"label\" x=\"" << P(lx) << "\" y=\"" << P(my)
       << "\" font-size=\"11\" text-anchor=\"middle\" transform=\"rotate(-90 " << P(lx) << " "
       << P(my) << ")\">" << Escape(label) << "</text>";
  } else {
    Label(mx, ny * offset < 0 ? my - 3 : my + 12, label);
  }
}

void Svg::Hatch(double x, double y, double w, double h, double gap) {
  // 45° lines cut to the rectangle, so that nothing is drawn outside it.
  o_ << "<g class=\"hatch\">";
  for (double t = -h + gap / 2; t < w; t += gap) {
    const double s1 = std::max(0.0, -t), s2 = std::min(h, w - t);
    if (s2 <= s1) continue;
    o_ << "<line x1=\"" << P(x + t + s1) << "\" y1=\"" << P(y + h - s1) << "\" x2=\""
       << P(x + t + s2) << "\" y2=\"" << P(y + h - s2)
       << "\" stroke=\"#555\" stroke-width=\"0.6\"/>";
  }
  o_ << "</g>";
}

std::string Svg::Str() const {
  return o_.str() + "</svg>";
}

}  // namespace kalbex::book
