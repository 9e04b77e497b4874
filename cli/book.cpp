#include "book.h"

#include <chrono>
#include <ctime>
#include <set>

#include "book_sketch.h"
#include "book_svg.h"
#include "frame/docs.h"
#include "frame/text.h"
#include "outcome.h"
#include "runner.h"

namespace kalbex::book {

namespace {

bool Contains(const std::string& s, const char* what) {
  return s.find(what) != std::string::npos;
}

// Report lines that state a failed check: the design does not hold as it stands.
bool FailLine(const std::string& l) {
  return Contains(l, "不满足") || Contains(l, "尺寸不足") || Contains(l, "承载力不足") ||
         Contains(l, "错误") || Contains(l, "＞ 1.2*") || Contains(l, "超出可选钢筋");
}
// Report lines that ask for attention without stating a failed check.
bool WarnLine(const std::string& l) {
  return Contains(l, "警告");
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> out;
  size_t pos = 0;
  while (pos <= text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    std::string l = text.substr(pos, end - pos);
    if (!l.empty() && l.back() == '\r') l.pop_back();
    out.push_back(std::move(l));
    pos = end + 1;
  }
  return out;
}

std::string ValueText(const json& v) {
  if (v.is_string()) return v.get<std::string>();
  if (v.is_number_float()) return Num(v.get<double>(), 4);
  if (v.is_boolean()) return v.get<bool>() ? "True" : "False";
  if (v.is_null()) return "";
  if (v.is_object() && v.contains("$controls")) {
    std::string s;
    int i = 0;
    for (const auto& c : v["$controls"]) {
      if (!s.empty()) s += "; ";
      s += std::to_string(i++) + ": ";
      if (c.contains("Text"))
        s += ValueText(c["Text"]);
      else if (c.contains("Value"))
        s += ValueText(c["Value"]);
    }
    return s;
  }
  std::string d = v.dump();
  if (d.size() > 160) d = d.substr(0, 157) + "...";
  return d;
}

const json* ArgOf(const json& args, std::string_view name) {
  if (!args.is_object()) return nullptr;
  for (auto it = args.begin(); it != args.end(); ++it)
    if (tk::EqualsNoCase(it.key(), name)) return &it.value();
  return nullptr;
}

bool IsErrorArg(std::string_view name) {
  return tk::EqualsNoCase(name, "lErr") || tk::EqualsNoCase(name, "lErrNumber") ||
         tk::EqualsNoCase(name, "tErr") || tk::EqualsNoCase(name, "tText");
}

// A CSS string literal (quotes, backslashes and line breaks escaped; '<' kept out of the style).
std::string CssString(const std::string& s) {
  std::string o = "\"";
  for (char c : s) {
    if (c == '"' || c == '\\')
      o += std::string("\\") + c;
    else if (c == '\n' || c == '\r')
      o += "\\a ";
    else if (c == '<')
      o += "\\3c ";
    else
      o += c;
  }
  return o + "\"";
}

// Report text for the page. U+E000 is the bar symbol of the calculators' report font, which a
// browser does not have: it is shown as Φ in one cell of the report's grid.
std::string ReportHtml(const std::string& s) {
  std::string e = Escape(s), out;
  const std::string phi = "\xEE\x80\x80";
  for (size_t p = 0;;) {
    const size_t q = e.find(phi, p);
    out += e.substr(p, q == std::string::npos ? std::string::npos : q - p);
    if (q == std::string::npos) break;
    out += "<span class=\"phi\">Φ</span>";
    p = q + phi.size();
  }
  return out;
}

std::string Cell(const std::string& s) {
  return "<td>" + ReportHtml(s) + "</td>";
}

// The inputs as given, named and with units from the parameter table; positional arrays one
// field a row.
std::string InputsHtml(const std::string& cls, const std::string& op, const json& args) {
  const tk::docs::Operation* doc = tk::docs::FindOperation(cls, op);
  std::string h =
      "<table class=\"inputs\"><tr><th>参数</th><th>含义</th><th>值</th><th>单位</th></tr>";
  if (!args.is_object()) return h + "</table>";
  for (auto it = args.begin(); it != args.end(); ++it) {
    const tk::docs::Param* p = nullptr;
    if (doc)
      for (const auto& q : doc->params)
        if (tk::EqualsNoCase(q.name, it.key())) p = &q;
    if (p && p->dir == "out") continue;
    if (IsErrorArg(it.key()) && (!p || p->dir != "in")) continue;
    const tk::docs::ArrayFields* fields = nullptr;
    if (doc)
      for (const auto& a : doc->arrays)
        if (tk::EqualsNoCase(a.param, it.key())) fields = &a;
    if (fields && it->is_array()) {
      for (const auto& f : fields->fields) {
        if (f.index < 0 || static_cast<size_t>(f.index) >= it->size()) continue;
        const std::string v = ValueText((*it)[static_cast<size_t>(f.index)]);
        if (v.empty()) continue;
        h += "<tr>" + Cell(it.key() + "(" + std::to_string(f.index) + ")") +
             Cell(std::string(f.zh)) + Cell(v) + Cell(std::string(f.unit)) + "</tr>";
      }
      continue;
    }
    if (it->is_array() && it->empty()) continue;
    if (it->is_array() && !fields) {  // an undocumented positional array: one row a field
      for (size_t i = 0; i < it->size(); ++i) {
        const std::string v = ValueText((*it)[i]);
        if (v.empty()) continue;
        h += "<tr>" + Cell(it.key() + "(" + std::to_string(i) + ")") +
             Cell(i == 0 && p ? std::string(p->zh) : "") + Cell(v) + Cell("") + "</tr>";
      }
      continue;
    }
    h += "<tr>" + Cell(it.key()) + Cell(p ? std::string(p->zh) : "") + Cell(ValueText(*it)) +
         Cell(p ? std::string(p->unit) : "") + "</tr>";
  }
  return h + "</table>";
}

std::string Label(const json& in_call, const json& args, const std::string& fallback) {
  if (auto l = in_call.find("label"); l != in_call.end() && l->is_string())
    return l->get<std::string>();
  for (const char* n : {"tBh", "tGjBh", "tZhBh", "tText"})
    if (const json* v = ArgOf(args, n); v && v->is_string()) {
      const std::string t = tk::Trim(v->get<std::string>());
      if (!t.empty() && t.size() < 40 && t.find('\n') == std::string::npos) return t;
    }
  return fallback;
}

std::string Today() {
  const std::time_t t = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm tm{};
  gmtime_r(&t, &tm);
  char buf[16];
  std::strftime(buf, sizeof buf, "%Y-%m-%d", &tm);
  return buf;
}

// A4 pages, one member a page, the running header from each member's own header block; page
// numbers through the page counter of the print margins.
const char* const kCss = R"CSS(
:root{--cjk:"Noto Sans Mono CJK SC","Noto Sans CJK SC","Source Han Sans SC","WenQuanYi Zen Hei Mono","WenQuanYi Micro Hei Mono","Sarasa Mono SC","SimSun","NSimSun","MS Gothic",monospace}
body{font-family:"Noto Sans CJK SC","Source Han Sans SC","WenQuanYi Zen Hei","WenQuanYi Micro Hei","Microsoft YaHei","PingFang SC",sans-serif;color:#111;margin:0;counter-reset:member}
.page{padding:12mm 14mm}
.cover{page-break-after:always;break-after:page;text-align:center;padding-top:50mm}
.cover h1{font-size:26pt;margin-bottom:4mm}.cover .date{margin-bottom:14mm}
.cover ol{text-align:left;display:inline-block}
.member{page-break-before:always;break-before:page;counter-increment:member}
.member:first-of-type{page-break-before:auto}
.head{display:flex;justify-content:space-between;border-bottom:1.5px solid #111;font-size:9pt;padding-bottom:1mm;margin-bottom:3mm}
.head .no::before{content:"No. " counter(member)}
h2{font-size:14pt;margin:2mm 0}
table{border-collapse:collapse;font-size:9pt;margin:2mm 0}
td,th{border:1px solid #999;padding:1px 5px;text-align:left;vertical-align:top;overflow-wrap:anywhere}
th{background:#eee}
.top{display:flex;gap:6mm;align-items:flex-start;flex-wrap:wrap}
.sketch{border:1px solid #ccc;max-width:100%;height:auto}
svg text{font-family:var(--cjk)}
pre.report{font-family:var(--cjk);font-size:8.5pt;line-height:1.35;white-space:pre;overflow-x:auto;border-top:1px solid #ccc;padding-top:2mm;font-variant-east-asian:full-width}
.summary{border:2px solid #555;padding:2mm 3mm;margin:3mm 0;break-inside:avoid}
.verdict{font-weight:bold;font-size:12pt}
.summary.pass{border-color:#2a7d2a}.summary.pass .verdict{color:#2a7d2a}
.summary.warning{border-color:#b07800}.summary.warning .verdict{color:#b07800}
.summary.fail,.summary.stopped{border-color:#b00020}.summary.fail .verdict,.summary.stopped .verdict{color:#b00020}
.phi{display:inline-block;width:1ch;text-align:center}
.why{font-family:var(--cjk);font-size:9pt;white-space:pre-wrap;margin:1mm 0 0 0}
@page{size:A4;margin:14mm 10mm 16mm 10mm;@bottom-center{content:counter(page) " / " counter(pages);font-size:9pt}}
@media print{.page{padding:0}.head{display:none}pre.report{overflow:visible;white-space:pre-wrap}}
)CSS";

}  // namespace

const char* VerdictName(VerdictKind k) {
  switch (k) {
    case VerdictKind::Pass:
      return "pass";
    case VerdictKind::Warning:
      return "warning";
    case VerdictKind::Fail:
      return "fail";
    case VerdictKind::Stopped:
      return "stopped";
  }
  return "pass";
}

Verdict ReadVerdict(const json& call, const std::string& report) {
  Verdict v;
  if (auto e = call.find("error"); e != call.end() && e->is_object()) {
    const std::string kind = e->value("kind", "");
    const std::string code = (*e)["code"].is_number() ? (*e)["code"].dump() : "";
    v.lines.push_back((code.empty() ? "" : code + ": ") + e->value("message", ""));
    if (kind == "warning")
      v.kind = VerdictKind::Warning;
    else
      v.kind = VerdictKind::Stopped;  // stop, fault, cancelled: the outputs are incomplete
  } else if (auto n = call.find("note"); n != call.end() && n->is_object()) {
    v.lines.push_back((*n)["code"].dump() + ": " + n->value("message", ""));
  }
  bool fail = false, warn = false;
  for (std::string l : Lines(report)) {
    const bool f = FailLine(l), w = !f && WarnLine(l);
    if (!f && !w) continue;
    fail |= f, warn |= w;
    const size_t a = l.find_first_not_of(' ');
    v.lines.push_back(a == std::string::npos ? l : l.substr(a));
  }
  if (v.kind != VerdictKind::Stopped) {
    if (fail)
      v.kind = VerdictKind::Fail;
    else if (warn && v.kind == VerdictKind::Pass)
      v.kind = VerdictKind::Warning;
  }
  return v;
}

std::string SummaryHtml(const json& call, const Verdict& v) {
  static const char* const kWords[] = {"满足要求 / pass", "警告 / warning", "不满足要求 / fail",
                                       "计算中止 / stopped"};
  std::string cls = call.value("class", "");
  if (const size_t dot = cls.rfind('.'); dot != std::string::npos) cls.erase(0, dot + 1);
  const std::string op = call.value("operation", "");
  const tk::docs::Operation* doc = tk::docs::FindOperation(cls, op);
  std::string h = "<div class=\"summary " + std::string(VerdictName(v.kind)) +
                  "\"><div class=\"verdict\">" + kWords[static_cast<int>(v.kind)] + "</div>";
  if (!v.lines.empty()) {
    h += "<div class=\"why\">";
    for (const auto& l : v.lines) h += ReportHtml(l) + "\n";
    h += "</div>";
  }
  std::string rows;
  const json& args = call.contains("args") ? call["args"] : json::object();
  if (doc)
    for (const auto& p : doc->params) {
      if (p.dir == "in" || IsErrorArg(p.name)) continue;
      const json* val = p.name == "return" ? (call.contains("return") ? &call["return"] : nullptr)
                                           : ArgOf(args, p.name);
      if (!val || val->is_null() || (val->is_array() && val->empty())) continue;
      if (val->is_object()) continue;  // host controls: their texts are in the report
      rows += "<tr>" + Cell(std::string(p.name)) + Cell(std::string(p.zh)) + Cell(ValueText(*val)) +
              Cell(std::string(p.unit)) + "</tr>";
    }
  if (!rows.empty())
    h += "<table class=\"results\"><tr><th>结果</th><th>含义</th><th>值</th><th>单位</th></tr>" +
         rows + "</table>";
  return h + "</div>";
}

std::string Book(const std::vector<Input>& inputs, const Options& opt) {
  struct Member {
    std::string label, cls, op, zh, inputs, sketch, report, summary;
  };
  std::vector<Member> members;
  std::set<std::string> projects;
  std::vector<std::string> project_order;
  int host_steps = 0;
  for (const Input& in : inputs) {
    const json given = json::parse(in.text, nullptr, false);
    RunResult r = RunJson(in.text, in.base);
    if (!r.output.is_array()) r.output = json::array({std::move(r.output)});
    for (size_t k = 0; k < r.output.size(); ++k) {
      const json& out = r.output[k];
      const json& in_call = given.is_array() ? given[k] : given;
      const json in_args = in_call.value("args", json::object());
      Member m;
      m.cls = out.value("class", "");
      // The ProgID "TavrineKalbex.clsX" names the class clsX.
      if (const size_t dot = m.cls.rfind('.'); dot != std::string::npos) m.cls.erase(0, dot + 1);
      m.op = out.value("operation", "");
      if (const auto* d = tk::docs::FindOperation(m.cls, m.op)) m.zh = std::string(d->zh);
      const std::string fallback =
          in.name + (r.output.size() > 1 ? " #" + std::to_string(k + 1) : "");
      m.label = Label(in_call, in_args, fallback);
      const json& args = out.contains("args") ? out["args"] : json::object();
      if (const json* eng = ArgOf(args, "tEng"); eng && eng->is_string()) {
        const std::string e = tk::Trim(eng->get<std::string>());
        if (!e.empty() && projects.insert(e).second) project_order.push_back(e);
      }
      std::string report;
      if (const json* t = ArgOf(args, "tText"); t && t->is_string())
        report = PlatformLineEnds(t->get<std::string>());
      m.inputs = InputsHtml(m.cls, m.op, in_args);
      m.sketch = Sketch(m.cls, m.op, args);
      const Verdict v = ReadVerdict(out, report);
      m.summary = SummaryHtml(out, v);
      m.report = report;
      // Form set-up and control events of a file with a calculation in it are steps of the host,
      // not members: without a report, a sketch or a result they stay out of the book.
      if (m.report.empty() && m.sketch.empty() && r.output.size() > 1 &&
          m.summary.find("class=\"results\"") == std::string::npos) {
        ++host_steps;
        continue;
      }
      members.push_back(std::move(m));
    }
  }
  std::string project = opt.project;
  if (project.empty())
    for (const auto& p : project_order) project += (project.empty() ? "" : "、") + p;
  if (project.empty()) project = "计算书";
  const std::string date = opt.date.empty() ? Today() : opt.date;

  // Every printed page carries the project and its member: one named page per member, whose
  // margin boxes name it, so pages a long report runs on to keep their header too.
  std::string pages =
      "@page{@top-left{content:" + CssString(project) + ";font-size:9pt;vertical-align:bottom}}";
  for (size_t k = 0; k < members.size(); ++k)
    pages += "@page m" + std::to_string(k + 1) +
             "{@top-right{content:" + CssString(members[k].label) +
             ";font-size:9pt;vertical-align:bottom}}#m" + std::to_string(k + 1) + "{page:m" +
             std::to_string(k + 1) + "}";
  std::string h = "<!DOCTYPE html>\n<html lang=\"zh-CN\"><head><meta charset=\"utf-8\"><title>" +
                  Escape(project) + " 计算书</title><style>" + kCss + pages +
                  "</style></head><body>";
  h += "<section class=\"page cover\"><h1>" + Escape(project) + "</h1><div>结构计算书</div>";
  h += "<div class=\"date\">" + Escape(date) + "</div><ol>";
  for (const auto& m : members)
    h += "<li>" + Escape(m.label) + " — " + Escape(m.cls) + "." + Escape(m.op) +
         (m.zh.empty() ? "" : "（" + Escape(m.zh) + "）") + "</li>";
  h += "</ol>";
  if (host_steps > 0)
    h += "<div class=\"steps\">另有 " + std::to_string(host_steps) +
         " 项窗体操作未列入（form operations not listed）</div>";
  h += "</section>\n";
  int no = 0;
  for (const auto& m : members) {
    h += "<section class=\"page member\" id=\"m" + std::to_string(++no) +
         "\"><div class=\"head\"><span>" + Escape(project) + "</span><span>" + Escape(m.label) +
         "</span><span class=\"no\"></span></div>";
    h += "<h2>" + Escape(m.label) + " <small>" + Escape(m.cls) + "." + Escape(m.op) +
         (m.zh.empty() ? "" : " " + Escape(m.zh)) + "</small></h2>";
    h += "<div class=\"top\">" + m.sketch + m.inputs + "</div>";
    h += m.summary;
    if (!m.report.empty()) h += "<pre class=\"report\">" + ReportHtml(m.report) + "</pre>";
    h += "</section>\n";
  }
  return h + "</body></html>\n";
}

}  // namespace kalbex::book
