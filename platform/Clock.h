#pragma once

#include <QDate>

// Today's date, read in one place so that tests can set it.
namespace platform {

// The local calendar date, or the date a FixedToday sets while it lives.
QDate Today();

// Makes Today() return `date` for as long as it lives.
class FixedToday {
public:
    explicit FixedToday(QDate date);
    ~FixedToday();
    FixedToday(const FixedToday&) = delete;
    FixedToday& operator=(const FixedToday&) = delete;

private:
    QDate previous_;
};

} // namespace platform
