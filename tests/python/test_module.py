"""tavrine_kalbex from Python: calls by keyword, by-ref arrays and records, host forms, error
codes with their messages, the kalbex call contract, and threads calculating at once."""
import math
import threading

import pytest

import tavrine_kalbex as tk


def flexure_by_hand(M_knm, fy, fcm, b, h, a_s):
    """GBJ 10-89 singly reinforced rectangle, ordinary section: x = ho - sqrt(ho^2 - 2M/(fcm b))."""
    ho = h - a_s
    x = ho - math.sqrt(ho * ho - 2 * M_knm * 1e6 / (fcm * b))
    return x / ho, fcm * b * x / fy, fcm * b * x / fy / (b * ho)


def test_flexure_design_by_keyword_matches_hand_calculation():
    m = tk.create("clsMoment")
    r = m.MuAsCommon(iK=1, iSecPos=5, dMu=100, sFy=310, sFcm=11, sB=200, sH=500, sCas=35)
    xi, As, rho = flexure_by_hand(100, 310, 11, 200, 500, 35)  # xi 0.2387, As 787.7 mm2
    assert r["lErrNumber"] == 0
    assert "error" not in r and r["return"] is None
    assert r["dAs"] == pytest.approx(As, rel=1e-5)
    assert r["sKc"] == pytest.approx(xi, rel=1e-5)
    assert r["sP"] == pytest.approx(rho, rel=1e-5)
    assert r["dMu"] == pytest.approx(100e6)  # written back in N.mm in this direction


def test_report_operation_with_steel_grade_as_engineers_type_it():
    m = tk.create("TavrineKalbex.clsMoment")
    # C20 has fcm = 11 N/mm2; "II级" is grade Ⅱ, fy = 310
    r = m.CalMu_As(iK=1, iSecPos=5, dMu=100, tFy="II级", iFcm=0, sFcm=20, sB=200, sH=500,
                   sCas=35, tText="L1")
    assert r["lErrNumber"] == 0
    assert r["dAs"] == pytest.approx(flexure_by_hand(100, 310, 11, 200, 500, 35)[1], rel=1e-5)
    assert r["tText"].startswith("弯矩 L1计算结果")
    assert "\r\n" in r["tText"]  # the report text exactly as built


def test_positional_arguments_and_function_values():
    mat = tk.create("clsMaterial")
    assert mat.FyToEs(260)["return"] == 205000
    r = mat.dGanJinFy("HRB335", 0)
    assert r["return"] == 310 and r["I"] == 1


def test_by_ref_array_wind_load_per_storey():
    w = tk.create("clsWind")
    r = w.CalWindJz(tJgLx="高层建筑（钢筋混凝土框架、框剪结构）", sWo=0.55, sTzXs=1.0, iCzd=2,
                    iScFs=0, N=2, sH=[5, 5], sB=[20, 20], sUs=[1.3, 1.3], bAutoCalT1=False,
                    sT1=0.3, Wk=[], tText="")
    # GBJ 9-87: wo T1^2 = 0.0495 -> xi = 1.17 + (0.0095 / 0.02) * 0.02 = 1.1795 (concrete);
    # H/B = 0.5, roughness B -> v = 0.45; z/H 0.5 and 1 -> psi_z 0.53 and 1; mu_z 0.80 and 1.00
    xi, v = 1.1795, 0.45
    wk1 = (1 + xi * v * 0.53 / 0.80) * 1.3 * 0.80 * 0.55
    wk2 = (1 + xi * v * 1.00 / 1.00) * 1.3 * 1.00 * 0.55
    assert r["lErrNumber"] == 0
    assert r["Wk"] == pytest.approx([wk1, wk2], rel=1e-4)  # 0.7731, 1.0945 kN/m2


def test_record_in_and_out():
    s = tk.create("clsBendComponentBl")
    sec = {"iType": 1, "B": 200, "H": 500, "Bf": 0, "Hf": 0, "Bf1": 0, "Hf1": 0}
    r = s.BendComponentBl(lErr=0, bL=0, uSec=sec, Cas=35, dAs=942, dAs1=0, dMs=80, dMl=60,
                          Ftk=1.75, Es=200000, Ec=28000)
    assert r["lErr"] == 0
    assert list(r["uSec"]) == ["iType", "B", "H", "Bf", "Hf", "Bf1", "Hf1"]
    assert r["uSec"]["B"] == 200 and r["uSec"]["H"] == 500
    assert r["bL"] > 0


def test_host_controls_from_dicts():
    mat = tk.create("clsMaterial")
    r = mat.HntQdAddCboB(iSign=0, CboB=tk.control(), lblB=tk.control(Caption=""), Text="25")
    assert r["lblB"]["$control"]["Caption"] == "混凝土强度等级："
    assert len(r["CboB"]["$control"]["List"]) == 12


def test_host_form_bound_to_an_object_stays_bound():
    m = tk.create("clsMoment")
    frm = tk.form("x", CboB=[{"Text": "25"}, {"Text": "Ⅱ级"}])
    assert frm == {"$form": {"CboB": [{"Text": "25"}, {"Text": "Ⅱ级"}]}, "name": "x"}
    r = m.Let_Controls(frmM=tk.form(), frmX=frm)
    assert r["frmX"]["$form"]["CboB"][1]["Text"] == "Ⅱ级"


def test_error_code_with_its_message():
    m = tk.create("clsMoment")
    r = m.MuAsCommon(iK=1, iSecPos=5, dMu=100, sFy=310, sFcm=11, sB=200, sH=500, sCas=500)
    assert r["lErrNumber"] == 100108
    assert r["error"]["code"] == 100108
    assert r["error"]["kind"] == "stop"
    assert "as >= h" in r["error"]["message"]
    # xi above xi_b: a warning, every output still written
    w = m.MuAsCommon(iK=1, iSecPos=5, dMu=200, sFy=310, sFcm=11, sB=200, sH=500, sCas=35)
    assert w["error"] == {"code": 100112, "kind": "warning",
                          "message": tk.explain(100112, "clsMoment")["message"]}
    assert w["dAs"] > 0
    assert tk.explain(900200, "clsLfKd")["kind"] == "success"


def test_unknown_steel_grade_is_named():
    r = tk.create("clsMaterial").dGanJinFy(tText="HRB500")
    assert r["return"] == 0
    assert "“HRB500”" in r["error"]["message"]


def test_contract_errors():
    m = tk.create("clsMoment")
    with pytest.raises(AttributeError):
        m.NoSuchOperation
    with pytest.raises(TypeError):  # ContractError: a text where a number is required
        m.MuAsCommon(iK="abc")
    with pytest.raises(TypeError):
        m.MuAsCommon(nothing=1)
    with pytest.raises(ValueError):
        tk.create("clsNothing")


def test_help_shows_the_parameter_table():
    m = tk.create("clsMoment")
    text = m.CalMu_As.__doc__
    assert "sPmin" in text and "最小配筋率ρmin" in text and "in/out" in text
    assert "CalMu_As" in dir(m)
    assert "Text() by position" in tk.doc("clsBeamPjOld", "Calculate")


def test_run_takes_the_kalbex_call_objects():
    out = tk.run([
        {"class": "clsMaterial", "operation": "CtoEc", "args": {"c": 22.5}},
        {"class": "clsMoment", "operation": "MuAsCommon", "object": "m",
         "args": {"iK": 1, "iSecPos": 5, "dMu": 100, "sFy": 310, "sFcm": 11, "sB": 200,
                  "sH": 500, "sCas": 500}},
    ])
    assert out[0]["return"] == 26750
    assert out[1]["error"]["code"] == 100108
    assert tk.run({"class": "clsMaterial", "operation": "FyToEs", "args": [310]})["return"] == 200000


def designs(moments):
    m = tk.create("clsMoment")
    return [m.CalMu_As(iK=1, iSecPos=5, dMu=M, tFy="Ⅱ级", iFcm=0, sFcm=25, sB=250, sH=600,
                       sCas=40, tText=f"L{M}") for M in moments]


def test_two_threads_calculate_at_once_with_the_results_of_one():
    moments = [20 + 5 * k for k in range(60)]
    expected = designs(moments)
    results = [None, None]
    errors = []

    def work(slot):
        try:
            results[slot] = designs(moments)
        except Exception as e:  # pragma: no cover - reported below
            errors.append(e)

    threads = [threading.Thread(target=work, args=(k,)) for k in range(2)]
    for t in threads:
        t.start()
    for t in threads:
        t.join()
    assert not errors
    assert results[0] == expected and results[1] == expected


def test_book_of_calls_with_the_sketch_and_verdict():
    calls = [{"class": "clsMoment", "operation": "CalMu_As", "label": "KL9",
              "args": {"tText": "", "lErrNumber": 0, "iK": 1, "iSecPos": 5, "dMu": 100,
                       "dAs": 0, "tFy": "Ⅱ级", "iFcm": 0, "sFcm": 20, "sB": 200, "sH": 500,
                       "sCas": 35, "sKc": 0, "sP": 0, "sPmin": 0, "sKcb": 0}}]
    html = tk.book(calls, project="测试工程")
    assert html.startswith("<!DOCTYPE html>")
    assert "<h1>测试工程</h1>" in html
    assert "<h2>KL9" in html
    assert 'class="summary pass"' in html
    assert 'class="outline"' in html  # the 200 x 500 section
    with pytest.raises(tk.ContractError):
        tk.book({"class": "clsNone", "operation": "x"})
