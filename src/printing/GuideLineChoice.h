// Whether the print preview shows guide lines: kept as record 11 of GColor3.Fil.
#pragma once

#include <QString>

namespace GuideLineChoice {

constexpr int kRecord = 11;

// 0 "Do Not Display Guide Lines", 1 "Display Guide Lines"; anything else reads as 0.
int load();
bool store(int choice, QString* error = nullptr);

} // namespace GuideLineChoice
