#!/usr/bin/env bash
# kalbex with input it must refuse: deep nesting, inputs that are no file or too large, a value of
# the wrong kind behind calls with side effects, overflowing numbers. Each gives a clear message
# and exit 2 (or the calculator's own code), never a crash.
set -u
K="${KALBEX:?}"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
fail=0; pass=0
check() {  # name, expected exit, expected stdout substring ("" = must be empty), stderr substring, command...
  local name="$1" want_rc="$2" want_out="$3" want_err="$4"; shift 4
  local out rc err
  out="$("$@" 2>"$tmp/err")"; rc=$?
  err="$(cat "$tmp/err")"
  if [ "$rc" != "$want_rc" ]; then echo "FAIL $name: exit $rc, wanted $want_rc; stderr: ${err:0:300}"; fail=$((fail+1)); return; fi
  if [ -z "$want_out" ] && [ -n "$out" ]; then echo "FAIL $name: stdout not empty: ${out:0:300}"; fail=$((fail+1)); return; fi
  if [ -n "$want_out" ] && [[ "$out" != *"$want_out"* ]]; then echo "FAIL $name: stdout lacks $want_out: ${out:0:300}"; fail=$((fail+1)); return; fi
  if [ -n "$want_err" ] && [[ "$err" != *"$want_err"* ]]; then echo "FAIL $name: stderr lacks $want_err: ${err:0:300}"; fail=$((fail+1)); return; fi
  if [[ "$out" == *Infinity* || "$out" == *NaN* ]]; then echo "FAIL $name: a non-finite number in the output"; fail=$((fail+1)); return; fi
  pass=$((pass+1))
}
rep() { head -c "$2" /dev/zero | tr '\0' "$1"; }  # one character, n times

# Nesting: 20,000 arrays, objects and controls deep, and just within the limit of 64.
rep '[' 20000 >"$tmp/a"; rep ']' 20000 >"$tmp/b"
{ printf '{"class":"clsMaterial","operation":"CtoEc","args":{"c":'; cat "$tmp/a" "$tmp/b"; printf '}}'; } >"$tmp/arrays.json"
check nested_arrays 2 "" "nest deeper than 64 levels" "$K" run "$tmp/arrays.json"
for i in $(seq 20000); do printf '{"a":'; done >"$tmp/a"; rep '}' 20000 >"$tmp/b"
{ printf '{"class":"clsMaterial","operation":"CtoEc","args":{"c":'; cat "$tmp/a"; printf 1; cat "$tmp/b"; printf '}}'; } >"$tmp/objects.json"
check nested_objects 2 "" "nest deeper than 64 levels" "$K" run "$tmp/objects.json"
for i in $(seq 10000); do printf '{"$control":'; done >"$tmp/a"; rep '}' 10000 >"$tmp/b"
{ printf '{"class":"clsMaterial","operation":"HntQdAddCboB","args":{"iSign":0,"CboB":'; cat "$tmp/a"; printf '{}'; cat "$tmp/b"; printf ',"Text":"25"}}'; } >"$tmp/controls.json"
check nested_controls 2 "" "nest deeper than 64 levels" "$K" run "$tmp/controls.json"
{ printf '{"class":"clsMaterial","operation":"CtoEc","args":{"c":'; rep '[' 61; rep ']' 61; printf '}}'; } >"$tmp/ok.json"
check nesting_within_limit 2 "" "cannot take a value of kind" "$K" run "$tmp/ok.json"
# brackets inside texts do not count
check brackets_in_text 0 '"operation": "dGanJinFy"' "" bash -c "printf '%s' '{\"class\":\"clsMaterial\",\"operation\":\"dGanJinFy\",\"args\":{\"tText\":\"Ⅱ级$(rep '[' 100)\"}}' | '$K' run -"

# Inputs that are no call file.
check directory 2 "" "is not a regular file" "$K" run "$tmp"
check dev_zero 2 "" "is not a regular file" timeout 10 "$K" run /dev/zero
mkfifo "$tmp/fifo"
check fifo 2 "" "is not a regular file" timeout 10 "$K" run "$tmp/fifo"
head -c 17000000 /dev/zero | tr '\0' ' ' >"$tmp/big.json"
check file_too_large 2 "" "at most 16 MB" "$K" run "$tmp/big.json"
check stdin_too_large 2 "" "at most 16 MB" bash -c "'$K' run - <'$tmp/big.json'"
{ printf '{"class":"clsMaterial","operation":"dGanJinFy","args":{"tText":"'; rep a 1048577; printf '"}}'; } >"$tmp/long.json"
check text_too_long 2 "" "a text has at most 1048576 bytes" "$K" run "$tmp/long.json"

# The expression in As: 100,000 brackets or a million signs are the field's input error (3003).
{ printf '{"class":"clsMVT","operation":"MVTCommon","args":{"lErr":0,"tErr":"","tJmXs":"矩形截面","c":30,"Fy":310,"Fy1":310,"Fyv":210,"Rlfo":1,"M":100,"B":250,"H":500,"Cas":35,"Cas1":35,"S":100,"Es":200000,"tAs1":"'
  rep '(' 100000; printf 'As'; rep ')' 100000; printf '"}}'; } >"$tmp/as1.json"
check as1_brackets 0 '"lErr": 3003' "" "$K" run "$tmp/as1.json"
{ printf '{"class":"clsMVT","operation":"MVTCommon","args":{"lErr":0,"tErr":"","tJmXs":"矩形截面","c":30,"Fy":310,"Fy1":310,"Fyv":210,"Rlfo":1,"M":100,"B":250,"H":500,"Cas":35,"Cas1":35,"S":100,"Es":200000,"tAs1":"'
  rep '-' 1000000; printf '0.3As"}}'; } >"$tmp/as1.json"
check as1_signs 0 '"lErr": 3003' "" "$K" run "$tmp/as1.json"

# A value of the wrong kind in the third call: nothing runs, the second call's save is not made.
save="$tmp/saved.tav"
cat >"$tmp/three.json" <<JSON
[{"class":"clsMaterial","operation":"CtoEc","args":{"c":20}},
 {"class":"clsBeamPjOld","operation":"LoadOrSaveData","args":{"tMode":"保存数据","tDataSaveName":"$save","frmMain":{"\$form":{}}}},
 {"class":"clsMaterial","operation":"CtoEc","args":{"c":"abc"}}]
JSON
check wrong_kind_stops_before_any_call 2 "" "call 3 (clsMaterial.CtoEc): parameter c" "$K" run "$tmp/three.json"
if [ -e "$save" ]; then echo "FAIL wrong_kind_stops_before_any_call: the save ran"; fail=$((fail+1)); else pass=$((pass+1)); fi
# the same file with the third call put right saves
sed -i 's/"abc"/30/' "$tmp/three.json"
check save_runs_when_all_calls_are_right 0 '"return": 30000' "" "$K" run "$tmp/three.json"
if [ -s "$save" ]; then pass=$((pass+1)); else echo "FAIL save_runs_when_all_calls_are_right: no file"; fail=$((fail+1)); fi

# Overflow: a number beyond the double range is refused; a result beyond it never printed.
check json_number_overflow 2 "" "number overflow" bash -c "printf '%s' '{\"class\":\"clsMaterial\",\"operation\":\"CtoEc\",\"args\":{\"c\":1e400}}' | '$K' run -"
check float_parameter_overflow 2 "" "out of range" bash -c "printf '%s' '{\"class\":\"clsMaterial\",\"operation\":\"CtoFcm\",\"args\":{\"sC\":1e39}}' | '$K' run -"
check result_overflow 2 "" "FyToEs: its result is not a finite number" bash -c "printf '%s' '{\"class\":\"clsMaterial\",\"operation\":\"FyToEs\",\"args\":{\"Fy\":1e308}}' | '$K' run -"
check grade_text_overflow 2 "" "dGanJinFy: its result is not a finite number" bash -c "printf '%s' '{\"class\":\"clsMaterial\",\"operation\":\"dGanJinFy\",\"args\":{\"tText\":\"1e400\"}}' | '$K' run -"
check shear_text_overflow 0 '"lErr": 200199' "" bash -c "sed 's/\"tFyv\": \"Ⅰ级\"/\"tFyv\": \"1e400\"/' '${TK_SOURCE_DIR:?}/examples/clsMoment.CalV_As.json' | '$K' run -"
ex="${TK_SOURCE_DIR:?}/examples"
check crack_width_huge_height 0 '"lErrNumber": 900999' "" bash -c "sed 's/\"H\": 500/\"H\": 1e308/' '$ex/clsLfKd.LfKdCommon_1.flexure.json' | '$K' run -"
check mvt_tiny_fyv 0 '"lErr": 900999' "" bash -c "sed 's/\"Fyv\": 210/\"Fyv\": 1e-305/' '$ex/clsMVT.MVTCommon.t_section_03As.json' | '$K' run -"
check mvt_negative_width 0 '"lErr": 3004' "" bash -c "sed 's/\"B\": 250/\"B\": -250/' '$ex/clsMVT.MVTCommon.t_section_03As.json' | '$K' run -"
check beam_bars_text_overflow 0 '"lErr": 501' "" bash -c "sed 's/\"200\", \"150\"\]/\"200\", \"1e400\"]/' '$ex/clsBeamPjOld.Calculate.crack_width.json' | '$K' run -"
check earth_pressure_text_overflow 0 '"lErrNumber": 800101' "" bash -c "sed 's/\"18\", \"6\"/\"1e400\", \"6\"/' '$ex/clsDtqKa.CalResult.cohesive.json' | '$K' run -"
check stiffness_tiny_and_huge_areas 0 '"lErr": 9903' "" bash -c "sed 's/\"dAs\": [0-9.]*/\"dAs\": 1e-300/; s/\"dAs1\": [0-9.]*/\"dAs1\": -1e300/' '$ex/clsBendComponentBl.BendComponentBl.t_section.json' | '$K' run -"
check wind_negative_pressure 0 '"lErrNumber": 600104' "" bash -c "sed 's/\"sWo\": 0.55/\"sWo\": -0.55/' '${TK_SOURCE_DIR:?}/examples/clsWind.CalWindJz.frame_t1.json' | '$K' run -"
check wind_short_arrays 0 '"lErrNumber": 600105' "" bash -c "sed 's/\"sB\": \[36, 36, 30,/\"sB\": [/' '${TK_SOURCE_DIR:?}/examples/clsWind.CalWindJz.frame_t1.json' | '$K' run -"

echo "$pass passed, $fail failed"
[ "$fail" = 0 ]
