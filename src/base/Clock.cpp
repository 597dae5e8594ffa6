#include "base/Clock.h"

namespace {

std::function<QDateTime()>& source()
{
    static std::function<QDateTime()> fn;
    return fn;
}

} // namespace

namespace Clock {

QDateTime now()
{
    return source() ? source()() : QDateTime::currentDateTime();
}

QDate today()
{
    return now().date();
}

void setSource(std::function<QDateTime()> fn)
{
    source() = std::move(fn);
}

} // namespace Clock
