#include "register/RiskRegister.h"

#include <algorithm>

namespace RiskRegister {

QString ratingText(Rating rating)
{
    switch (rating) {
    case Rating::Low:
        return QStringLiteral("Low");
    case Rating::Moderate:
        return QStringLiteral("Moderate");
    case Rating::High:
        return QStringLiteral("High");
    case Rating::Unrated:
        break;
    }
    return QString();
}

Rating ratingFromText(const QString& text)
{
    for (Rating r : {Rating::Low, Rating::Moderate, Rating::High}) {
        if (text.trimmed().compare(ratingText(r), Qt::CaseInsensitive) == 0)
            return r;
    }
    return Rating::Unrated;
}

Rating riskLevel(Rating likelihood, Rating impact)
{
    if (likelihood == Rating::Unrated || impact == Rating::Unrated)
        return Rating::Unrated;
    if (likelihood == Rating::Low || impact == Rating::Low)
        return Rating::Low;
    if (likelihood == Rating::High && impact == Rating::High)
        return Rating::High;
    return Rating::Moderate;
}

QStringList sourceTexts()
{
    return {QStringLiteral("Adversarial"), QStringLiteral("Accidental"), QStringLiteral("Structural"),
            QStringLiteral("Environmental")};
}

QString sourceText(ThreatSource source)
{
    return source == ThreatSource::Unstated ? QString() : sourceTexts().at(int(source) - 1);
}

ThreatSource sourceFromText(const QString& text)
{
    const QStringList texts = sourceTexts();
    for (int i = 0; i < texts.size(); ++i) {
        if (text.trimmed().compare(texts.at(i), Qt::CaseInsensitive) == 0)
            return ThreatSource(i + 1);
    }
    return ThreatSource::Unstated;
}

int Register::nextRiskNumber() const
{
    int highest = 0;
    for (const Risk& risk : risks)
        highest = std::max(highest, risk.number);
    return highest + 1;
}

std::array<std::array<int, 3>, 3> Register::heatMap() const
{
    std::array<std::array<int, 3>, 3> counts{};
    for (const Risk& risk : risks) {
        if (risk.likelihood != Rating::Unrated && risk.impact != Rating::Unrated)
            ++counts[3 - int(risk.likelihood)][int(risk.impact) - 1];
    }
    return counts;
}

QVector<Risk> Register::byLevel() const
{
    QVector<Risk> sorted = risks;
    // Unrated (0) sorts after Low: it is placed as if below every rated level.
    const auto rank = [](const Risk& r) { return r.level() == Rating::Unrated ? -1 : int(r.level()); };
    std::stable_sort(sorted.begin(), sorted.end(), [&rank](const Risk& a, const Risk& b) { return rank(a) > rank(b); });
    return sorted;
}

} // namespace RiskRegister
