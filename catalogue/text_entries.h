#pragma once
// The language texts that code refers to by number, named after their keys in
// the language file ("095 msg_nofan"): the window and vdcat use the same names.

namespace vd::entry {

inline constexpr int kAirVolume = 19;              // air_volume: "Air volume"
inline constexpr int kPressure = 20;               // pressure: "Pressure"
inline constexpr int kColumnNo = 22;               // col_no: "No."
inline constexpr int kModel = 23;                  // model: "Model"
inline constexpr int kColumnPercent = 24;          // col_percent: "Vol. %"
inline constexpr int kColumnKw = 27;               // col_kw: "kW"
inline constexpr int kSoundHead = 47;              // sound_head: "Sound data"
inline constexpr int kTitleDataSheet = 72;         // title_datasheet: "Fan Data Sheet"
inline constexpr int kTitleInstructions = 73;      // title_instructions: "Maintenance Instructions"
inline constexpr int kTitleQuotation = 74;         // title_quotation: "Quotation"
inline constexpr int kAxisPressure = 84;           // axis_pressure: "Total pressure"
inline constexpr int kAxisPower = 85;              // axis_power: "Input power"
inline constexpr int kLegendDuty = 86;             // legend_duty: "Duty point"
inline constexpr int kLegendOperating = 87;        // legend_operating: "Operating"
inline constexpr int kUnitDb = 89;                 // unit_db: "dB"
inline constexpr int kNoFanFound = 95;             // msg_nofan: "No fan found for this duty point"
inline constexpr int kSurfaceMounted = 97;         // anc_surface: "surface mounted"
inline constexpr int kFlushMounted = 98;           // anc_flush: "flush mounted"
inline constexpr int kSpeedController1 = 99;       // anc_speed1: "Speed controller"
inline constexpr int kSpeedController2 = 100;      // anc_speed2: "Speed controller"
inline constexpr int kTransformerController = 101; // anc_transformer: "Transformer controller"
inline constexpr int kSpecificPowerLow = 119;      // sfp_low: "very low"
inline constexpr int kStaticPressureOnly =
    127; // msg_static_only: "These fans are rated for static pressure only"
inline constexpr int kUnitRpm = 129;           // unit_rpm: "rpm"
inline constexpr int kUnitKw = 130;            // unit_kw: "kW"
inline constexpr int kUnitAmps = 131;          // unit_a: "A"
inline constexpr int kStep = 132;              // step: "Step"
inline constexpr int kVolts = 133;             // volts: "Volts"
inline constexpr int kUnitSpecificPower = 134; // unit_sfp: "kW/(m³/s)"
inline constexpr int kUnitSupply = 138;        // unit_supply: "V/Hz/ph"
inline constexpr int kPrintJobTitle = 248;     // print_job: "Vandrel Fan Selection"
inline constexpr int kWindowTitle = 249;       // caption: "Vandrel Catalogue"

// The first of the ancillary kinds; kind p (0..) is entry kSpeedController1 + p.
inline constexpr int kFirstAncillary = kSpeedController1;

} // namespace vd::entry
