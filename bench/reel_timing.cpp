// reel_timing: how evenly the nine reel cells of the real main window tick while they
// spin, and what the spinning costs the process in CPU time.
//
//   reel_timing [--seconds S] [--server-pid PID]
//
// The clock stands at 12:00:00.000 UTC, so the press draws the delays 28, 32, 57, 18, 30,
// 52, 37, 11 and 72 ms for cells 1 to 9. The press runs the real Pull2MouseDown; the handle
// is never released, so the cells spin for the whole measurement. An event filter on each
// cell notes the arrival of every timer event with the monotonic clock; the widget itself
// is not touched. CPU time is getrusage(RUSAGE_SELF) over the same span; with
// --server-pid the X server's CPU time over the span is read from /proc as well.
//
// Prints the figures and ROW lines for bench/run.sh.

#include "main/TForm1.h"
#include "runtime/Application.h"
#include "support/Recorders.h"
#include "widgets/TRzAnimator.h"
#include "widgets/TfcImageBtn.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QTest>
#include <QTimer>

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cmath>
#include <cstring>
#include <numeric>
#include <fstream>
#include <string>
#include <vector>

namespace {

int64_t nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

double cpuSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// utime + stime of another process, in seconds; -1 when it cannot be read.
double processCpuSeconds(long pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    const auto close = text.rfind(')');
    if (close == std::string::npos)
        return -1;
    std::vector<std::string> fields;
    size_t at = close + 2;
    while (at < text.size()) {
        const size_t end = text.find(' ', at);
        fields.push_back(text.substr(at, end - at));
        if (end == std::string::npos)
            break;
        at = end + 1;
    }
    // Fields after the name start at "state" (field 3); utime and stime are fields 14 and 15.
    if (fields.size() < 13)
        return -1;
    return (std::stod(fields[11]) + std::stod(fields[12])) / double(sysconf(_SC_CLK_TCK));
}

// Notes the arrival time of every timer event a cell receives, and how long the cell
// takes over it: the filter delivers the event itself (through the application's notify,
// as the loop would) and consumes it, so each tick runs exactly once, between two clock
// readings.
class TickRecorder : public QObject {
public:
    std::array<std::vector<int64_t>, 9> ticks;
    std::vector<double> tickCostsMs;
    std::array<QObject *, 9> cells {};
    bool recording = false;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!recording || m_delivering || event->type() != QEvent::Timer)
            return false;
        const auto cell = std::find(cells.begin(), cells.end(), watched);
        if (cell == cells.end())
            return false;
        const int64_t arrived = nowNs();
        ticks[size_t(cell - cells.begin())].push_back(arrived);
        m_delivering = true;
        QCoreApplication::sendEvent(watched, event);
        m_delivering = false;
        tickCostsMs.push_back(double(nowNs() - arrived) / 1e6);
        return true;
    }

private:
    bool m_delivering = false;
};

std::string loadAverage()
{
    std::ifstream file("/proc/loadavg");
    std::string one, five;
    file >> one >> five;
    return one + " " + five;
}

double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t rank = size_t(std::ceil(p * double(values.size()))) - 1;
    return values[std::min(rank, values.size() - 1)];
}

} // namespace

int main(int argc, char **argv)
{
    double seconds = 5;
    long serverPid = 0;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--seconds"))
            seconds = std::atof(argv[i + 1]);
        else if (!std::strcmp(argv[i], "--server-pid"))
            serverPid = std::atol(argv[i + 1]);
    }

    TApplication app(argc, argv);
    MediaRecorder media;
    MessageBoxRecorder boxes;
    FixedClock clock(43'200'000); // 12:00:00.000 UTC
    TForm1 form;
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) {
        std::fprintf(stderr, "reel_timing: the main window was not exposed\n");
        return 1;
    }
    QTest::qWait(500);

    TickRecorder recorder;
    const auto cells = form.cells();
    for (size_t i = 0; i < 9; ++i) {
        recorder.cells[i] = cells[i];
        cells[i]->installEventFilter(&recorder);
    }

    form.Pull2MouseDown(form.Pull2, TMouseButton::mbLeft, {}, 0, 0);
    std::array<int, 9> delays {};
    for (size_t i = 0; i < 9; ++i)
        delays[i] = cells[i]->Delay();

    recorder.recording = true;
    const double cpuBefore = cpuSeconds();
    const double serverBefore = serverPid ? processCpuSeconds(serverPid) : -1;
    const int64_t wallBefore = nowNs();
    QTimer::singleShot(int(seconds * 1000), Qt::PreciseTimer, &app, &QCoreApplication::quit);
    app.exec();
    const int64_t wallAfter = nowNs();
    const double cpuAfter = cpuSeconds();
    const double serverAfter = serverPid ? processCpuSeconds(serverPid) : -1;
    recorder.recording = false;

    const double wall = double(wallAfter - wallBefore) / 1e9;
    const double cpuShare = (cpuAfter - cpuBefore) / wall;

    std::vector<double> errors, lateness;
    std::printf("reel_timing: platform %s, %.3f s of spinning, %zu failure reports, load average %s\n",
                qPrintable(QGuiApplication::platformName()), wall, size_t(boxes.boxes.size()), loadAverage().c_str());
    for (size_t i = 0; i < 9; ++i) {
        std::vector<double> cellErrors;
        const auto &t = recorder.ticks[i];
        for (size_t k = 1; k < t.size(); ++k)
            cellErrors.push_back(std::abs(double(t[k] - t[k - 1]) / 1e6 - delays[i]));
        errors.insert(errors.end(), cellErrors.begin(), cellErrors.end());
        // How late each tick is against the ideal schedule from the cell's first tick: a
        // late tick makes its own interval long and, when the timer keeps to its
        // schedule, the next one short.
        for (size_t k = 1; k < t.size(); ++k)
            lateness.push_back(double(t[k] - t[0]) / 1e6 - double(k) * delays[i]);
        std::printf("  cell %zu: Delay %2d ms, %4zu ticks (%.1f expected), |interval - Delay| median %.3f ms, "
                    "p99 %.3f ms, max %.3f ms\n",
                    i + 1, delays[i], t.size(), wall * 1000 / delays[i], percentile(cellErrors, 0.5),
                    percentile(cellErrors, 0.99), percentile(cellErrors, 1.0));
    }
    const double median = percentile(errors, 0.5), p99 = percentile(errors, 0.99), worst = percentile(errors, 1.0);
    std::printf("  all cells: %zu intervals, |interval - Delay| median %.3f ms, p99 %.3f ms, max %.3f ms\n",
                errors.size(), median, p99, worst);
    std::printf("  lateness against each cell's ideal schedule: median %.3f ms, p99 %.3f ms, max %.3f ms\n",
                percentile(lateness, 0.5), percentile(lateness, 0.99), percentile(lateness, 1.0));
    std::printf("  time inside one tick (delivery of the timer event to the cell): median %.3f ms, p99 %.3f ms, "
                "max %.3f ms, total %.3f s\n",
                percentile(recorder.tickCostsMs, 0.5), percentile(recorder.tickCostsMs, 0.99),
                percentile(recorder.tickCostsMs, 1.0),
                std::accumulate(recorder.tickCostsMs.begin(), recorder.tickCostsMs.end(), 0.0) / 1000);
    std::printf("  process CPU: %.3f s over %.3f s = %.2f %% of one core\n", cpuAfter - cpuBefore, wall, 100 * cpuShare);
    if (serverPid)
        std::printf("  X server (pid %ld) CPU: %.2f s = %.2f %% of one core\n", serverPid, serverAfter - serverBefore,
                    100 * (serverAfter - serverBefore) / wall);

    const QString platform = QGuiApplication::platformName();
    char value[200];
    std::snprintf(value, sizeof value, "median %.3f ms, p99 %.3f ms (max %.3f ms, %zu intervals)", median, p99, worst,
                  errors.size());
    std::printf("ROW\tReel tick jitter abs(interval - Delay), %s\t%s\tp99 <= 1 ms\n", qPrintable(platform), value);
    std::snprintf(value, sizeof value, "%.2f %% of one core", 100 * cpuShare);
    if (serverPid)
        std::snprintf(value + std::strlen(value), sizeof value - std::strlen(value), " (+ X server %.2f %%)",
                      100 * (serverAfter - serverBefore) / wall);
    std::printf("ROW\tReel spinning CPU, %s\t%s\t<= 3 %%\n", qPrintable(platform), value);
    return 0;
}
