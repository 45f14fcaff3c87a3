#pragma once
// Resource paths of the window pictures made at build time (link
// vd_artwork_resources to have them compiled in).
#include <QString>
#include <QStringList>

namespace vd::artwork {

inline const QString kButton =
    QStringLiteral(":/art/button.bmp"); // 126 x 40, key colour bottom left
inline const QString kBanner = QStringLiteral(":/art/banner.bmp");     // 53 x 402
inline const QString kLogo = QStringLiteral(":/art/logo.bmp");         // 500 x 400
inline const QString kAbout = QStringLiteral(":/art/about.bmp");       // 154 x 270
inline const QString kCompany1 = QStringLiteral(":/art/company1.bmp"); // 352 x 220
inline const QString kCompany2 = QStringLiteral(":/art/company2.bmp"); // 153 x 185
inline const QString kFlagUk = QStringLiteral(":/art/flag_uk.bmp");    // 58 x 39
inline const QString kFlagSw = QStringLiteral(":/art/flag_sw.bmp");    // 58 x 40
inline const QString kFlagFi = QStringLiteral(":/art/flag_fi.bmp");    // 58 x 40
inline const QString kFlagFr = QStringLiteral(":/art/flag_fr.bmp");    // 58 x 39
inline const QString kFlagIt = QStringLiteral(":/art/flag_it.bmp");    // 58 x 40

// Every path above, for checks that the resources are present.
QStringList AllResourcePaths();

} // namespace vd::artwork
