#!/usr/bin/env bash
# The book of every example in a real browser (headless Chromium): no console error, no missing
# glyph among the report's characters, every sketch inside its box; a screenshot of each sketch
# kind and the PDF stay in $OUT_DIR. Exit 77 (skipped) when no Chromium is installed.
set -uo pipefail
: "${KALBEX:?}" "${TK_SOURCE_DIR:?}" "${OUT_DIR:?}"
CHROMIUM=$(command -v chromium || command -v chromium-browser || command -v google-chrome || true)
if [ -z "$CHROMIUM" ]; then
  echo "SKIP: no headless Chromium (make deps-book installs it)"
  exit 77
fi
mkdir -p "$OUT_DIR"
cd "$OUT_DIR"
rm -f sketch-*.png book.pdf
export HOME="$OUT_DIR/home"  # Chromium keeps its profile there, away from the user's
mkdir -p "$HOME"
CHROME=("$CHROMIUM" --headless=new --no-sandbox --disable-gpu --hide-scrollbars --no-first-run
        --user-data-dir="$OUT_DIR/profile")
fail=0

# The examples save their inputs as /tmp/kalbex-example-*.tav: the book is made of copies that
# save into a folder of this test's own; message boxes go to kalbex.log.
examples="$(mktemp -d)"; trap 'rm -rf "$examples"' EXIT
cp -rL "$TK_SOURCE_DIR/examples/." "$examples"
sed -i "s|/tmp/kalbex-example-|$examples/kalbex-example-|g" "$examples"/*.json
(cd "$examples" && "$KALBEX" book ./*.json -o "$OUT_DIR/book.html") \
  >kalbex.log 2>&1 || { echo "FAIL: kalbex book"; tail kalbex.log; exit 1; }
[ -s book.html ] || { echo "FAIL: kalbex book wrote nothing"; exit 1; }
members=$(grep -o 'class="page member"' book.html | wc -l)
echo "book.html: $members members"
if grep -Eq '(src|href)="(https?:|//)' book.html; then
  echo "FAIL: the book refers to an outside resource"; fail=1
fi

# The check runs inside the page: a copy of the book with an inline script that writes its
# findings into the DOM, read back through --dump-dom.
python3 - book.html check.html <<'PY'
import sys
html = open(sys.argv[1], encoding="utf-8").read()
probe = r"""<script>
var tkErrors = [];
var origError = console.error;
console.error = function () { tkErrors.push("console.error: " + Array.from(arguments).join(" ")); origError.apply(console, arguments); };
window.addEventListener("error", function (e) { tkErrors.push("error: " + (e.message || e.target && e.target.outerHTML)); }, true);
function tkCheck() {
  var out = [];
  // Sketches: every drawn element inside the viewBox.
  document.querySelectorAll("svg.sketch").forEach(function (svg, i) {
    var vb = svg.viewBox.baseVal;
    svg.querySelectorAll("polygon,polyline,line,rect,circle,text").forEach(function (el) {
      var b = el.getBBox();
      if (b.x < vb.x - 0.5 || b.y < vb.y - 0.5 || b.x + b.width > vb.x + vb.width + 0.5 ||
          b.y + b.height > vb.y + vb.height + 0.5)
        out.push("outside: sketch " + i + " (" + svg.dataset.kind + ", " +
                 svg.closest("section").id + ") " + el.tagName + " " +
                 [b.x, b.y, b.width, b.height].map(function (v) { return v.toFixed(1); }).join(","));
    });
  });
  // Glyphs: each character of the reports drawn in the report font must differ from the box
  // the browser draws for a character no font has.
  var chars = {};
  document.querySelectorAll("pre.report, h2, td, .why").forEach(function (p) {
    for (var ch of p.textContent) if (ch.codePointAt(0) > 0x7f && ch.trim()) chars[ch] = 1;
  });
  var font = getComputedStyle(document.querySelector("pre.report") || document.body).fontFamily;
  var c = document.createElement("canvas"); c.width = 40; c.height = 40;
  var g = c.getContext("2d");
  function draw(ch) {
    g.clearRect(0, 0, 40, 40); g.font = "28px " + font; g.fillText(ch, 4, 30);
    return Array.from(g.getImageData(0, 0, 40, 40).data).join(",");
  }
  var blank = draw(""), tofu = draw("\u{10FFFD}"), tofu2 = draw("\uE83A");
  var missing = Object.keys(chars).filter(function (ch) {
    var d = draw(ch);
    return d !== blank && (d === tofu || d === tofu2);
  });
  if (tofu === blank) out.push("the browser draws no box for a missing glyph: the glyph check cannot run");
  if (missing.length)
    out.push("missing glyphs: " + missing.map(function (ch) {
      return ch + " U+" + ch.codePointAt(0).toString(16).toUpperCase(); }).join(" "));
  out = out.concat(tkErrors);
  var d = document.createElement("pre"); d.id = "tk-check";
  d.textContent = out.length ? "CHECK FAIL\n" + out.join("\n") : "CHECK OK " + Object.keys(chars).length + " characters";
  document.body.appendChild(d);
}
window.addEventListener("load", function () { document.fonts.ready.then(tkCheck); });
</script>"""
html = html.replace("<head>", "<head>" + probe, 1)
open(sys.argv[2], "w", encoding="utf-8").write(html)
PY
timeout 300 "${CHROME[@]}" --virtual-time-budget=20000 --dump-dom "file://$OUT_DIR/check.html" \
  >dom.html 2>chromium.log
result=$(python3 -c '
import re,sys,html
t=open("dom.html",encoding="utf-8").read()
m=re.search(r"<pre id=\"tk-check\">(.*?)</pre>",t,re.S)
print(html.unescape(m.group(1)) if m else "CHECK FAIL\nthe check did not run")')
echo "$result" | head -40
echo "$result" | grep -q '^CHECK OK' || fail=1
if grep -E 'CONSOLE|Uncaught' chromium.log | grep -vi 'dbus' >/dev/null; then
  echo "FAIL: console messages:"; grep -E 'CONSOLE|Uncaught' chromium.log | head; fail=1
fi

# One screenshot per sketch kind: the first member that has it, on a page of its own.
for kind in $(grep -o 'data-kind="[a-z]*"' book.html | sort -u | sed 's/data-kind="\(.*\)"/\1/'); do
  id=$(python3 - "$kind" <<'PY'
import re, sys
t = open("book.html", encoding="utf-8").read()
head = t[:t.index("<body>") + len("<body>")]
for m in re.finditer(r'<section class="page member" id="(m\d+)">.*?</section>', t, re.S):
    if 'data-kind="%s"' % sys.argv[1] in m.group(0):
        open("sketch-%s.html" % sys.argv[1], "w", encoding="utf-8").write(
            head + m.group(0) + "</body></html>")
        print(m.group(1))
        break
PY
)
  timeout 120 "${CHROME[@]}" --window-size=820,1160 --screenshot="$OUT_DIR/sketch-$kind.png" \
    "file://$OUT_DIR/sketch-$kind.html" >/dev/null 2>&1
  if [ -s "sketch-$kind.png" ]; then echo "sketch-$kind.png ($id)"; else
    echo "FAIL: no screenshot of $kind"; fail=1; fi
done

timeout 300 "${CHROME[@]}" --no-pdf-header-footer --print-to-pdf="$OUT_DIR/book.pdf" \
  "file://$OUT_DIR/book.html" >/dev/null 2>&1
if head -c 4 book.pdf 2>/dev/null | grep -q '%PDF'; then
  echo "book.pdf: $(stat -c %s book.pdf) bytes"
  # Page numbers from the print margins, when poppler's pdftotext is there to read them.
  if command -v pdftotext >/dev/null; then
    pages=$(pdftotext book.pdf - | grep -cE '^[0-9]+ ?/ ?[0-9]+$')
    if [ "$pages" -le "$members" ]; then
      echo "FAIL: $pages numbered pages for $members members"; fail=1
    fi
  fi
else
  echo "FAIL: no PDF"; fail=1
fi
exit $fail
