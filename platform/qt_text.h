#pragma once
// The edge between the Qt layer (QString) and the Windows-1252 texts of the
// files and the shared state.
#include "codepage.h"

#include <QString>
#include <string>
#include <string_view>

namespace vd {

inline QString FromCp1252(std::string_view s) {
    return QString::fromStdString(Cp1252ToUtf8(s));
}
inline std::string ToCp1252(const QString& s) {
    return Utf8ToCp1252(s.toStdString());
}

} // namespace vd
