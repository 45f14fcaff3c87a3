#include "operating_point.h"
#include "test_files.h"

#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <utility>
#include <vector>

using namespace vd;

TEST(OperatingPoint, StaticDutyAddsTheOutletVelocityPressure) {
    // 1 m3/s through 0.5 m²: v = 2 m/s, pv = 2.4 Pa, k = 102.4.
    float pv = VelocityPressure(1.0f, 0.5f);
    EXPECT_FLOAT_EQ(pv, 2.4f);
    EXPECT_FLOAT_EQ(SystemConstant(1.0f, 100.0f, pv), 102.4f);
}

TEST(OperatingPoint, NoOutletAreaMeansNoVelocityPressure) {
    EXPECT_EQ(VelocityPressure(1.0f, 0.0f), 0.0f);
    EXPECT_EQ(VelocityPressure(1.0f, -0.5f), 0.0f);
    EXPECT_EQ(VelocityPressure(1.0f, NAN), 0.0f);
    EXPECT_EQ(VelocityPressure(1.0f, INFINITY), 0.0f);
}

TEST(OperatingPoint, MeetsTheStraightSegmentThatBracketsK) {
    auto fan = vdtest::MakeFan(1, "PW", "A", {0.25f, 0.23f, 0.21f, 0.18f, 0.15f},
                               {0, 40, 75, 120, 160}, {62, 64, 66, 68, 70});
    // k = 2500 lies between the points at 0.21 (k 1701) and 0.18 (k 3704).
    OperatingPoint op = ComputeOperatingPoint(fan, 2500.0f);
    ASSERT_TRUE(op.found);
    // 2500 Q² = -1500 Q + 390
    const double q = (-1500 + std::sqrt(1500.0 * 1500 + 4 * 2500 * 390.0)) / 5000;
    EXPECT_NEAR(op.Qop, q, 1e-6);
    EXPECT_NEAR(op.Pop, 2500 * q * q, 1e-3);
    EXPECT_NEAR(op.Wop, 66 + (68 - 66) * (0.21 - q) / 0.03, 1e-3);
}

TEST(OperatingPoint, KOnACataloguePointTakesTheFirstSegmentThatHasIt) {
    auto fan = vdtest::MakeFan(1, "PW", "A", {2, 1, 0.5f}, {0, 100, 200}, {10, 20, 30});
    // k = 100 is ki of segment 1-2 and kp of segment 2-3: segment 1-2 wins.
    OperatingPoint op = ComputeOperatingPoint(fan, 100.0f);
    ASSERT_TRUE(op.found);
    EXPECT_FLOAT_EQ(op.Qop, 1.0f);
    EXPECT_FLOAT_EQ(op.Wop, 20.0f);
}

TEST(OperatingPoint, ZeroKMeetsTheLineWhereItsPressureIsZero) {
    auto fan = vdtest::MakeFan(1, "PW", "A", {2, 1, 0.5f}, {10, 100, 200});
    // kp at point 1 is 2.5 > 0: no segment brackets 0 ...
    EXPECT_FALSE(ComputeOperatingPoint(fan, 0.0f).found);
    // ... but a curve starting at zero pressure does, at its free-blowing volume.
    auto free = vdtest::MakeFan(1, "PW", "A", {2, 1, 0.5f}, {0, 100, 200});
    OperatingPoint op = ComputeOperatingPoint(free, 0.0f);
    ASSERT_TRUE(op.found);
    EXPECT_FLOAT_EQ(op.Qop, 2.0f);
    EXPECT_FLOAT_EQ(op.Pop, 0.0f);
}

TEST(OperatingPoint, NoBracketingSegmentGivesNoPoint) {
    auto fan = vdtest::MakeFan(1, "PW", "A", {2, 1, 0.5f}, {0, 100, 200});
    OperatingPoint op = ComputeOperatingPoint(fan, 5000.0f); // steeper than every point
    EXPECT_FALSE(op.found);
    EXPECT_EQ(op.Qop, 0.0f);
    EXPECT_EQ(op.Pop, 0.0f);
    EXPECT_EQ(op.Wop, 0.0f);
    auto none = vdtest::MakeFan(1, "PW", "A", {1}, {0}); // points 2..19 all zero
    EXPECT_FALSE(ComputeOperatingPoint(none, 10.0f).found);
}

TEST(OperatingPoint, ASegmentOfEqualVolumesDeliversThatVolume) {
    auto fan = vdtest::MakeFan(1, "PW", "A", {1, 1, 0.5f}, {0, 200, 300}, {10, 30, 40});
    OperatingPoint op = ComputeOperatingPoint(fan, 100.0f);
    ASSERT_TRUE(op.found);
    EXPECT_EQ(op.Qop, 1.0f);
    EXPECT_EQ(op.Pop, 100.0f);
    EXPECT_FLOAT_EQ(op.Wop, 20.0f); // interpolated by pressure: halfway from 0 to 200 Pa

    auto flat = vdtest::MakeFan(1, "PW", "A", {1, 1}, {50, 50}, {10, 30});
    OperatingPoint same = ComputeOperatingPoint(flat, 50.0f);
    ASSERT_TRUE(same.found);
    EXPECT_EQ(same.Wop, 10.0f);
}

TEST(OperatingPoint, AStallSegmentTakesTheRootThatLiesOnTheSegment) {
    // In a stall dip the pressure falls towards lower volumes: the line has a
    // positive slope and both roots are positive. The smaller one (0.50) lies
    // far off the segment 0.98..1; the segment's own root is the larger one.
    auto dip = vdtest::MakeFan(1, "PW", "A", {1, 0.98f}, {100, 97}, {10, 20});
    OperatingPoint op = ComputeOperatingPoint(dip, 100.5f);
    ASSERT_TRUE(op.found);
    EXPECT_GE(op.Qop, 0.98f);
    EXPECT_LE(op.Qop, 1.0f);

    // A segment that runs back to a higher volume takes the smaller root.
    auto back = vdtest::MakeFan(1, "PW", "A", {0.5f, 0.6f}, {100, 500}, {10, 20});
    op = ComputeOperatingPoint(back, 1000.0f);
    ASSERT_TRUE(op.found);
    EXPECT_GE(op.Qop, 0.5f);
    EXPECT_LE(op.Qop, 0.6f);
    EXPECT_NEAR(op.Pop, 4000 * op.Qop - 1900, 0.05); // on the line and on p = k Q²
}

TEST(OperatingPoint, PointsThatAreNotFinitePositiveVolumesAreSkipped) {
    auto fan = vdtest::MakeFan(1, "PW", "A", {2, NAN, -1, INFINITY, 1, 0.5f},
                               {0, 100, 100, 100, 100, 200});
    fan.pres[5] = 100;
    OperatingPoint op = ComputeOperatingPoint(fan, 100.0f);
    ASSERT_TRUE(op.found); // segment from point 1 straight to point 5
    EXPECT_FLOAT_EQ(op.Qop, 1.0f);
    auto nanPressure = vdtest::MakeFan(1, "PW", "A", {2, 1.5f, 1}, {0, NAN, 100});
    EXPECT_FLOAT_EQ(ComputeOperatingPoint(nanPressure, 100.0f).Qop, 1.0f);
}

TEST(OperatingPoint, Point20IsNeverUsed) {
    std::vector<float> vol(20), pres(20);
    for (int i = 0; i < 20; ++i) {
        vol[i] = 2.0f - 0.05f * i;
        pres[i] = i < 19 ? 10.0f * i : 10000.0f;
    }
    auto fan = vdtest::MakeFan(1, "PW", "A", vol, pres);
    float k19 = pres[18] / (vol[18] * vol[18]);
    EXPECT_FALSE(ComputeOperatingPoint(fan, k19 * 2).found);
}

namespace {

// The operating point as first written: both constants of every segment by
// extended division. The quick side test must give the same point, bit for bit.
OperatingPoint ByExtendedDivision(const TFanRecord& rec, float k) {
    using LD = long double;
    const PointTable &V = rec.vol, &P = rec.pres, &W = rec.power;
    OperatingPoint op;
    float Vp = V[1], Pp = P[1], Wp = W[1];
    if (Vp == 0)
        Vp = 0.00001f;
    for (int i = 2; i <= 19; ++i) {
        const float Vi = V[i], Pi = P[i], Wi = W[i];
        if (!(Vi > 0) || !std::isfinite(Vi) || !std::isfinite(Pi))
            continue;
        const float kp = static_cast<float>(static_cast<LD>(Pp) / (static_cast<LD>(Vp) * Vp));
        const float ki = static_cast<float>(static_cast<LD>(Pi) / (static_cast<LD>(Vi) * Vi));
        if (kp <= k && k <= ki) {
            op.found = true;
            if (Vi == Vp) {
                op.Qop = Vp;
                op.Pop = static_cast<float>(static_cast<LD>(k) * (static_cast<LD>(Vp) * Vp));
                op.Wop = Wp;
                if (Pi != Pp) {
                    const float t = static_cast<float>((static_cast<LD>(op.Pop) - Pp) /
                                                       (static_cast<LD>(Pi) - Pp));
                    op.Wop = static_cast<float>(Wp - (static_cast<LD>(Wp) - Wi) * t);
                }
                return op;
            }
            const float a =
                static_cast<float>((static_cast<LD>(Pi) - Pp) / (static_cast<LD>(Vi) - Vp));
            const float b = static_cast<float>(static_cast<LD>(Pp) - static_cast<LD>(a) * Vp);
            if (k == 0) {
                op.Qop = static_cast<float>(-static_cast<LD>(b) / a);
            } else {
                const LD s = std::sqrt(static_cast<LD>(a) * a + 4.0L * k * b);
                const float r1 = static_cast<float>((a - s) / (2.0L * k));
                const float r2 = static_cast<float>((a + s) / (2.0L * k));
                op.Qop = Vi < Vp ? r2 : r1;
            }
            op.Pop = static_cast<float>(static_cast<LD>(k) * (static_cast<LD>(op.Qop) * op.Qop));
            const float t =
                static_cast<float>((static_cast<LD>(op.Qop) - Vp) / (static_cast<LD>(Vi) - Vp));
            op.Wop = static_cast<float>(Wp - (static_cast<LD>(Wp) - Wi) * t);
            return op;
        }
        Vp = Vi;
        Pp = Pi;
        Wp = Wi;
    }
    return op;
}

bool SameFloat(float a, float b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// A fan of 19 points falling in volume and rising in pressure at the scales
// given, with random powers.
TFanRecord RandomFallingFan(std::mt19937& rng, float qs, float ps) {
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    std::vector<float> vol, pres, power;
    for (int i = 0; i < 19; ++i) {
        vol.push_back(qs * (2.0f - 0.1f * static_cast<float>(i) + 0.05f * unit(rng)));
        pres.push_back(ps * (10.0f * static_cast<float>(i) + 10.0f * unit(rng)));
        power.push_back(100.0f * unit(rng));
    }
    return vdtest::MakeFan(1, "PW", "A", vol, pres, power);
}

} // namespace

TEST(OperatingPoint, TheQuickSideTestGivesThePointOfTheExtendedDivision) {
    std::mt19937 rng(2024);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    std::uniform_int_distribution<int> scale(-30, 30), pick(2, 19), kind(0, 9);
    int found = 0;
    for (int fan = 0; fan < 4000; ++fan) {
        const float qs = std::ldexp(1.0f, scale(rng)), ps = std::ldexp(1.0f, scale(rng));
        auto rec = RandomFallingFan(rng, qs, ps);
        // Curves as catalogues hold them, and points the search must step over.
        switch (kind(rng)) {
        case 0:
            rec.vol[pick(rng)] = std::ldexp(unit(rng), -140); // a subnormal volume
            break;
        case 1:
        case 2:
            for (int i = pick(rng); i <= 19; ++i) // a shorter curve, zeros after it
                rec.vol[i] = rec.pres[i] = 0;
            break;
        case 3:
            rec.vol[pick(rng)] = 0; // a point missing between others
            break;
        case 4:
            rec.vol[1] = 0; // a curve from no volume at all
            break;
        case 5:
            (kind(rng) < 5 ? rec.pres : rec.vol)[pick(rng)] =
                kind(rng) < 5 ? INFINITY : std::numeric_limits<float>::quiet_NaN();
            break;
        case 6:
        case 7: {
            // A point far in scale from its neighbours: differences that
            // double does not hold exactly.
            const int i = pick(rng);
            const int shift = (kind(rng) < 5 ? 1 : -1) * (29 + 2 * kind(rng));
            float& v = kind(rng) < 5 ? rec.pres[i] : rec.vol[i];
            v = std::ldexp(v, shift);
            break;
        }
        default:
            break;
        }
        // k on a point's constant, one float step either side of it, and wider.
        const int i = pick(rng);
        const float ki = static_cast<float>(static_cast<long double>(rec.pres[i]) /
                                            (static_cast<long double>(rec.vol[i]) * rec.vol[i]));
        const float ks[] = {ki,
                            std::nextafter(ki, 0.0f),
                            std::nextafter(ki, INFINITY),
                            ki * (0.5f + unit(rng)),
                            std::ldexp(unit(rng), scale(rng) * 4),
                            0.0f};
        for (float k : ks) {
            const OperatingPoint want = ByExtendedDivision(rec, k);
            const OperatingPoint got = ComputeOperatingPoint(rec, k);
            ASSERT_EQ(got.found, want.found) << "fan " << fan << " k " << k;
            ASSERT_TRUE(SameFloat(got.Qop, want.Qop) && SameFloat(got.Pop, want.Pop) &&
                        SameFloat(got.Wop, want.Wop))
                << "fan " << fan << " k " << k;
            found += want.found;
        }
    }
    EXPECT_GT(found, 6000); // most cases meet a segment
}

TEST(OperatingPoint, SegmentsWhoseConstantsDoubleCannotSettleGetTheExtendedPoint) {
    // Falling segments from point 1 to point 2, the rest of the curve empty.
    struct Case {
        float V1, P1, V2, P2, k;
    };
    const Case cases[] = {
        {2, 1, 1, 16777218.0f, 1000},  // slope −(2^24 + 1): halfway between floats
        {2, 0x1p-40f, 1, 1000, 1},     // pressures 2^50 apart
        {1, 0.5f, 0x1p-30f, 1, 10},    // volumes 2^30 apart
        {2, 2, 1, 1, 0.75f},           // through the origin: no intercept
        {3, 1e-30f, 1, 2e-30f, 1e-30f} // constants near the smallest floats
    };
    for (const Case& c : cases) {
        std::vector<float> vol(20, 0.0f), pres(20, 0.0f), power(20, 0.0f);
        vol[0] = c.V1, pres[0] = c.P1, power[0] = 10;
        vol[1] = c.V2, pres[1] = c.P2, power[1] = 20;
        const auto rec = vdtest::MakeFan(1, "PW", "A", vol, pres, power);
        const OperatingPoint want = ByExtendedDivision(rec, c.k);
        const OperatingPoint got = ComputeOperatingPoint(rec, c.k);
        ASSERT_TRUE(want.found) << c.P2;
        EXPECT_TRUE(got.found && SameFloat(got.Qop, want.Qop) && SameFloat(got.Pop, want.Pop) &&
                    SameFloat(got.Wop, want.Wop))
            << c.V1 << " " << c.P1 << " " << c.V2 << " " << c.P2 << ": " << got.Qop << " against "
            << want.Qop;
    }
}

TEST(OperatingPoint, APowerLeftInTheRecordIsWorkedOutAsItWouldHaveBeenAtOnce) {
    std::mt19937 rng(77);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    std::vector<std::pair<TFanRecord, float>> cases;
    for (int fan = 0; fan < 1500; ++fan) {
        const TFanRecord rec = RandomFallingFan(rng, 1.0f, 1.0f);
        for (int i = 1; i <= 19; i += 3)
            cases.emplace_back(rec, static_cast<float>(rec.pres[i] / (rec.vol[i] * rec.vol[i])) *
                                        (0.9f + 0.2f * unit(rng)));
    }
    // Vertical segments: on equal pressures, where the point's power is its
    // first point's and the power past it, no number, is not used; and on
    // rising pressures.
    const float nan = std::numeric_limits<float>::quiet_NaN();
    cases.emplace_back(vdtest::MakeFan(1, "PW", "A", {1, 1, 0.5f}, {50, 50, 200}, {10, nan, 40}),
                       50.0f);
    cases.emplace_back(vdtest::MakeFan(1, "PW", "A", {1, 1, 0.5f}, {50, 80, 200}, {10, 20, 40}),
                       60.0f);
    int worked = 0;
    std::vector<unsigned char> bytes(kRecordSize);
    for (const auto& [rec, k] : cases) {
        EncodeFanRecord(rec, bytes.data());
        const OperatingPoint now = ComputeOperatingPoint(rec, k);
        CurvePoints curve = Curve1(bytes.data());
        curve.powersLater = true;
        OperatingPoint later = ComputeOperatingPoint(curve, k);
        ASSERT_EQ(later.found, now.found);
        worked += later.powerFrom != 0;
        WorkOutPower(later, bytes.data());
        ASSERT_EQ(later.powerFrom, 0);
        ASSERT_TRUE(SameFloat(later.Qop, now.Qop) && SameFloat(later.Pop, now.Pop) &&
                    SameFloat(later.Wop, now.Wop))
            << later.Wop << " against " << now.Wop;
    }
    EXPECT_GT(worked, 6000);
    EXPECT_EQ(ComputeOperatingPoint(cases[cases.size() - 2].first, 50.0f).Wop, 10.0f);
    EXPECT_EQ(ComputeOperatingPoint(cases.back().first, 60.0f).Wop, 10.0f + 10.0f / 3);
}

namespace {

bool FailsLow(float q, float duty, long double allowed) {
    return 100 - allowed > DeviationPercent(q, duty);
}
bool FailsHigh(float q, float duty, long double allowed) {
    return DeviationPercent(q, duty) > 100 + allowed;
}

} // namespace

TEST(OperatingPoint, UnlistedVolumesEndOnTheLastFloatThatFailsEachWay) {
    std::mt19937 rng(77);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    std::uniform_int_distribution<int> scale(-40, 40);
    for (int i = 0; i < 3000; ++i) {
        const float duty = std::ldexp(0.5f + unit(rng), scale(rng));
        const long double allowed =
            i % 5 == 0 ? 0.0L
                       : static_cast<long double>(i % 7 == 0 ? 200 * unit(rng) : 20 * unit(rng));
        const UnlistedVolumes u = UnlistedVolumesFor(duty, allowed);
        const auto low = static_cast<float>(u.lowAtMost);
        ASSERT_EQ(static_cast<double>(low), u.lowAtMost);
        if (low > 0)
            ASSERT_TRUE(FailsLow(low, duty, allowed))
                << duty << " " << static_cast<double>(allowed);
        else
            ASSERT_EQ(low, 0.0f);
        ASSERT_FALSE(FailsLow(std::nextafter(low, INFINITY), duty, allowed))
            << duty << " " << static_cast<double>(allowed);
        if (std::isinf(u.highAtLeast)) {
            ASSERT_FALSE(FailsHigh(std::numeric_limits<float>::max(), duty, allowed));
            continue;
        }
        const auto high = static_cast<float>(u.highAtLeast);
        ASSERT_TRUE(FailsHigh(high, duty, allowed)) << duty << " " << static_cast<double>(allowed);
        ASSERT_FALSE(FailsHigh(std::nextafter(high, 0.0f), duty, allowed))
            << duty << " " << static_cast<double>(allowed);
        ASSERT_LT(low, high);
    }
    // Deviations of 100% and more fail no positive volume low.
    EXPECT_EQ(UnlistedVolumesFor(2.0f, 100.0L).lowAtMost, 0.0);
    // Without a usable duty there are no bounds.
    for (const auto& [duty, allowed] : std::vector<std::pair<float, long double>>{{0.0f, 5.0L},
                                                                                  {-1.0f, 5.0L},
                                                                                  {NAN, 5.0L},
                                                                                  {INFINITY, 5.0L},
                                                                                  {1.0f, -1.0L},
                                                                                  {1.0f, NAN}}) {
        const UnlistedVolumes u = UnlistedVolumesFor(duty, allowed);
        EXPECT_TRUE(std::isinf(u.lowAtMost) && u.lowAtMost < 0 && std::isinf(u.highAtLeast));
    }
}

TEST(OperatingPoint, APointLeftUnworkedFailsTheDeviationAndTheRestAreWorkedAsBefore) {
    // Segments of every steepness and scale, including near-vertical ones whose
    // root cancels; duties whose bounds fall near the roots.
    std::mt19937 rng(99);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    std::uniform_int_distribution<int> scale(-20, 20), pick(2, 18), kind(0, 3);
    int below = 0, above = 0, worked = 0;
    for (int fan = 0; fan < 6000; ++fan) {
        const float qs = std::ldexp(1.0f, scale(rng)), ps = std::ldexp(1.0f, scale(rng));
        auto rec = RandomFallingFan(rng, qs, ps);
        const int i = pick(rng);
        if (kind(rng) == 0) // a nearly vertical segment
            rec.vol[i + 1] = std::nextafter(rec.vol[i], 0.0f);
        const float ki = static_cast<float>(static_cast<long double>(rec.pres[i]) /
                                            (static_cast<long double>(rec.vol[i]) * rec.vol[i]));
        // Small constants meet the segments by the curve's end, where the
        // root's sum cancels most of its digits.
        const int how = kind(rng);
        if (how == 1)
            rec.pres[1] = 0;
        const float k = how == 0   ? ki
                        : how == 1 ? ki * std::ldexp(unit(rng), -scale(rng) - 20)
                                   : ki * (0.5f + unit(rng));
        const OperatingPoint exact = ByExtendedDivision(rec, k);
        // A duty near the exact point (the bounds then fall at the root), or anywhere.
        const float near = exact.Qop > 0 ? exact.Qop : qs;
        const int where = kind(rng);
        const float duty = where == 0   ? std::ldexp(0.5f + unit(rng), scale(rng))
                           : where == 1 ? near
                                        : near * (0.9f + 0.2f * unit(rng));
        const long double allowed =
            kind(rng) == 0 ? 0.0L : static_cast<long double>(10 * unit(rng));
        const UnlistedVolumes u = UnlistedVolumesFor(duty, allowed);
        const OperatingPoint got = ComputeOperatingPoint(CurveOf(rec), k, &u);
        ASSERT_EQ(got.found, exact.found);
        const bool usable =
            exact.found && exact.Qop > 0 && std::isfinite(exact.Qop) && std::isfinite(exact.Pop);
        if (got.belowRange) {
            ASSERT_TRUE(!usable || FailsLow(exact.Qop, duty, allowed)) << "fan " << fan;
            ++below;
        } else if (got.aboveRange) {
            ASSERT_TRUE(usable && FailsHigh(exact.Qop, duty, allowed)) << "fan " << fan;
            ++above;
        } else {
            ASSERT_TRUE(SameFloat(got.Qop, exact.Qop) && SameFloat(got.Pop, exact.Pop) &&
                        SameFloat(got.Wop, exact.Wop))
                << "fan " << fan;
            ++worked;
        }
    }
    EXPECT_GT(below, 500);
    EXPECT_GT(above, 500);
    EXPECT_GT(worked, 1000);
}
