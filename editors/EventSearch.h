#pragma once

// The web searches the event editor offers for an event's text: an encyclopedia article and
// two web-search services, each an address that ends in its query key and "=".

#include <QIcon>
#include <QString>
#include <array>

namespace eventsearch {

struct Service
{
    const char* caption;
    // Up to and including the query key and its "=".
    const char* address;
};

constexpr int ServiceCount = 3;
const std::array<Service, ServiceCount>& services();

// The page for `term` on the service at `index`, the term percent-encoded as the query's
// value; empty for an index outside the list.
QString address(int index, const QString& term);

// The picture shown beside the service's caption in the editor's list.
QIcon icon(int index);

} // namespace eventsearch
