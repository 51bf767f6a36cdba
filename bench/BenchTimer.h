#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QTextStream>
#include <algorithm>
#include <functional>
#include <vector>

// Runs `work` `runs` times and prints the median, minimum and maximum in milliseconds.
inline double benchMedian(const QString &label, int runs, const std::function<void()> &work)
{
    std::vector<double> ms;
    ms.reserve(runs);
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        work();
        ms.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    const double median = ms[ms.size() / 2];
    QTextStream(stdout) << label << ": median " << QString::number(median, 'f', 3) << " ms (min "
                        << QString::number(ms.front(), 'f', 3) << ", max "
                        << QString::number(ms.back(), 'f', 3) << ", " << runs << " runs)\n";
    return median;
}
