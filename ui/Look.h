#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QRectF>

#include "Twips.h"

class QGroupBox;
class QMenuBar;

// How the windows look: their fonts, the program's pictures, and group
// frames drawn as lines.
namespace varnock::ui {

// The default dialog font, and Arial at a size for the windows that ask for it.
QFont DialogFont();
QFont Arial(double points, bool bold);

// On Windows the menu bar and its menus take the system's menu font, as every
// Windows program's do; the client area keeps the font its twips were
// measured for. Elsewhere they keep the window's.
void UsePlatformMenuFont(QMenuBar* bar);

// The platform's style with the program's changes, for every window; set
// before the first window is made.
void UseProgramStyle();

// Contrast ratio of two colours by relative luminance, as WCAG 2 defines it:
// 4.5 for text, 3 for a control's outline.
double Contrast(QColor a, QColor b);

QIcon AppIcon();
// The logo, stretched to the control, from the rendering that suits the
// screen's scale, so that it stays sharp.
QWidget* MakeLogo(QWidget* parent, const char* name, Twips at);

// Where a frame's (group box's) outline runs, drawn as a line on screen and on
// paper: below the title, in the frame's own coordinates.
QRectF FrameOutline(const QGroupBox* frame);

}  // namespace varnock::ui
