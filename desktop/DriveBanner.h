#pragma once

// The drive panel's text: the Mobile Disk's name, size and free space, and the PC's
// computer and user names, drawn over a picture without clearing it.

class QImage;

void DrawDriveBanner(QImage& canvas);
