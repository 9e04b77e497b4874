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

echo "$pass passed, $fail failed"
[ "$fail" = 0 ]
