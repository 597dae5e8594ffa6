// The register's heat map: the 3 x 3 matrix of likelihood (High at the top) by impact (Low
// at the left), each cell coloured by its risk level and showing how many risks it holds.
#pragma once

#include <QWidget>
#include <array>

class HeatMapView : public QWidget
{
    Q_OBJECT
public:
    using Counts = std::array<std::array<int, 3>, 3>;
    explicit HeatMapView(QWidget* parent = nullptr);
    void setCounts(const Counts& counts);
    const Counts& counts() const { return m_counts; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Counts m_counts{};
};
