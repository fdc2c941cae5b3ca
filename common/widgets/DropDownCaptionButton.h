#pragma once

// A flat button that shows its caption with a small drop-down mark right of it, the pair
// centred. The narrow buttons of the editors' calendars were designed for a narrower face than
// the one standing in for it here; a caption that would not fit whole beside the mark is drawn
// condensed, at its full height, rather than cut short.

#include <QFont>
#include <QRect>
#include <QToolButton>

class TDropDownCaptionButton : public QToolButton
{
    Q_OBJECT
public:
    explicit TDropDownCaptionButton(QWidget* parent = nullptr);

    struct Layout
    {
        QFont font;
        QRect caption;
        QRect mark;
    };
    // Where the current caption and the mark are drawn, and in which font.
    Layout layout() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};
