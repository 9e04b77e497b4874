// Sketches of the calculation book: inline SVG drawn to scale from a call's inputs (and, for the
// bar selection, from the arrangement it chose), with dimension lines and labels.
//
// Every sketch marks its parts with classes the book's tests and the browser check read:
// "outline" (the concrete section or the member, one polygon), "bar" (one circle per bar),
// "steel" (a band standing for an area of steel), "dim" (dimension lines), "frame" (the box the
// drawing must stay inside, same size as the viewBox).
#pragma once

#include <string>
#include <vector>

#include "json_bridge.h"

namespace kalbex::book {

// Section outline in section coordinates (mm, y down from the compression face).
struct Section {
  double b = 0, h = 0;
  double bf_top = 0, hf_top = 0;  // compression-side flange (b'f, h'f)
  double bf_bot = 0, hf_bot = 0;  // tension-side flange (bf, hf)
  bool one_sided_top = false;     // inverted L: the flange stands out on one side only
  double as = 0;                  // tension steel centroid to the tension face
  bool steel_top = false;         // the bar rows at the top face (support bars)
};

// One row of bars of the bar selection: n1 bars of d1 and n2 of d2, the centre `depth` from the
// tension face.
struct BarRow {
  int n1 = 0;
  double d1 = 0;
  int n2 = 0;
  double d2 = 0;
  double depth = 0;
  int Count() const { return n1 + n2; }
  double DMax() const { return d1 > d2 ? d1 : d2; }
};

// The section of a call of clsMoment, clsMVT or clsLfKd (`args` after the call); false when the
// inputs do not describe one (non-positive b or h, an unknown shape).
bool SectionOf(const std::string& cls, const json& args, Section& s);

// The outline polygon (mm), clockwise from the top left corner.
std::vector<std::pair<double, double>> Outline(const Section& s);

// The SVG of a section: outline, dimensions b, h (and the flanges), the tension steel as a band
// labelled with `steel_label` (none when empty), or the bar rows when given.
std::string SectionSvg(const Section& s, const std::string& steel_label,
                       const std::vector<BarRow>& rows = {});

// The rows of the arrangement in a bar-selection result table: the first table line with
// "count Φ diameter" groups, one group per row from the bottom ("4Φ25+2Φ22" -> two rows).
std::vector<BarRow> ArrangementRows(const std::string& table, double cover);

// The sketch of any call ("" for a calculator the book cannot draw, or inputs it cannot draw).
std::string Sketch(const std::string& cls, const std::string& op, const json& args);

}  // namespace kalbex::book
