#include "register/RiskReport.h"

#include "printing/ReportPrinter.h"
#include "register/RegisterLinks.h"

#include <QLocale>

using namespace RiskRegister;

namespace {

constexpr double kMargin = 1080;

QString dateText(const QDate& date)
{
    return date.isValid() ? QLocale(QLocale::English).toString(date, QStringLiteral("MMMM d, yyyy")) : QString();
}

void heading(ReportPrinter& printer, const QString& text, double points)
{
    printer.setFontSize(points);
    printer.setFontBold(true);
    printer.setCurrentX(kMargin);
    printer.paragraph(text);
    printer.setFontBold(false);
    printer.setFontSize(10);
    printer.setCurrentY(printer.currentY() + 60);
}

// "Label: value" lines, leaving out the empty ones, then a gap.
void lines(ReportPrinter& printer, const QVector<QPair<QString, QString>>& pairs)
{
    for (const auto& [label, value] : pairs) {
        if (value.trimmed().isEmpty())
            continue;
        printer.setCurrentX(kMargin);
        printer.paragraph(label + QStringLiteral(": ") + value.simplified());
    }
    printer.setCurrentY(printer.currentY() + 160);
}

void heatMapTable(ReportPrinter& printer, const Register& data)
{
    const auto counts = data.heatMap();
    const double cell = 1500;
    const double top = printer.currentY();
    const double left = kMargin + 1600;
    const QStringList ratings{QStringLiteral("Low"), QStringLiteral("Moderate"), QStringLiteral("High")};
    printer.setCurrentX(kMargin);
    printer.text(QStringLiteral("Likelihood / Impact"));
    for (int c = 0; c < 3; ++c) {
        printer.setCurrentY(top);
        printer.setCurrentX(left + c * cell + 100);
        printer.text(ratings.at(c));
    }
    const double rowHeight = printer.lineHeight() * 1.4;
    for (int r = 0; r < 3; ++r) {
        const double y = top + printer.lineHeight() * 1.4 + r * rowHeight;
        printer.setCurrentY(y);
        printer.setCurrentX(kMargin);
        printer.text(ratings.at(2 - r));
        for (int c = 0; c < 3; ++c) {
            printer.setCurrentY(y);
            printer.setCurrentX(left + c * cell + 100);
            const Rating level = riskLevel(Rating(3 - r), Rating(c + 1));
            printer.text(QStringLiteral("%1 (%2)").arg(counts[r][c]).arg(ratingText(level)));
        }
    }
    printer.setCurrentY(top + printer.lineHeight() * 1.4 + 3 * rowHeight + 200);
}

} // namespace

namespace RiskReport {

void build(ReportPrinter& printer, const Register& data, const QDate& today)
{
    printer.clear();
    printer.setMarginLeft(kMargin);
    printer.setMarginRight(kMargin);
    printer.setMarginTop(kMargin);
    printer.setMarginBottom(kMargin);
    printer.setFontName(QStringLiteral("Times New Roman"));
    printer.setFontSize(10);
    printer.startDoc();
    printer.setCurrentY(kMargin);
    heading(printer, kTitle, 16);
    lines(printer, {{QStringLiteral("As of"), dateText(today)},
                    {QStringLiteral("Risks"), QString::number(data.risks.size())},
                    {QStringLiteral("Assets"), QString::number(data.assets.size())},
                    {QStringLiteral("Business associates"), QString::number(data.associates.size())}});
    heading(printer, QStringLiteral("Risks by likelihood and impact"), 12);
    heatMapTable(printer, data);

    heading(printer, QStringLiteral("Risks, highest first"), 12);
    for (const Risk& risk : data.byLevel()) {
        const QString level = risk.level() == Rating::Unrated ? QStringLiteral("not rated") : ratingText(risk.level());
        printer.setFontBold(true);
        printer.setCurrentX(kMargin);
        printer.paragraph(QStringLiteral("%1  %2 risk  %3").arg(risk.label(), level, risk.asset));
        printer.setFontBold(false);
        const QString ratings = QStringLiteral("likelihood %1, impact %2")
                                    .arg(ratingText(risk.likelihood).toLower(), ratingText(risk.impact).toLower());
        lines(printer,
              {{QStringLiteral("Threat"),
                (risk.source == ThreatSource::Unstated ? QString() : sourceText(risk.source) + QStringLiteral(": ")) +
                    risk.threat},
               {QStringLiteral("Vulnerability"), risk.vulnerability},
               {QStringLiteral("Existing controls"), risk.controls},
               {QStringLiteral("Rated"), risk.level() == Rating::Unrated ? QString() : ratings},
               {QStringLiteral("Planned action"), risk.action},
               {QStringLiteral("Owner"), risk.owner},
               {QStringLiteral("Target date"), dateText(risk.target)},
               {QStringLiteral("Residual risk"), ratingText(risk.residual)},
               {QStringLiteral("Safeguards"), RegisterLinks::safeguardTitles(risk.safeguards)}});
    }

    heading(printer, QStringLiteral("Where ePHI lives"), 12);
    for (const Asset& asset : data.assets) {
        printer.setFontBold(true);
        printer.setCurrentX(kMargin);
        printer.paragraph(asset.name);
        printer.setFontBold(false);
        lines(printer, {{QStringLiteral("ePHI"), asset.ephi},
                        {QStringLiteral("Where"), asset.location},
                        {QStringLiteral("Responsible"), asset.responsible},
                        {QStringLiteral("Business associate"), asset.associate}});
    }

    heading(printer, QStringLiteral("Business associates"), 12);
    for (const Associate& associate : data.associates) {
        printer.setFontBold(true);
        printer.setCurrentX(kMargin);
        printer.paragraph(associate.name);
        printer.setFontBold(false);
        lines(printer, {{QStringLiteral("Service"), associate.service},
                        {QStringLiteral("ePHI"), associate.ephi},
                        {QStringLiteral("Contract signed"), dateText(associate.contractSigned)},
                        {QStringLiteral("Next review"), dateText(associate.nextReview)},
                        {QStringLiteral("Contact"), associate.contact}});
    }
    printer.endDoc();
}

} // namespace RiskReport
