#include "frm_clip.h"

namespace vd {

TFrmClip::TFrmClip(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("FrmClip");
    setWindowTitle("Clipboard Setup");
    resize(420, 360);
}

} // namespace vd
