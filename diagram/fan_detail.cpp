#include "fan_detail.h"

#include "errors.h"

namespace vd {

void LoadFanDetailMaterial(const TFanRecord& r, const std::string& code,
                           const FanDetailTargets& t) {
    auto say = [&](const std::string& text) {
        if (t.message)
            t.message(text);
    };
    auto pictureOrBlank = [&](const std::function<void(const std::string&)>& load, const char* what,
                              const std::string& file) {
        if (!load)
            return;
        const std::string path = "wmf\\" + file;
        try {
            load(path);
        } catch (const FileError&) {
            if (t.replaced)
                t.replaced(what, path);
            load(kBlankMetafile);
        }
    };
    auto text = [&](const std::function<void(const std::string&)>& load, const std::string& path,
                    const std::string& message) {
        if (!load)
            return;
        try {
            load(path);
        } catch (const FileError&) {
            say(message);
        }
    };

    pictureOrBlank(t.diagram, "diagram picture", r.diagram_file.str());
    const std::string maint = code + r.maint_file.str();
    text(t.maintenance, "txt\\" + maint, "Cannot find maintenance text " + maint);
    text(t.bigPicture, "bmp\\big" + r.picture_file.str(),
         "Cannot find picture big" + r.picture_file.str());
    const std::string spec = code + r.spec_file.str();
    text(t.specification, "txt\\" + spec, "Cannot find specification text " + spec);
    pictureOrBlank(t.drawing, "drawing", r.drawing_file.str());
}

} // namespace vd
