#pragma once
// The chosen fan's detail material: which files the detail pages and the
// printouts take, in which order they are loaded, what stands in for a
// missing one and the message it gives. The window loads them into its pages,
// vdcat into its printouts.
#include "fan_record.h"

#include <functional>
#include <string>

namespace vd {

// Each loader takes a data path ("wmf\ab.wmf") and throws FileError when the
// file cannot be loaded, keeping what it held. A loader left empty is skipped.
struct FanDetailTargets {
    std::function<void(const std::string&)> diagram;       // diagram-page picture
    std::function<void(const std::string&)> maintenance;   // maintenance text
    std::function<void(const std::string&)> bigPicture;    // specification picture
    std::function<void(const std::string&)> specification; // specification text
    std::function<void(const std::string&)> drawing;       // dimension drawing
    // The message of a missing text or picture, as the window shows it.
    std::function<void(const std::string&)> message;
    // A missing picture that the blank metafile replaced without a message.
    std::function<void(const std::string& what, const std::string& path)> replaced;
};

inline constexpr const char* kBlankMetafile = "wmf\\blank.wmf";

// Loads the material of `rec` for the language `languageCode` in the window's
// order: diagram picture, maintenance text, large picture, specification
// text, drawing. A failure never stops the later steps; a missing blank
// metafile is not caught.
void LoadFanDetailMaterial(const TFanRecord& rec, const std::string& languageCode,
                           const FanDetailTargets& targets);

} // namespace vd
