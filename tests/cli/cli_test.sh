#!/usr/bin/env bash
# kalbex host contract: output shapes, write-back, exit codes of every contract error.
set -u
K="${KALBEX:?}"
fail=0; pass=0
err="$(mktemp)"; trap 'rm -f "$err"' EXIT
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

echo "$pass passed, $fail failed"
[ "$fail" = 0 ]
