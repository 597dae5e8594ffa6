// The one clock the program reads for today's date, the time and its pauses.
#pragma once

#include <QDate>
#include <QDateTime>
#include <functional>

namespace Clock {

QDateTime now();
QDate today();

// Replaces the clock's source (tests); an empty function restores the system clock.
void setSource(std::function<QDateTime()> source);

} // namespace Clock
