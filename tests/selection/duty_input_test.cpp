#include "selection_fixture.h"

#include "duty_input.h"

using namespace vd;

class SelectButton : public SelectionTest {
  protected:
    SelectOutcome Press() {
        ++resets; // the caller's reset happens before the run; count the button's own
        return RunSelectButton(in, controls, grid, messages, [&] {
            ++buttonResets;
            ResetResultsGrid(grid, in.volumeUnitText, in.pressureUnitText);
        });
    }
    DutyInputs in;
    int resets = 0, buttonResets = 0;
};

TEST_F(SelectButton, VolumeIsCheckedFirst) {
    in.volume = 0;
    in.pressure = -5;
    EXPECT_EQ(Press(), SelectOutcome::VolumeIncorrect);
    EXPECT_EQ(messages.shown, std::vector<std::string>{"Volume incorrect"});
    EXPECT_EQ(buttonResets, 0);
}

TEST_F(SelectButton, ARejectedPressStillStoresTypeAndValues) {
    in.pressureTypeIndex = 0;
    in.volume = 2.5L;
    in.pressure = -1;
    DutyVolume = 7;
    EXPECT_EQ(Press(), SelectOutcome::PressureIncorrect);
    EXPECT_EQ(messages.shown, std::vector<std::string>{"Pressure incorrect"});
    EXPECT_EQ(PressureType, "Static");
    EXPECT_EQ(EnteredVolume, 2.5f);
    EXPECT_EQ(EnteredPressure, -1.0f);
    EXPECT_EQ(DutyVolume, 7.0f); // not converted
}

TEST_F(SelectButton, ZeroPressureIsAcceptedAndUnitsConvert) {
    Catalogue({});
    in.volume = 1;
    in.volumeUnitText = "cfm";
    in.pressure = 0;
    in.pressureUnitText = "inwg";
    EXPECT_EQ(Press(), SelectOutcome::Ran);
    EXPECT_EQ(DutyVolume, static_cast<float>(1.0L / 2118));
    EXPECT_EQ(DutyPressure, 0.0f);
    EXPECT_EQ(VolumeUnit, "cfm");
    EXPECT_EQ(buttonResets, 1);
    in.pressure = 1;
    Press();
    EXPECT_EQ(DutyPressure, 250.0f);
}

TEST_F(SelectButton, NoPressureTypeChosenMeansTotal) {
    Catalogue({});
    in.pressureTypeIndex = -1;
    in.volume = 1;
    Press();
    EXPECT_EQ(PressureType, "Total");
}

TEST_F(SelectButton, NoSupplyChosenKeepsThePreviousSupply) {
    Catalogue({});
    in.volume = 1;
    in.supplyIndex = 3;
    Press();
    EXPECT_EQ(SupplyVolts, "110-127");
    EXPECT_EQ(SupplyHz, 60);
    in.supplyIndex = -1;
    Press();
    EXPECT_EQ(SupplyVolts, "110-127");
    in.supplyIndex = 0;
    Press();
    EXPECT_EQ(SupplyVolts, "Any");
    EXPECT_EQ(SupplyPhases, 0);
}

TEST_F(SelectButton, AnUnknownUnitLeavesTheDutyValueUnchanged) {
    Catalogue({});
    DutyVolume = 3;
    in.volume = 1;
    in.volumeUnitText = "m3/min";
    Press();
    EXPECT_EQ(VolumeUnit, "m3/m"); // first four characters
    EXPECT_EQ(DutyVolume, 3.0f);
}

TEST(NumericEntry, UnreadableTextReadsAsZeroAndDeviationIsClamped) {
    EXPECT_EQ(ReadNumericEntry("1,5", ','), 1.5L);
    EXPECT_EQ(ReadNumericEntry("1.5", ','), 0.0L);
    EXPECT_EQ(ReadNumericEntry("abc", '.'), 0.0L);
    EXPECT_EQ(ClampDeviation(-3), 0.0L);
    EXPECT_EQ(ClampDeviation(250), 100.0L);
    EXPECT_EQ(ClampDeviation(12.5L), 12.5L);
}

class FlagRules : public SelectionTest {};

TEST_F(FlagRules, TotalPressureIsRefusedForStaticOnlyFamilies) {
    for (const auto& f : FamilyFlags())
        *f.flag = "N";
    EXPECT_EQ(ApplyPressureTypeRule(1, messages), 1);
    FlagAQ = "Y";
    EXPECT_EQ(ApplyPressureTypeRule(1, messages), 0);
    EXPECT_EQ(messages.shown, std::vector<std::string>{"T127"});
    EXPECT_EQ(ApplyPressureTypeRule(0, messages), 0);
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(FlagRules, DuctTypeMovesBothFamiliesAndNeverSwitchesOneOn) {
    for (const auto& f : FamilyFlags())
        *f.flag = "N";
    FlagMT = "Y";
    FlagUDY = "Y";
    ApplyDuctTypeRule(1);
    EXPECT_EQ(FlagMT + FlagMTZ + FlagUDY + FlagUDYZ, "NYNY");
    ApplyDuctTypeRule(0);
    EXPECT_EQ(FlagMT + FlagMTZ + FlagUDY + FlagUDYZ, "YNYN");
    FlagMT = "N";
    ApplyDuctTypeRule(1);
    EXPECT_EQ(FlagMT + FlagMTZ + FlagUDY + FlagUDYZ, "NNNY");
    ApplyDuctTypeRule(-1);
    EXPECT_EQ(FlagMT + FlagMTZ + FlagUDY + FlagUDYZ, "NNNY");
}
