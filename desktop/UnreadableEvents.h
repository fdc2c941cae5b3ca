#pragma once

// Events whose stored times the engine cannot read. One with a readable start still shows on
// its day, with the end as stored, so that it can be opened or deleted; one whose start cannot
// be read belongs to no day. The user is told of each once.

#include <QString>

class QWidget;
class TADOConnection;
struct TEventRec;

namespace unreadableevents {

// Reads a stored end time into the record: an unreadable one leaves the event as long as
// nothing, keeps the text as stored, and is told of once per event and open of the file.
void takeEnd(TEventRec& record, const QString& stored, QWidget* parent, const TADOConnection& connection);

// Says how many events have no start that can be read, when there are any.
void reportEventsWithoutDay(QWidget* parent, TADOConnection& connection);

} // namespace unreadableevents
