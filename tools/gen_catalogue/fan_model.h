#pragma once
// Turns one size row of the family table into a complete catalogue entry:
// fan-law curves at every speed step, input power, motor rating and current,
// sound data, dimensions and file names.
#include "family_file.h"

#include <array>
#include <stdexcept>
#include <string>
#include <vector>

namespace gencat {

class ModelError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// One speed step as it is written: every value already rounded to the
// precision of its text, so what is checked is what is stored.
struct Curve {
    std::vector<double> vol;   // m3/s, point 1 = free blowing
    std::vector<double> pres;  // Pa, total
    std::vector<double> power; // W, electrical input
};

// Figures behind the entry, for the plausibility summary.
struct FanFigures {
    double tipSpeed = 0;   // m/s
    double freeVolume = 0; // m3/s at point 1 of curve 1
    double bestVolume = 0, bestPressure = 0, bestPower = 0, bestEfficiency = 0;
    double ratedInput = 0; // W, the largest input within the permitted range
    double shaftPower = 0; // kW
    double powerFactor = 0;
    int outletLwA = 0;
};

struct FanEntry {
    std::string family, model, volts;
    int hz = 0, phases = 0;
    std::string valueCol6; // speed, rpm
    std::string valueCol7; // motor rating, kW
    std::string amps, weight;
    double maxTemp = 0;
    std::array<std::string, 17> dims; // record order: d1..d4, A..M
    std::string drawingFile, specFile, diagramFile, maintFile, pictureFile;
    std::array<std::array<std::string, 10>, 4> sound;
    std::array<int, 4> soundLabel{141, 142, 143, 144};
    std::array<int, 5> minPa{};
    std::vector<Curve> curves;
    double outletArea = 0;
    FanFigures figures;
};

// Throws ModelError naming the family, the model and the line of the size row.
FanEntry BuildFan(const FamilySpec& family, const SizeRow& size);

// Number texts as the catalogue writes them (C locale, no exponent).
std::string FormatFixed(double v, int decimals);
std::string FormatSignificant(double v, int digits);

} // namespace gencat
