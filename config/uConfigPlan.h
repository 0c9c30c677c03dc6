#pragma once
// The daily plan page's progress picture: for each of the last days, the
// showings made against the day's aim as bars, and the words known as a line.
#include "data/uPlan.h"

#include <QWidget>

class TPlanChart : public QWidget {
    Q_OBJECT
public:
    explicit TPlanChart(QWidget *parent = nullptr);

    const QList<TPlanChartDay> &Days() const { return FDays; }
    int Shows() const { return FShows; }
    // The days to draw, and the showings a day the parent aims for.
    void SetDays(const QList<TPlanChartDay> &days, int shows);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<TPlanChartDay> FDays;
    int FShows = 3;
};
