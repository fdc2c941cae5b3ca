#pragma once

#include "desktop/EventForest.h"

#include <QDateTime>
#include <QString>

// One loaded event of the day or week view, with its place in the overlap layout.
struct TEventRec
{
    QDateTime start;
    QDateTime end;
    QString endAsStored; // an end time that cannot be read, as stored; end is then the start
    QString memo;
    bool root = false;   // no overlap parent
    int columnCount = 0; // side-by-side columns of its overlap group; 0 or 1 is the full width
    int span = 0;        // columns the event covers
    int depth = 0;       // its depth in the overlap group, kept for placing it again
    int journalId = 0;
};
