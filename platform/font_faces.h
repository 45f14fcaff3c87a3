#pragma once
// Windows face names in metafiles and rich texts, mapped to the metric-
// compatible faces installed on Linux.
#include <QString>

namespace vd {

// The installed face to use for a Windows face name. `pitchAndFamily` is the
// LOGFONT byte (FF_ROMAN, FF_SWISS, FF_MODERN …) used when the name is unknown;
// pass -1 when there is none.
QString ResolveFaceName(const QString& windowsFace, int pitchAndFamily = -1);

// Registers the same mapping as QFont substitutions, so that widgets given a
// Windows face name ("Arial 13px") find the compatible face. Idempotent.
void InstallFontSubstitutions();

} // namespace vd
