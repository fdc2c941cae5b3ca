-- The organiser's tables. Ids only grow (AUTOINCREMENT), so a new row's id is the largest.
-- The checks refuse what the older database format refused: a date column without a date,
-- an amount that is no number, an event text over 255 characters. Date-times are stored as
-- "yyyy-MM-dd HH:mm:ss" (or "yyyy-MM-dd") in local time; the round trip through julianday
-- refuses any other form and days such as February 30.

CREATE TABLE journal (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    jstarttime DATETIME CHECK (jstarttime IS NULL OR jstarttime IS datetime(julianday(jstarttime)) OR jstarttime IS date(julianday(jstarttime))),
    jendtime DATETIME CHECK (jendtime IS NULL OR jendtime IS datetime(julianday(jendtime)) OR jendtime IS date(julianday(jendtime))),
    memo TEXT CHECK (memo IS NULL OR length(memo) <= 255)
);
CREATE INDEX journal_jstarttime ON journal (jstarttime);
-- Holds only the events whose start cannot be read (stored before the check, or past it), so
-- that start-up counts them without reading every event. The condition is the count's own
-- (common/statements/EventStatements.cpp): the engine uses the index only for that condition.
CREATE INDEX journal_unreadable_start ON journal (jstarttime) WHERE jstarttime IS NULL OR NOT (jstarttime IS datetime(julianday(jstarttime)) OR jstarttime IS date(julianday(jstarttime)));

CREATE TABLE category (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    category TEXT
);

CREATE TABLE address (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    FirstName TEXT,
    LastName TEXT,
    Title TEXT,
    CompanyName TEXT,
    Address TEXT,
    City TEXT,
    Zip TEXT,
    Nation TEXT,
    OfficePhone TEXT,
    HomePhone TEXT,
    Fax TEXT,
    Mobile TEXT,
    Email TEXT,
    Categoryid INTEGER DEFAULT -1
);

CREATE TABLE mcategory (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    category TEXT
);

CREATE TABLE mmemo (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    MMemo TEXT,
    Categoryid INTEGER DEFAULT -1
);

-- NUMERIC turns a bound text such as "12.50" into a number; text that stays text is refused.
CREATE TABLE expense (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    item TEXT,
    amount NUMERIC CHECK (amount IS NULL OR typeof(amount) IN ('integer', 'real')),
    paydate DATETIME CHECK (paydate IS NULL OR paydate IS datetime(julianday(paydate)) OR paydate IS date(julianday(paydate)))
);
