// Number-to-text with the sign blank: " 3" for non-negative numbers, "-3" otherwise.
#pragma once

#include <QString>

QString numberText(long long value);
