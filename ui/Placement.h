#pragma once

class QWidget;

// Where windows open: centred on the screen or on another window, frame and
// title bar included once the window manager has framed them.
namespace varnock::ui {

void CentreOnScreen(QWidget* window);
void CentreOn(QWidget* window, const QWidget* owner);  // no owner: on the screen

}  // namespace varnock::ui
