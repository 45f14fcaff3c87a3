#pragma once
// The clipboard set-up window: which result columns the COPY button puts on
// the clipboard, in which order, under which captions.
#include <QWidget>

namespace vd {

class TFrmClip : public QWidget {
    Q_OBJECT
public:
    explicit TFrmClip(QWidget* parent = nullptr);
};

} // namespace vd
