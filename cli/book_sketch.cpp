#include "book_sketch.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <numbers>

#include "book_svg.h"
#include "codes/section_shape.h"
#include "frame/text.h"

namespace kalbex::book {

namespace {

constexpr double kW = 380, kH = 300;  // every sketch's box, px
const std::string kConcrete = "fill=\"#eef0f2\" stroke=\"#111\" stroke-width=\"1.4\"";
const std::string kBar = "fill=\"#111\" stroke=\"none\"";
const std::string kSteel = "fill=\"#111\" stroke=\"none\"";

// The argument `name` (names compare without case, as the late binding does).
const json* Find(const json& args, const std::string& name) {
  if (!args.is_object()) return nullptr;
  for (auto it = args.begin(); it != args.end(); ++it)
    if (tk::EqualsNoCase(it.key(), name)) return &it.value();
  return nullptr;
}

// A number from a JSON number or a numeric text; NaN otherwise.
double NumberOf(const json* j) {
  if (!j) return NAN;
  if (j->is_number()) return j->get<double>();
  if (j->is_string()) {
    const std::string s = j->get<std::string>();
    char* end = nullptr;
    const double v = std::strtod(s.c_str(), &end);
    return end == s.c_str() ? NAN : v;
  }
  return NAN;
}
double Get(const json& args, const std::string& name) {
  return NumberOf(Find(args, name));
}
std::string GetText(const json& args, const std::string& name) {
  const json* j = Find(args, name);
  return j && j->is_string() ? j->get<std::string>() : std::string();
}
// Element `i` of a positional array argument (a JSON array, or host controls).
const json* Item(const json& args, const std::string& name, size_t i) {
  const json* a = Find(args, name);
  if (a && a->is_object() && a->contains("$controls")) a = &(*a)["$controls"];
  if (!a || !a->is_array() || i >= a->size()) return nullptr;
  const json& e = (*a)[i];
  if (e.is_object()) {
    if (auto t = e.find("Text"); t != e.end()) return &*t;
    if (auto v = e.find("Value"); v != e.end()) return &*v;
    return nullptr;
  }
  return &e;
}
double Field(const json& args, const std::string& name, size_t i) {
  return NumberOf(Item(args, name, i));
}
bool On(const json& args, const std::string& name, size_t i) {
  const json* j = Item(args, name, i);
  if (!j) return false;
  if (j->is_boolean()) return j->get<bool>();
  const double v = NumberOf(j);
  return std::isfinite(v) && v != 0;
}
double Or0(double v) {
  return std::isfinite(v) ? v : 0.0;
}
bool Positive(double v) {
  return std::isfinite(v) && v > 0;
}

// Maps drawing millimetres into the sketch box, keeping the proportions (one scale both ways).
struct Fit {
  double s = 1, x0 = 0, y0 = 0;
  Fit(double w_mm, double h_mm, double left, double top, double avail_w, double avail_h) {
    s = std::min(avail_w / w_mm, avail_h / h_mm);
    x0 = left + (avail_w - w_mm * s) / 2;
    y0 = top + (avail_h - h_mm * s) / 2;
  }
  Pt operator()(double x, double y) const { return {x0 + x * s, y0 + y * s}; }
};

std::vector<Pt> Map(const Fit& f, const std::vector<Pt>& mm) {
  std::vector<Pt> px;
  for (const auto& [x, y] : mm) px.push_back(f(x, y));
  return px;
}

double TotalWidth(const Section& s) {
  return std::max({s.b, s.hf_top > 0 ? s.bf_top : 0.0, s.hf_bot > 0 ? s.bf_bot : 0.0});
}

// Web edges in section coordinates.
std::pair<double, double> Web(const Section& s) {
  const double w = TotalWidth(s);
  if (s.one_sided_top) return {0, s.b};
  return {(w - s.b) / 2, (w + s.b) / 2};
}

// Bars of a row spread over the width between the covers: the larger diameters at the corners.
std::vector<double> RowDiameters(int n1, double d1, int n2, double d2) {
  std::vector<double> d;
  const int left = (n1 + 1) / 2;
  for (int i = 0; i < left; ++i) d.push_back(d1);
  for (int i = 0; i < n2; ++i) d.push_back(d2);
  for (int i = left; i < n1; ++i) d.push_back(d1);
  return d;
}

}  // namespace

std::vector<std::pair<double, double>> Outline(const Section& s) {
  const double w = TotalWidth(s);
  const auto [wl, wr] = Web(s);
  const bool top = s.hf_top > 0 && s.bf_top > s.b;
  const bool bot = s.hf_bot > 0 && s.bf_bot > s.b;
  const double tl = s.one_sided_top ? 0 : (w - s.bf_top) / 2, tr = tl + s.bf_top;
  const double bl = (w - s.bf_bot) / 2, br = bl + s.bf_bot;
  std::vector<Pt> p;
  if (top) {
    p.push_back({tl, 0});
    p.push_back({tr, 0});
    p.push_back({tr, s.hf_top});
    p.push_back({wr, s.hf_top});
  } else {
    p.push_back({wl, 0});
    p.push_back({wr, 0});
  }
  if (bot) {
    p.push_back({wr, s.h - s.hf_bot});
    p.push_back({br, s.h - s.hf_bot});
    p.push_back({br, s.h});
    p.push_back({bl, s.h});
    p.push_back({bl, s.h - s.hf_bot});
    p.push_back({wl, s.h - s.hf_bot});
  } else {
    p.push_back({wr, s.h});
    p.push_back({wl, s.h});
  }
  if (top && !s.one_sided_top) {
    p.push_back({wl, s.hf_top});
    p.push_back({tl, s.hf_top});
  }
  return p;
}

bool SectionOf(const std::string& cls, const json& args, Section& s) {
  if (cls == "clsMoment") {
    s.b = Get(args, "sB");
    s.h = Get(args, "sH");
    s.as = Or0(Get(args, "sCas"));
    return Positive(s.b) && Positive(s.h);
  }
  if (cls != "clsMVT" && cls != "clsLfKd") return false;
  s.b = Get(args, "B");
  s.h = Get(args, "H");
  s.as = Or0(Get(args, "Cas"));
  if (!Positive(s.b) || !Positive(s.h)) return false;
  const auto shape = tk::SectionShapeOf(GetText(args, "tJmXs"));
  if (!shape) return false;
  using tk::SectionShape;
  const bool top = *shape == SectionShape::T || *shape == SectionShape::InvL ||
                   *shape == SectionShape::ISym || *shape == SectionShape::IUnsym;
  const bool bot = *shape == SectionShape::InvT || *shape == SectionShape::ISym ||
                   *shape == SectionShape::IUnsym;
  if (top) s.bf_top = Or0(Get(args, "Bf1")), s.hf_top = Or0(Get(args, "Hf1"));
  if (bot) s.bf_bot = Or0(Get(args, "Bf")), s.hf_bot = Or0(Get(args, "Hf"));
  s.one_sided_top = *shape == SectionShape::InvL;
  // A flange thicker than the section leaves no web to draw.
  return s.hf_top + s.hf_bot < s.h;
}

std::vector<BarRow> ArrangementRows(const std::string& table, double cover) {
  std::vector<BarRow> rows;
  size_t pos = 0;
  while (pos < table.size()) {
    size_t end = table.find('\n', pos);
    if (end == std::string::npos) end = table.size();
    std::string line = table.substr(pos, end - pos);
    pos = end + 1;
    if (line.find("·") == std::string::npos) continue;
    // The arrangement ends where the table's columns begin.
    line = line.substr(0, line.find('['));
    const std::string dot = "·";
    double depth = std::isfinite(cover) ? cover : 25;
    double prev_d = 0;
    size_t at = 0;
    while (at < line.size()) {
      size_t slash = line.find(" / ", at);
      const std::string part =
          line.substr(at, slash == std::string::npos ? std::string::npos : slash - at);
      at = slash == std::string::npos ? line.size() : slash + 3;
      int n[2] = {0, 0};
      double d[2] = {0, 0};
      size_t q = 0;
      for (int g = 0; g < 2; ++g) {
        const size_t m = part.find(dot, q);
        if (m == std::string::npos) break;
        size_t a = m;
        while (a > 0 && std::isdigit(static_cast<unsigned char>(part[a - 1]))) --a;
        n[g] = std::atoi(part.substr(a, m - a).c_str());
        d[g] = std::strtod(part.c_str() + m + dot.size(), nullptr);
        q = m + dot.size();
      }
      if (n[0] <= 0 || d[0] <= 0) continue;
      const double dmax = std::max(d[0], d[1]);
      // Clear spacing of rows: at least 25 mm and at least d.
      depth += prev_d > 0 ? prev_d / 2 + std::max({25.0, dmax, prev_d}) + dmax / 2 : dmax / 2;
      prev_d = dmax;
      rows.push_back({n[0], d[0], n[1], n[1] > 0 ? d[1] : 0, depth});
    }
    break;  // the first arrangement is the one chosen
  }
  return rows;
}

std::string SectionSvg(const Section& s, const std::string& steel_label,
                       const std::vector<BarRow>& rows) {
  Svg g(kW, kH, rows.empty() ? "section" : "bars");
  const double w = TotalWidth(s);
  const Fit f(w, s.h, 80, 40, 210, 200);
  g.Polygon(Map(f, Outline(s)), "outline", kConcrete);
  const auto [wl, wr] = Web(s);
  // Dimensions: b under the web, h on the left, the flanges above and below.
  const double bottom_y = s.h;
  if (s.hf_bot > 0 && s.bf_bot > s.b)
    g.Dim(f((w - s.bf_bot) / 2, bottom_y), f((w + s.bf_bot) / 2, bottom_y), -18,
          "bf=" + Num(s.bf_bot));
  g.Dim(f(wl, bottom_y), f(wr, bottom_y), s.hf_bot > 0 && s.bf_bot > s.b ? -38 : -18,
        "b=" + Num(s.b));
  g.Dim(f(0, s.h), f(0, 0), 24, "h=" + Num(s.h));
  if (s.hf_top > 0 && s.bf_top > s.b) {
    const double tl = s.one_sided_top ? 0 : (w - s.bf_top) / 2;
    g.Dim(f(tl, 0), f(tl + s.bf_top, 0), 14, "b'f=" + Num(s.bf_top));
    g.Dim(f(tl + s.bf_top, 0), f(tl + s.bf_top, s.hf_top), 16, "h'f=" + Num(s.hf_top));
  }
  if (s.hf_bot > 0 && s.bf_bot > s.b) {
    const double br = (w + s.bf_bot) / 2;
    g.Dim(f(br, s.h - s.hf_bot), f(br, s.h), 16, "hf=" + Num(s.hf_bot));
  }
  if (rows.empty() && !steel_label.empty()) {
    // The tension steel as a band at its centroid, as from its centroid `as`.
    const double y = s.h - (s.as > 0 && s.as < s.h ? s.as : std::min(35.0, s.h / 4));
    const double inset = std::min(s.b / 6, s.as > 0 ? s.as : 25);
    const Pt a = f(wl + inset, y), b = f(wr - inset, y);
    const double t = std::max(3.0, 8 * f.s);
    g.Rect(a.first, a.second - t / 2, b.first - a.first, t, "steel", kSteel);
    g.Label(kW - 8, a.second + 4, steel_label, "end");
    if (s.as > 0 && s.as < s.h) g.Dim(f(wr, s.h), f(wr, y), -10, "as=" + Num(s.as));
  } else if (!rows.empty()) {
    const double cover = rows.front().depth - rows.front().DMax() / 2;
    for (const BarRow& r : rows) {
      const auto ds = RowDiameters(r.n1, r.d1, r.n2, r.d2);
      const double x1 = wl + cover + r.DMax() / 2, x2 = wr - cover - r.DMax() / 2;
      const double y = s.steel_top ? r.depth : s.h - r.depth;
      for (size_t i = 0; i < ds.size(); ++i) {
        const double x = ds.size() == 1 ? (wl + wr) / 2
                                        : x1 + (x2 - x1) * static_cast<double>(i) /
                                                   static_cast<double>(ds.size() - 1);
        const Pt c = f(x, y);
        g.Circle(c.first, c.second, std::max(1.5, ds[i] / 2 * f.s), "bar", kBar);
      }
    }
    g.Label(kW - 8, f(0, s.h).second + 44, steel_label, "end");
  }
  return g.Str();
}

namespace {

// Pile section: a circle (or square) of side d, bars on the ring at the clear cover.
std::string PileSketch(const json& args) {
  const double d = Get(args, "dD");
  if (!Positive(d)) return {};
  const bool round = GetText(args, "tJmLx") != "方形截面";
  const double c = Or0(Get(args, "dCj"));
  Svg g(kW, kH, "pile");
  const Fit f(d, d, 90, 30, 200, 200);
  if (round) {
    std::vector<Pt> ring;
    for (int i = 0; i < 72; ++i) {
      const double t = 2 * std::numbers::pi * i / 72;
      ring.push_back({d / 2 + d / 2 * std::cos(t), d / 2 + d / 2 * std::sin(t)});
    }
    g.Polygon(Map(f, ring), "outline", kConcrete);
  } else {
    g.Polygon(Map(f, {{0, 0}, {d, 0}, {d, d}, {0, d}}), "outline", kConcrete);
  }
  g.Dim(f(0, d), f(d, d), -18, "d=" + Num(d));
  // "8Φ20": eight bars of 20 mm; a bare area gives the ring of steel with its label.
  const std::string as = GetText(args, "tAs");
  int n = 0;
  double bar = 0;
  for (const std::string sym : {"Φ", "φ", "-"})
    if (size_t m = as.find(sym); m != std::string::npos && m > 0) {
      n = std::atoi(as.substr(0, m).c_str());
      bar = std::strtod(as.c_str() + m + sym.size(), nullptr);
      break;
    }
  const double rr = d / 2 - c - (bar > 0 ? bar / 2 : 10);
  if (n > 0 && bar > 0 && rr > 0) {
    for (int i = 0; i < n; ++i) {
      const double t = 2 * std::numbers::pi * i / n - std::numbers::pi / 2;
      double x = d / 2 + rr * std::cos(t), y = d / 2 + rr * std::sin(t);
      if (!round) {  // square: the bars on the square ring, spread along its perimeter
        const double m = std::max(std::abs(std::cos(t)), std::abs(std::sin(t)));
        x = d / 2 + rr * std::cos(t) / m, y = d / 2 + rr * std::sin(t) / m;
      }
      const Pt p = f(x, y);
      g.Circle(p.first, p.second, std::max(1.5, bar / 2 * f.s), "bar", kBar);
    }
    g.Label(kW - 8, kH - 10, as, "end");
  } else if (rr > 0) {
    const Pt cc = f(d / 2, d / 2);
    g.Circle(cc.first, cc.second, rr * f.s, "steel",
             "fill=\"none\" stroke=\"#111\" stroke-width=\"2.5\" stroke-dasharray=\"6 3\"");
    g.Label(kW - 8, kH - 10, "As=" + as + " mm²", "end");
  }
  if (c > 0) g.Label(8, kH - 10, "c=" + Num(c), "start");
  return g.Str();
}

// The number after `lead` in the report ("取 h1 ＝ 50 mm" -> 50); NaN when it is not there.
double Adopted(const std::string& report, const std::string& lead) {
  const size_t p = report.find(lead);
  if (p == std::string::npos) return NAN;
  const char* begin = report.c_str() + p + lead.size();
  char* end = nullptr;
  const double v = std::strtod(begin, &end);
  return end == begin ? NAN : v;
}

// Stair flight profile: lower landing, n risers over the flight, upper landing, the slab below.
std::string StairSketch(const json& args) {
  const double lo1 = Field(args, "Text", 3), lo2 = Or0(Field(args, "Text", 4)),
               lo3 = Or0(Field(args, "Text", 5));
  // A thickness given as a rule ("1/30") is the one the report says it took ("取 h1 ＝ 50 mm").
  const std::string report = GetText(args, "tText");
  auto thickness = [&](size_t field, const std::string& taken) {
    const json* t = Item(args, "Text", field);
    if (t && t->is_string() && t->get<std::string>().find('/') == std::string::npos)
      return NumberOf(t);
    return Adopted(report, taken);
  };
  const double h1 = thickness(6, "取 h1 ＝ "), hv = Field(args, "Text", 7);
  const double nn = Field(args, "Text", 8);
  if (!Positive(lo1) || !Positive(hv) || !Positive(nn) || nn > 100) return {};
  const int n = static_cast<int>(nn);
  const double t = hv / n, w = n > 1 ? lo1 / (n - 1) : lo1;
  const double slab = Positive(h1) ? h1 : 100;
  const double h2f = thickness(27, "取 h2 ＝ ");
  const double land = Positive(h2f) ? h2f : slab;
  const double vert = slab * std::hypot(lo1, hv) / lo1;  // vertical thickness of the sloped slab
  const double total = lo2 + lo1 + lo3, top = hv, bottom = -std::max(vert, land);
  // y up in the stair's own coordinates; flipped when mapped.
  std::vector<Pt> p{{0, 0}, {lo2, 0}};
  double x = lo2, y = 0;
  for (int i = 0; i < n; ++i) {
    y += t;
    p.push_back({x, y});
    if (i < n - 1) x += w, p.push_back({x, y});
  }
  p.push_back({total, hv});
  p.push_back({total, hv - land});
  p.push_back({lo2 + lo1, hv - vert});
  p.push_back({lo2, -vert});
  p.push_back({0, -land});
  Svg g(kW, kH, "stair");
  const Fit fit(total, top - bottom, 30, 30, 290, 200);
  auto f = [&](double xx, double yy) { return fit(xx, top - yy); };
  std::vector<Pt> px;
  for (const auto& [a, b] : p) px.push_back(f(a, b));
  g.Polygon(px, "outline", kConcrete);
  if (lo2 > 0) g.Dim(f(0, bottom), f(lo2, bottom), -16, "Lo2=" + Num(lo2));
  g.Dim(f(lo2, bottom), f(lo2 + lo1, bottom), -16, "Lo1=" + Num(lo1));
  if (lo3 > 0) g.Dim(f(lo2 + lo1, bottom), f(total, bottom), -16, "Lo3=" + Num(lo3));
  g.Dim(f(total, 0), f(total, hv), -14, "Hv=" + Num(hv));
  g.Label(8, 16, Num(n, 0) + "×" + Num(t, 1) + " / " + Num(w, 0) + "  h1=" + Num(slab), "start");
  return g.Str();
}

// Footing: plan (a × b with the column bc × hc) and elevation (height H, edge h) side by side.
std::string FootingSketch(const json& args) {
  const double a = Field(args, "Text", 11), b = Field(args, "Text", 12);
  const double H = Field(args, "Text", 13), bc = Field(args, "Text", 14),
               hc = Field(args, "Text", 15);
  double he = Field(args, "Text", 31);
  if (!Positive(a) || !Positive(b) || !Positive(H) || !Positive(bc) || !Positive(hc) || bc >= a ||
      hc >= b)
    return {};
  // A flat footing (bChkB(2)) or no edge height given: the edge is as high as the footing.
  if (On(args, "bChkB", 2) || !Positive(he) || he > H) he = H;
  Svg g(kW, kH, "footing");
  const Fit plan(a, b, 45, 40, 135, 190);
  g.Polygon(Map(plan, {{0, 0}, {a, 0}, {a, b}, {0, b}}), "outline", kConcrete);
  g.Polygon(Map(plan, {{(a - bc) / 2, (b - hc) / 2},
                       {(a + bc) / 2, (b - hc) / 2},
                       {(a + bc) / 2, (b + hc) / 2},
                       {(a - bc) / 2, (b + hc) / 2}}),
            "column", "fill=\"#9aa3ad\" stroke=\"#111\" stroke-width=\"1\"");
  if (he < H)  // the slopes seen from above
    for (const auto& [cx, cy, px, py] :
         std::vector<std::array<double, 4>>{{0, 0, (a - bc) / 2, (b - hc) / 2},
                                            {a, 0, (a + bc) / 2, (b - hc) / 2},
                                            {a, b, (a + bc) / 2, (b + hc) / 2},
                                            {0, b, (a - bc) / 2, (b + hc) / 2}}) {
      const Pt p1 = plan(cx, cy), p2 = plan(px, py);
      g.Line(p1.first, p1.second, p2.first, p2.second, "edge",
             "stroke=\"#111\" stroke-width=\"0.8\"");
    }
  g.Dim(plan(0, b), plan(a, b), -16, "a=" + Num(a));
  g.Dim(plan(0, b), plan(0, 0), 14, "b=" + Num(b));
  g.Label(105, 22, "平面", "middle", 12);
  // Elevation along a, the column stub above the footing.
  const double stub = std::max(H * 0.5, 300.0);
  const Fit el(a, H + stub, 205, 40, 135, 190);
  auto e = [&](double x, double y) { return el(x, H + stub - y); };
  std::vector<Pt> ep{e(0, 0), e(a, 0), e(a, he), e((a + bc) / 2, H), e((a - bc) / 2, H), e(0, he)};
  g.Polygon(ep, "elevation", kConcrete);
  std::vector<Pt> col{e((a - bc) / 2, H), e((a + bc) / 2, H), e((a + bc) / 2, H + stub),
                      e((a - bc) / 2, H + stub)};
  g.Polygon(col, "column", "fill=\"#9aa3ad\" stroke=\"#111\" stroke-width=\"1\"");
  g.Dim(e(0, 0), e(a, 0), -16, "a=" + Num(a));
  g.Dim(e(a, 0), e(a, H), -12, "H=" + Num(H));
  if (he < H) g.Dim(e(0, 0), e(0, he), 10, "h=" + Num(he));
  g.Label(285, 22, "立面", "middle", 12);
  return g.Str();
}

// Slab panel Lx × Ly with its edges (hatching fixed, a line hinged, dashed free) and the
// directions of the moments.
std::string SlabSketch(const json& args) {
  const double lx = Field(args, "CboB", 7), ly = Field(args, "CboB", 8);
  if (!Positive(lx) || !Positive(ly)) return {};
  int edge[4];
  for (int k = 0; k < 4; ++k) {
    edge[k] = -1;
    for (int j = 0; j < 3 && edge[k] < 0; ++j)
      if (On(args, "optB", static_cast<size_t>(k * 3 + j))) edge[k] = j;
  }
  Svg g(kW, kH, "slab");
  const Fit f(lx, ly, 70, 35, 240, 200);
  // y up for the panel: bottom edge at ly on screen.
  auto p = [&](double x, double y) { return f(x, ly - y); };
  g.Polygon({p(0, 0), p(lx, 0), p(lx, ly), p(0, ly)}, "outline",
            "fill=\"#f6f7f8\" stroke=\"none\"");
  // Left, bottom, right, top, each with the side the support lies on.
  const Pt a[4] = {p(0, 0), p(0, 0), p(lx, 0), p(0, ly)};
  const Pt b[4] = {p(0, ly), p(lx, 0), p(lx, ly), p(lx, ly)};
  for (int k = 0; k < 4; ++k) {
    const double x1 = std::min(a[k].first, b[k].first), x2 = std::max(a[k].first, b[k].first);
    const double y1 = std::min(a[k].second, b[k].second), y2 = std::max(a[k].second, b[k].second);
    const std::string cls = edge[k] == 0 ? "fixed" : edge[k] == 1 ? "hinged" : "free";
    if (edge[k] == 0) {
      const double t = 8;
      const double hx = k == 0 ? x1 - t : k == 2 ? x2 : x1, hy = k == 1 ? y2 : k == 3 ? y1 - t : y1;
      const double hw = (k == 0 || k == 2) ? t : x2 - x1, hh = (k == 0 || k == 2) ? y2 - y1 : t;
      g.Hatch(hx, hy, hw, hh, 5);
      g.Line(x1, y1, x2, y2, cls, "stroke=\"#111\" stroke-width=\"2\"");
    } else if (edge[k] == 1) {
      g.Line(x1, y1, x2, y2, cls, "stroke=\"#111\" stroke-width=\"2\"");
    } else {
      g.Line(x1, y1, x2, y2, cls, "stroke=\"#111\" stroke-width=\"1.4\" stroke-dasharray=\"7 4\"");
    }
  }
  g.Dim(p(0, 0), p(lx, 0), -22, "Lx=" + Num(lx, 3));
  g.Dim(p(lx, 0), p(lx, ly), -22, "Ly=" + Num(ly, 3));
  // Moment directions: Mx spans along x, My along y (double-headed arrows through the centre).
  const Pt c = p(lx / 2, ly / 2);
  const double rx = (p(lx, 0).first - p(0, 0).first) * 0.3,
               ry = (p(0, 0).second - p(0, ly).second) * 0.3;
  const std::string arrow = "stroke=\"#0b5\" stroke-width=\"1.6\"";
  g.Line(c.first - rx, c.second, c.first + rx, c.second, "moment", arrow);
  g.Line(c.first, c.second - ry, c.first, c.second + ry, "moment", arrow);
  for (double sgn : {-1.0, 1.0}) {
    g.Polyline({{c.first + sgn * (rx - 6), c.second - 4},
                {c.first + sgn * rx, c.second},
                {c.first + sgn * (rx - 6), c.second + 4}},
               "moment", arrow);
    g.Polyline({{c.first - 4, c.second + sgn * (ry - 6)},
                {c.first, c.second + sgn * ry},
                {c.first + 4, c.second + sgn * (ry - 6)}},
               "moment", arrow);
  }
  g.Label(c.first + rx + 4, c.second - 4, "Mx", "start");
  g.Label(c.first + 4, c.second - ry - 4, "My", "start");
  g.Label(8, kH - 8, "▨ 固端   — 铰支   - - 自由", "start", 10);
  return g.Str();
}

std::string SteelLabel(const json& args) {
  const double as = Get(args, "dAs");
  return Positive(as) ? "As=" + Num(as, 0) + " mm²" : "As";
}

}  // namespace

std::string Sketch(const std::string& cls, const std::string& op, const json& args) {
  if (cls == "clsMoment" || cls == "clsMVT" || cls == "clsLfKd") {
    // Only the section operations carry a section; form operations have none.
    Section s;
    if (!SectionOf(cls, args, s)) return {};
    // The shear operations design stirrups: the section without longitudinal steel.
    const bool shear = cls == "clsMoment" && (op == "CalV_As" || op == "VAsCommon");
    return SectionSvg(s, shear ? std::string() : SteelLabel(args));
  }
  if (cls == "clsBeamPjOld" && op == "Calculate") {
    Section s;
    s.b = Field(args, "Text", 1);
    s.h = Field(args, "Text", 8);
    if (!Positive(s.b)) return {};
    const double c = Or0(Field(args, "Text", 5));
    if (const json* top = Find(args, "bTop"); top && top->is_boolean()) s.steel_top = *top;
    auto rows = ArrangementRows(GetText(args, "tText"), c);
    if (rows.empty()) return {};
    if (!Positive(s.h)) s.h = std::max(s.b * 2, rows.back().depth + rows.back().DMax() + 200);
    std::string label;
    const std::string t = GetText(args, "tText");
    for (size_t pos = 0; pos < t.size();) {
      size_t end = t.find('\n', pos);
      if (end == std::string::npos) end = t.size();
      const std::string line = t.substr(pos, end - pos);
      if (line.find("·") != std::string::npos) {
        label = line.substr(0, line.find('['));
        while (!label.empty() && (label.back() == ' ' || label.back() == '\r')) label.pop_back();
        while (!label.empty() && label.front() == ' ') label.erase(0, 1);
        break;
      }
      pos = end + 1;
    }
    return SectionSvg(s, label, rows);
  }
  if (cls == "clsZhRh" && op == "ZhRhCal") return PileSketch(args);
  if (cls == "clsLtBs" && op == "CalResult") return StairSketch(args);
  if (cls == "clsDlJcOld" && op == "DlJcResult") return FootingSketch(args);
  if (cls == "clsBanOld" && op == "BCalculate") return SlabSketch(args);
  return {};
}

}  // namespace kalbex::book
