#!/usr/bin/env bash
# kalbex host contract: output shapes, write-back, exit codes of every contract error.
set -u
K="${KALBEX:?}"
fail=0; pass=0
tmp="$(mktemp -d)"; trap 'rm -rf "$tmp"' EXIT
err="$tmp/err"
# The examples save their inputs as /tmp/kalbex-example-*.tav: the demo runs copies that save here.
cp -rL "${TK_SOURCE_DIR:?}/examples" "$tmp/examples"
sed -i "s|/tmp/kalbex-example-|$tmp/kalbex-example-|g" "$tmp"/examples/*.json
check() {  # name, expected exit, expected stdout substring ("" = must be empty), command...
  local name="$1" want_rc="$2" want_out="$3"; shift 3
  local out rc
  out="$("$@" 2>"$err")"; rc=$?
  if [ "$rc" != "$want_rc" ]; then echo "FAIL $name: exit $rc, wanted $want_rc; stderr: $(cat "$err")"; fail=$((fail+1)); return; fi
  if [ -z "$want_out" ] && [ -n "$out" ]; then echo "FAIL $name: stdout not empty: $out"; fail=$((fail+1)); return; fi
  if [ -n "$want_out" ] && [[ "$out" != *"$want_out"* ]]; then echo "FAIL $name: stdout lacks $want_out: $out"; fail=$((fail+1)); return; fi
  pass=$((pass+1))
}
run() { printf '%s' "$1" | "$K" run - "${@:2}"; }
export -f run; export K

check list 0 "TavrineKalbex.clsLtBs" "$K" list
check list_class 0 "dGanJinFy(ByVal tText As String, Optional ByRef I As Integer) As Double" "$K" list clsMaterial
check list_unknown 2 "" "$K" list clsNothing
check run_by_name 0 '"return": 26750' bash -c 'run "{\"class\":\"clsMaterial\",\"operation\":\"CtoEc\",\"args\":{\"c\":22.5}}"'
check run_by_position 0 '"return": 310' bash -c 'run "{\"class\":\"TavrineKalbex.clsMaterial\",\"operation\":\"dGanJinFy\",\"args\":[\" Ⅱ级\"]}"'
check write_back_optional 0 '"I": 2' bash -c 'run "{\"class\":\"clsMaterial\",\"operation\":\"dGanJinFy\",\"args\":{\"tText\":\"Ⅲ级\",\"I\":0}}"'
check float_shortest 0 '"return": 4.1' bash -c 'run "{\"class\":\"clsMaterial\",\"operation\":\"CtoFcm\",\"args\":{\"sC\":7.5}}"'
check array_input 0 '"return": 205000' bash -c 'run "[{\"class\":\"clsMaterial\",\"operation\":\"FyToEs\",\"args\":{\"Fy\":260}}]"'
check bad_json 2 "" bash -c 'run "{\"class\":"'
check unknown_class 2 "" bash -c 'run "{\"class\":\"clsNothing\",\"operation\":\"X\"}"'
check unknown_operation 2 "" bash -c 'run "{\"class\":\"clsMaterial\",\"operation\":\"Nothing\"}"'
check unknown_parameter 2 "" bash -c 'run "{\"class\":\"clsMaterial\",\"operation\":\"CtoEc\",\"args\":{\"x\":1}}"'
check wrong_kind 2 "" bash -c 'run "{\"class\":\"clsMaterial\",\"operation\":\"CtoEc\",\"args\":{\"c\":\"abc\"}}"'
check integer_fraction 2 "" bash -c 'run "{\"class\":\"clsMaterial\",\"operation\":\"dGjDiameterFromAs\",\"args\":{\"dAs\":100,\"iGs\":1.5}}"'
check too_many_args 2 "" bash -c 'run "{\"class\":\"clsMaterial\",\"operation\":\"CtoEc\",\"args\":[1,2]}"'
check contract_error_in_second_call_prints_nothing 2 "" bash -c 'run "[{\"class\":\"clsMaterial\",\"operation\":\"CtoEc\",\"args\":{\"c\":20}},{\"class\":\"clsMaterial\",\"operation\":\"CtoEc\",\"args\":{\"c\":true}}]"'
check control_roundtrip 0 '"混凝土强度等级："' bash -c 'run "{\"class\":\"clsMaterial\",\"operation\":\"HntQdAddCboB\",\"args\":{\"iSign\":0,\"CboB\":{\"\$control\":{}},\"lblB\":{\"\$control\":{\"Caption\":\"\"}},\"Text\":\"25\"}}"'
check form_defined_then_referenced 0 '"frmX"' bash -c 'run "[{\"class\":\"clsMoment\",\"object\":\"m\",\"operation\":\"Let_Controls\",\"args\":{\"frmM\":{\"\$form\":{}},\"frmX\":{\"\$form\":{\"CboB\":[{\"Text\":\"25\"}]},\"name\":\"f\"}}},{\"class\":\"clsMoment\",\"object\":\"m\",\"operation\":\"Let_Controls\",\"args\":{\"frmX\":{\"\$form\":\"f\"}}}]"'
check form_undefined 2 "" bash -c 'run "{\"class\":\"clsMoment\",\"operation\":\"Let_Controls\",\"args\":{\"frmX\":{\"\$form\":\"nope\"}}}"'
check object_for_number 2 "" bash -c 'run "{\"class\":\"clsMaterial\",\"operation\":\"CtoEc\",\"args\":{\"c\":{\"\$control\":{}}}}"'
check component_failure 1 "" bash -c 'run "{\"class\":\"clsMaterial\",\"operation\":\"HntQdAddCboB\",\"args\":{\"iSign\":0,\"CboB\":{\"\$form\":{}},\"Text\":\"25\"}}"'
check report_flag 0 "计算结果" bash -c 'printf "%s" "{\"class\":\"clsMoment\",\"operation\":\"CalMu_As\",\"args\":{\"tText\":\"L1\",\"iK\":1,\"iSecPos\":5,\"dMu\":100,\"tFy\":\"Ⅱ级\",\"sFcm\":20,\"sB\":200,\"sH\":500,\"sCas\":35}}" | "$K" run - --report'
check missing_file 2 "" "$K" run /nonexistent/file.json
# slab-panel coefficients: Navier's simply supported square, ν = 0.3: κ = 0.00406, M = 0.0479
check coef_ssss 0 '"kappa": 0.00406' "$K" coefficients --edges SSSS --lx 5 --ly 5 --nu 0.3
check coef_ssss_moment 0 '"Mx": 0.0478' "$K" coefficients --edges SSSS --lx 5 --ly 5 --nu 0.3
check coef_keys 0 "\"Mxz'\": " "$K" coefficients --edges CCCF --lx 4.5 --ly 3
check coef_table_number 0 '"table": "12"' "$K" coefficients --edges cccf --lx 4.5 --ly 3
check coef_mechanism 0 '"computable": false' "$K" coefficients --edges SFFF --lx 1 --ly 1
check coef_ratio_refused 0 '"computable": false' "$K" coefficients --edges SSSS --lx 2.5 --ly 1
check coef_bad_edges 2 "" "$K" coefficients --edges SXFF --lx 1 --ly 1
check coef_missing_span 2 "" "$K" coefficients --edges SSSS --lx 1
check coef_table 0 "表4－6" "$K" coefficients --edges CCCC --table
# the handbook's clamped panel at ν = 0: square 0.00127, 0.0176, −0.0513; lx/ly = 0.5 (l = lx):
# 0.00253, 0.0400, 0.0038, −0.0829, −0.0570; simply supported square 0.00406, 0.0368
check coef_table_square 0 "  1.00    0.00127    0.0176    0.0176   -0.0513   -0.0513  跨中" "$K" coefficients --edges CCCC --table
check coef_table_half 0 "  0.50    0.00253    0.0400    0.0038   -0.0829   -0.0570  跨中" "$K" coefficients --edges CCCC --table
check coef_table_ssss 0 "  1.00    0.00406    0.0368    0.0368  跨中" "$K" coefficients --edges SSSS --table
check coef_table_last_row 0 "  2.00 " "$K" coefficients --edges CCCC --table
check coef_table_free_range 0 "  3.33 " "$K" coefficients --edges SSSF --table

# Error codes explained: "error" beside "return", a stderr note, --strict exit 3, kalbex explain.
STOP='{"class":"clsMoment","operation":"CalMu_As","args":{"iK":1,"iSecPos":5,"dMu":100,"tFy":"Ⅱ级","sFcm":20,"sB":200,"sH":500,"sCas":500}}'
export STOP
check error_object 0 '"code": 100108' bash -c 'run "$STOP" 2>/dev/null'
check error_kind 0 '"kind": "stop"' bash -c 'run "$STOP" 2>/dev/null'
check error_stderr_note 0 'stop 100108: as >= h' bash -c 'run "$STOP" 2>&1 >/dev/null'
check strict_stop 3 '"code": 100108' bash -c 'run "$STOP" --strict 2>/dev/null'
check strict_warning 3 '"kind": "warning"' bash -c 'run "{\"class\":\"clsMoment\",\"operation\":\"MuAsCommon\",\"args\":{\"iK\":1,\"iSecPos\":5,\"dMu\":200,\"sFy\":310,\"sFcm\":11,\"sB\":200,\"sH\":500,\"sCas\":35}}" --strict 2>/dev/null'
check strict_success 0 '"lErrNumber": 0' bash -c 'run "{\"class\":\"clsMoment\",\"operation\":\"MuAsCommon\",\"args\":{\"iK\":1,\"iSecPos\":5,\"dMu\":100,\"sFy\":310,\"sFcm\":11,\"sB\":200,\"sH\":500,\"sCas\":35}}" --strict'
check no_error_on_success 0 "" bash -c 'run "{\"class\":\"clsMoment\",\"operation\":\"MuAsCommon\",\"args\":{\"iK\":1,\"iSecPos\":5,\"dMu\":100,\"sFy\":310,\"sFcm\":11,\"sB\":200,\"sH\":500,\"sCas\":35}}" | { ! grep -q -e "\"error\"" -e "\"note\""; }'
check crack_success_code 0 "" bash -c '"$K" run "$TK_SOURCE_DIR/examples/clsLfKd.LfKdCommon.flexure.json" | { ! grep -q "\"error\""; }'
check note_detailing 0 '"note": {' bash -c 'run "{\"class\":\"clsMoment\",\"operation\":\"VAsCommon\",\"args\":{\"iK\":1,\"iSecPos\":5,\"dV\":10,\"sFy\":210,\"Fc\":10,\"sB\":200,\"sH\":500,\"sCas\":35,\"sAt\":200}}" --strict'
check explain_code 0 "over-reinforced" "$K" explain 100112
check explain_shared 0 "input check (any class)" "$K" explain 1003 clsWind
check explain_unknown 2 "" "$K" explain 4242
check explain_not_number 2 "" "$K" explain abc
check demo_knows_every_code 0 "" bash -c '"$K" demo --examples "$0/examples" 2>&1 | { ! grep "unknown code"; }' "$tmp"
# Reports in the platform's line ends; JSON keeps the text as built.
check report_lf 0 "" bash -c '[ "$("$K" run "$TK_SOURCE_DIR/examples/clsMoment.CalMu_As.json" --report | tr -cd "\r" | wc -c)" = 0 ]'
check report_grep_mm 0 "mm" bash -c '"$K" run "$TK_SOURCE_DIR/examples/clsMoment.CalMu_As.json" --report | grep "mm$"'
check json_keeps_crlf 0 '\r\n' bash -c '"$K" run "$TK_SOURCE_DIR/examples/clsMoment.CalMu_As.json"'

# Steel grades as engineers type them; an unknown one is named in the message.
check steel_ascii_roman 0 '"return": 310' bash -c 'run "{\"class\":\"clsMaterial\",\"operation\":\"dGanJinFy\",\"args\":[\"II级\"]}"'
check steel_hrb335 0 '"return": 310' bash -c 'run "{\"class\":\"clsMaterial\",\"operation\":\"dGanJinFy1\",\"args\":[\"HRB335\"]}"'
check steel_unknown_named 3 '钢筋等级“Ⅳ级”无法识别' bash -c 'run "{\"class\":\"clsMaterial\",\"operation\":\"dGanJinFy\",\"args\":[\"Ⅳ级\"]}" --strict 2>/dev/null'
check steel_unknown_in_call 0 'steel grade “HRB400” is class III' bash -c 'run "{\"class\":\"clsMoment\",\"operation\":\"CalMu_As\",\"args\":{\"iK\":1,\"iSecPos\":5,\"dMu\":100,\"tFy\":\"HRB400\",\"sFcm\":11,\"sB\":200,\"sH\":500,\"sCas\":35}}" 2>/dev/null'

# The parameter table.
check list_operation 0 "sPmin            Single     in/out %" "$K" list clsMoment CalMu_As
check list_positions 0 "16  kN·m" "$K" list clsBeamPjOld Calculate
check list_summary 0 "flexure of a rectangular section with the report" "$K" list clsMoment
check list_json_one 0 '"direction": "in/out"' "$K" list clsMoment CalMu_As --json
check list_json_all 0 '"progid": "TavrineKalbex.clsLtBs"' "$K" list --json
check list_unknown_operation 2 "" "$K" list clsMoment Nothing

# The calculation book: HTML on stdout or in a file (written whole), contract errors exit 2.
bookdir="$tmp/book"; mkdir "$bookdir"
check book_stdout 0 '<h2>KL1' "$K" book "$TK_SOURCE_DIR/examples/clsMoment.CalMu_As.json"
check book_file 0 "" "$K" book "$TK_SOURCE_DIR/examples/clsZhRh.ZhRhCal.bored.json" -o "$bookdir/b.html"
check book_file_written 0 'data-kind="pile"' cat "$bookdir/b.html"
check book_project 0 '<h1>某工程</h1>' "$K" book "$TK_SOURCE_DIR/examples/clsMaterial.steel.json" --project 某工程
check book_missing_file 2 "" "$K" book "$bookdir/none.json" -o "$bookdir/x.html"
check book_bad_call 2 "" bash -c 'printf "{\"class\":\"clsNothing\",\"operation\":\"X\"}" >"$0/bad.json"; "$K" book "$0/bad.json" -o "$0/bad.html"' "$bookdir"
check book_bad_call_writes_nothing 1 "" test -e "$bookdir/bad.html"
check book_pdf_needs_file 2 "" "$K" book "$TK_SOURCE_DIR/examples/clsMaterial.steel.json" --pdf "$bookdir/b.pdf"

echo "$pass passed, $fail failed"
[ "$fail" = 0 ]
