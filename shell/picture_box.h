#pragma once
// A picture control: shows a bitmap or metafile at its own size, stretched to
// the box, fitted into it, or centred unscaled; reports clicks and pointer
// movements.
#include "picture.h"

#include <QWidget>
#include <functional>
#include <string>

namespace vd {

class PictureBox : public QWidget {
    Q_OBJECT
  public:
    enum class Mode {
        Own,       // the control takes the picture's natural size
        Stretched, // scaled to fill the box
        Fit,       // scaled to fit, aspect ratio kept, centred
        Centred,   // natural size, centred, clipped by the box
    };
    PictureBox(Mode mode, QWidget* parent = nullptr);

    void SetPicture(Picture picture);
    // Loads a data file ("bmp\pw.bmp"); FileError leaves the shown picture.
    void LoadDataFile(std::string_view relativePath);
    void Clear();
    const Picture& picture() const { return picture_; }
    bool isEmpty() const { return picture_.isNull(); }
    // The data path of the picture last loaded by LoadDataFile.
    const std::string& source() const { return source_; }
    Mode mode() const { return mode_; }

    // A picture the user switches on and off by clicking: a check box to
    // assistive technology, checked while `checked` says so, named by `name`
    // (asked each time, so it follows the language). Tab reaches it, and
    // Space or Return click it.
    void SetToggle(std::function<bool()> checked, std::function<QString()> name);
    bool isToggle() const { return static_cast<bool>(checked_); }
    bool isChecked() const { return checked_ && checked_(); }
    QString toggleName() const { return name_ ? name_() : QString(); }
    // Tells assistive technology that the checked state has changed.
    void NotifyToggled();
    // What a click does: emits clicked().
    void click() { Q_EMIT clicked(); }

  Q_SIGNALS:
    void clicked();
    void mouseMoved();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    std::function<bool()> checked_;
    std::function<QString()> name_;
    Mode mode_;
    Picture picture_;
    std::string source_;
};

} // namespace vd
