#pragma once
// The generator's pictures that need no catalogue data, and the bitmap pictures.
#include <QImage>
#include <QSize>

#include <string>
#include <vector>

namespace material {

// "wmf\blank.wmf".
std::string MakeBlankPicture();

// The printout logos of "pics": the data sheet's (beside the address block),
// the quotation's wide letterhead and the instruction sheet's badge. Each
// frame has the proportions of the rectangle the printout stretches it into.
struct LogoFile {
    const char* name;
    std::string (*make)();
};
const std::vector<LogoFile>& LogoFiles();

} // namespace material
