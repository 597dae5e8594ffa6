// The practice's structured risk analysis, kept beside the free-text Risk Analysis
// worksheets: where ePHI lives (the assets), what could go wrong with each (the risks, rated
// by likelihood and impact), and who outside the practice handles ePHI for it (the business
// associates).
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVector>
#include <array>

namespace RiskRegister {

// The three ratings of likelihood, impact and risk; Unrated until the practice rates it.
enum class Rating
{
    Unrated = 0,
    Low = 1,
    Moderate = 2,
    High = 3
};
QString ratingText(Rating rating); // "", "Low", "Moderate", "High"
Rating ratingFromText(const QString& text);
// The risk level of a likelihood and an impact, from the matrix of the shipped Risk Analysis
// Worksheet form: a low likelihood or a low impact is a low risk; high with high is high; the
// rest are moderate. Unrated when either is unrated.
Rating riskLevel(Rating likelihood, Rating impact);

// Where a threat comes from, as NIST SP 800-30 Rev. 1 groups threat sources.
enum class ThreatSource
{
    Unstated = 0,
    Adversarial,
    Accidental,
    Structural,
    Environmental
};
QString sourceText(ThreatSource source);
ThreatSource sourceFromText(const QString& text);
QStringList sourceTexts(); // the four named sources

struct Asset
{
    QString name;        // "EHR", "Front desk workstations", "Backup drives"
    QString ephi;        // what ePHI it creates, receives, keeps or sends
    QString location;    // where
    QString responsible; // who looks after it
    QString associate;   // the business associate involved, by name; empty for none
};

struct Risk
{
    int number = 0; // R1, R2, ...: stable, so that a To Do row can name its risk
    QString asset;
    ThreatSource source = ThreatSource::Unstated;
    QString threat;
    QString vulnerability;
    QString controls; // what is already in place
    Rating likelihood = Rating::Unrated;
    Rating impact = Rating::Unrated;
    QString action; // the planned action
    QString owner;
    QDate target;
    Rating residual = Rating::Unrated; // the risk left once the action is done
    QVector<int> safeguards;           // catalog entry numbers (0-46) it relates to

    Rating level() const { return riskLevel(likelihood, impact); }
    QString label() const { return QStringLiteral("R%1").arg(number); }
};

struct Associate
{
    QString name;
    QString service;
    QString ephi; // the ePHI they touch
    QDate contractSigned;
    QDate nextReview;
    QString contact;
};

struct Register
{
    QVector<Asset> assets;
    QVector<Risk> risks;
    QVector<Associate> associates;

    // The number a new risk takes: one past the highest in use.
    int nextRiskNumber() const;
    // Risks of each likelihood (rows, High first) and impact (columns, Low first), rated ones only.
    std::array<std::array<int, 3>, 3> heatMap() const;
    // The risks from highest level to lowest, unrated last; equal levels keep their order.
    QVector<Risk> byLevel() const;
};

} // namespace RiskRegister
