#pragma once

// A style's standard icon that is looked up only when it is first drawn or measured. The lookup
// searches the icon theme and decodes images; a window that builds many hidden buttons would
// otherwise pay for it before its first frame.

#include <QIcon>
#include <QStyle>

QIcon deferredStandardIcon(QStyle* style, QStyle::StandardPixmap image);
