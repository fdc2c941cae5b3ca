#pragma once

// The tool panel's glyphs: simple white line drawings above the buttons' captions, drawn
// rather than loaded so the panel needs no picture files.

#include <QIcon>

enum class ToolGlyph { Schedule, Address, Backup, Restore, Password, Expense, Favorites, Reader, Email };

QIcon toolGlyph(ToolGlyph glyph);
