#include "explain_document.h"

#include "codepage.h"
#include "fan_verdict.h"
#include "json_writer.h"
#include "select_document.h"
#include "units.h"
#include "vd_variables.h"

namespace vdcat {
namespace {

struct Value {
    std::string key;
    std::string text; // a JSON number token, or a UTF-8 string
    bool number = false;
};

struct Test {
    std::string name;
    std::vector<Value> values;
    std::string outcome; // passed, failed, found, not found, not tested, not reached
    std::string reason;  // the reason a failed test gives
};

Value Num(const std::string& key, float v) {
    return {key, ShortestNumber(v), true};
}
Value Num(const std::string& key, long double v) {
    return {key, ShortestNumber(v), true};
}
Value Int(const std::string& key, long long v) {
    return {key, std::to_string(v), true};
}
Value Text(const std::string& key, const std::string& cp1252) {
    return {key, vd::Cp1252ToUtf8(cp1252), false};
}

std::string FlagName(const std::string* flag) {
    for (const auto& f : vd::FamilyFlags())
        if (f.flag == flag)
            return f.name;
    return {};
}

// A test the run made, or one it did not reach because an earlier one failed.
std::string Outcome(const vd::FanVerdict& v, bool ok, const char* pass = "passed",
                    const char* fail = "failed") {
    if (!v.dutyReached)
        return "not reached";
    return ok ? pass : fail;
}

std::vector<Test> Tests(const vd::TFanRecord& rec, const vd::FanVerdict& v) {
    std::vector<Test> tests;
    Test family{"family", {Text("family", rec.family.str())}, "passed", ""};
    if (v.familyFlag) {
        family.values.push_back(Text("flag", FlagName(v.familyFlag)));
        family.values.push_back(Text("flag_value", *v.familyFlag));
    }
    if (v.familyReason != "OK") {
        family.outcome = "failed";
        family.reason = v.familyReason;
    }
    tests.push_back(family);

    if (!v.supplyTested) {
        tests.push_back({"supply", {Text("supply", "any")}, "not tested", ""});
    } else {
        auto supply = [&](const char* name, Value duty, Value fan, bool ok, const char* reason) {
            tests.push_back({name, {duty, fan}, ok ? "passed" : "failed", ok ? "" : reason});
        };
        supply("phase", Int("supply", vd::SupplyPhases), Int("fan", rec.phases), v.phaseOk,
               "Phase");
        supply("hz", Int("supply", vd::SupplyHz), Int("fan", rec.hz), v.hzOk, "Hz");
        supply("volts", Text("supply", vd::SupplyVolts), Text("fan", rec.volts.str()), v.voltsOk,
               "Volts");
    }

    Test point{"operating_point",
               {Num("pv", v.pv), Num("k", v.k), Num("qop", v.op.Qop), Num("pop", v.op.Pop),
                Num("wop", v.op.Wop), Num("percent", v.dev),
                Text("qop_shown", vd::FormatInUnit(vd::VolumeUnits(), vd::VolumeUnit, v.op.Qop) +
                                      " " + vd::VolumeUnit)},
               Outcome(v, v.usable, "found", "not found"),
               ""};
    tests.push_back(point);
    Test minPa{"minimum_pressure",
               {Int("min_pa", rec.min_pa[1]), Num("pop", v.op.Pop)},
               Outcome(v, v.minPaOk),
               ""};
    if (v.dutyReached && !v.minPaOk)
        minPa.reason = "<MinPa";
    tests.push_back(minPa);
    Test band{"deviation",
              {Num("low", 100 - v.allowed), Num("percent", v.dev), Num("high", 100 + v.allowed)},
              Outcome(v, v.overOk && v.underOk),
              ""};
    if (v.dutyReached && !v.underOk)
        band.reason = "Dev<";
    else if (v.dutyReached && !v.overOk)
        band.reason = ">Dev";
    tests.push_back(band);
    return tests;
}

} // namespace

std::string ExplainDocument(const DutyRequest& r, const vd::TFanRecord& rec, bool json) {
    const vd::FanVerdict v = vd::JudgeFan(rec, ControlsFor(r), true);
    const std::vector<Test> tests = Tests(rec, v);
    const std::string verdict = v.reason == "OK" ? "listed" : v.reason;
    if (json) {
        JsonWriter j;
        j.BeginObject();
        j.Key("fan").Number(rec.fan_no);
        j.Key("model").String(vd::Cp1252ToUtf8(rec.model.str()));
        WriteDuty(j, r);
        j.Key("units").BeginObject();
        j.Key("pv").String("Pa").Key("k").String("Pa/(m3/s)2");
        j.Key("qop").String("m3/s").Key("pop").String("Pa").Key("wop").String("W");
        j.Key("percent").String("%").Key("min_pa").String("Pa");
        j.EndObject();
        j.Key("tests").BeginArray();
        for (const Test& t : tests) {
            j.BeginObject();
            j.Key("test").String(t.name);
            for (const Value& value : t.values) {
                j.Key(value.key);
                value.number ? j.Number(value.text) : j.String(value.text);
            }
            j.Key("outcome").String(t.outcome);
            t.reason.empty() ? j.Key("reason").Null() : j.Key("reason").String(t.reason);
            j.EndObject();
        }
        j.EndArray();
        j.Key("verdict").String(verdict);
        j.EndObject();
        return j.str() + "\n";
    }
    std::string out =
        "fan " + std::to_string(rec.fan_no) + " " + vd::Cp1252ToUtf8(rec.model.str()) + "\n";
    for (const Test& t : tests) {
        out += t.name + ":";
        for (std::size_t i = 0; i < t.values.size(); ++i)
            out += (i ? ", " : " ") + t.values[i].key + " " + t.values[i].text;
        out += ": " + t.outcome;
        if (!t.reason.empty())
            out += " (" + t.reason + ")";
        out += "\n";
    }
    return out + "verdict: " + verdict + "\n";
}

} // namespace vdcat
