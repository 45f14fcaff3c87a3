#pragma once
// The Qt application that the drawing commands need for fonts and printing;
// no display is needed.
#include <QGuiApplication>
#include <memory>

namespace vdcat {

// Starts an offscreen application unless one runs already (then nullptr),
// with Qt's chatter kept off stderr and the program's font substitutions.
std::unique_ptr<QGuiApplication> StartOffscreenGui();

} // namespace vdcat
