// The Qt application that the drawing commands need for fonts, on the offscreen platform
// unless QT_QPA_PLATFORM names another: no display is needed to paint into an image or a file.
#pragma once

#include <QGuiApplication>
#include <memory>

namespace trm::cli {

/// A QGuiApplication for the command's lifetime; none when one runs already.
std::unique_ptr<QGuiApplication> OffscreenAnwendung();

}  // namespace trm::cli
