// startup: time from process start to the first paint of the main window, and the peak
// memory, of the game's start-up next to a bare frameless 485 x 500 window.
//
//   startup [--runs N]            measures N start-ups of each, alternating, and prints medians
//   startup --child game|bare T   one start-up (spawned by the above; T = spawn time in ns)
//
// The parent reads the monotonic clock immediately before posix_spawn and hands the
// reading to the child, so exec, library loading and relocation count. The child also
// reports its start as the kernel recorded it (/proc/self/stat field 22, in clock ticks
// since boot, so only to 10 ms) against CLOCK_BOOTTIME, as a cross-check.
//
// The game child does what the program body does: the application object, the title,
// the main window, the theme selector and the help window, and show, with the font
// configuration read and the pictures decoded on a second core meanwhile. The first paint is
// the end of the first paint pass of the shown main window (an event filter installed just
// before show sees its first QEvent::Paint). The child then quits and reports VmHWM.

#include "Helpit/THelpForm.h"
#include "ThemeStyle/TStyleForm.h"
#include "main/TForm1.h"
#include "main/Themes.h"
#include "platform/AudioMediaControl.h"
#include "platform/Fonts.h"
#include "runtime/Application.h"
#include "runtime/Pictures.h"

#include <QEvent>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QTimer>

#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

extern char **environ;

namespace {

int64_t clockNs(clockid_t id)
{
    timespec ts {};
    clock_gettime(id, &ts);
    return int64_t(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
}

// The kernel's start time of this process, in ns since boot.
int64_t processStartBootNs()
{
    std::ifstream stat("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    std::istringstream rest(text.substr(text.rfind(')') + 2));
    std::string field;
    for (int i = 3; i <= 22 && rest >> field; ++i) {
    }
    return int64_t(std::stoll(field) * (1'000'000'000 / sysconf(_SC_CLK_TCK)));
}

long statusKb(const char *key)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(key, 0) == 0)
            return std::stol(line.substr(std::strlen(key)));
    return -1;
}

long vmHwmKb()
{
    return statusKb("VmHWM:");
}

// The steps of the game's start-up: for each, the time it took and the resident memory after it.
struct Phases {
    std::vector<std::pair<std::string, std::pair<double, long>>> steps;
    int64_t last = clockNs(CLOCK_MONOTONIC);
    void mark(const char *name)
    {
        const int64_t now = clockNs(CLOCK_MONOTONIC);
        steps.push_back({ name, { double(now - last) / 1e6, statusKb("VmRSS:") } });
        last = now;
    }
};

// Notes the end of the first paint of a window or of any widget inside it (the game's
// window is covered by its face picture, so the window itself may never get a paint of its
// own): the first paint event starts the pass, and the clock is read when the event loop
// next runs, after the whole pass has been painted and handed to the window system. Then
// it ends the event loop. Installed on the application once the window is shown.
class FirstPaint : public QObject {
public:
    int64_t monotonicNs = 0;
    int64_t boottimeNs = 0;
    QWidget *window = nullptr;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Paint || m_seen || !watched->isWidgetType())
            return false;
        if (static_cast<QWidget *>(watched)->window() == window) {
            m_seen = true;
            QTimer::singleShot(0, qApp, [this] {
                monotonicNs = clockNs(CLOCK_MONOTONIC);
                boottimeNs = clockNs(CLOCK_BOOTTIME);
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    bool m_seen = false;
};

int runChild(int argc, char **argv, const std::string &kind, int64_t spawnedNs)
{
    const int64_t mainNs = clockNs(CLOCK_MONOTONIC);
    const int64_t startBootNs = processStartBootNs();
    FirstPaint firstPaint;
    QString platform;
    Phases phases;
    if (kind == "game") {
        // As the program body does it.
        PicturePreload preload(startUpPictures(), loadFontConfiguration);
        TApplication app(argc, argv);
        phases.mark("application");
        app.setTitle(QStringLiteral("Zorvixia"));
        // The cue files are in the build tree's drive_c, one folder up from this program.
        setGameDataRoot(QCoreApplication::applicationDirPath() + QStringLiteral("/../drive_c"));
        TForm1 Form1;
        phases.mark("TForm1");
        TStyleForm StyleForm;
        phases.mark("TStyleForm");
        THelpForm HelpForm;
        phases.mark("THelpForm");
        Form1.setStyleForm(&StyleForm);
        Form1.setHelpForm(&HelpForm);
        firstPaint.window = &Form1;
        app.installEventFilter(&firstPaint);
        Form1.show();
        QTimer::singleShot(20000, &app, &QCoreApplication::quit); // no paint: give up
        app.exec();
        phases.steps.push_back({ "show->paint", { double(firstPaint.monotonicNs - phases.last) / 1e6, statusKb("VmRSS:") } });
        platform = QGuiApplication::platformName();
    } else if (kind == "parts") {
        // Not a start-up: the pieces of the main window's construction one by one, in a
        // fresh process, to show where its time and memory go.
        TApplication app(argc, argv);
        setGameDataRoot(QCoreApplication::applicationDirPath() + QStringLiteral("/../drive_c"));
        phases.mark("application");
        (void)QMediaDevices::defaultAudioOutput();
        phases.mark("audio-output-lookup");
        {
            QFont font(QStringLiteral("Arial"));
            font.setPixelSize(19);
            (void)QFontMetrics(font).horizontalAdvance(QStringLiteral("1000"));
        }
        phases.mark("font-database");
        DecodedSound coin;
        QString error;
        decodeSoundFile(mapGamePath(QStringLiteral("c:\\zorvix\\insertcoin.au")), coin, error);
        phases.mark("decode-coin-cue");
        QObject owner;
        for (int theme = 0; theme < 7; ++theme)
            createThemeImageList(theme, &owner);
        phases.mark("7-theme-image-lists");
        TForm1 Form1;
        phases.mark("TForm1-after-the-above");
        firstPaint.monotonicNs = clockNs(CLOCK_MONOTONIC);
        platform = QGuiApplication::platformName();
    } else {
        QApplication app(argc, argv);
        phases.mark("application");
        QWidget window(nullptr, Qt::FramelessWindowHint);
        window.resize(485, 500);
        firstPaint.window = &window;
        app.installEventFilter(&firstPaint);
        window.show();
        QTimer::singleShot(20000, &app, &QCoreApplication::quit); // no paint: give up
        app.exec();
        phases.steps.push_back({ "show->paint", { double(firstPaint.monotonicNs - phases.last) / 1e6, statusKb("VmRSS:") } });
        platform = QGuiApplication::platformName();
    }
    std::printf("%s %lld %lld %lld %lld %ld %s\n", kind.c_str(), (long long)(firstPaint.monotonicNs - spawnedNs),
                (long long)(mainNs - spawnedNs), (long long)(firstPaint.boottimeNs - startBootNs),
                (long long)(firstPaint.monotonicNs - mainNs), vmHwmKb(), qPrintable(platform));
    for (const auto &[name, step] : phases.steps)
        std::printf(" %s %.3f %ld", name.c_str(), step.first, step.second);
    std::printf("\n");
    return firstPaint.monotonicNs ? 0 : 1;
}

struct Sample {
    double firstPaintMs = 0;   // spawn -> first paint
    double mainMs = 0;         // spawn -> main()
    double kernelStartMs = 0;  // kernel start time -> first paint (10 ms resolution)
    double inMainMs = 0;       // main() -> first paint
    long hwmKb = 0;
    std::string platform;
    std::vector<std::pair<std::string, std::pair<double, long>>> steps; // ms, VmRSS kB after
};

bool spawnChild(const char *self, const std::string &kind, Sample &sample)
{
    int fds[2];
    if (pipe(fds) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    const int64_t spawnedNs = clockNs(CLOCK_MONOTONIC);
    const std::string spawned = std::to_string(spawnedNs);
    std::vector<char *> args = { const_cast<char *>(self), const_cast<char *>("--child"),
                                 const_cast<char *>(kind.c_str()), const_cast<char *>(spawned.c_str()), nullptr };
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, self, &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (failed) {
        close(fds[0]);
        return false;
    }
    std::string output;
    char buffer[512];
    ssize_t n;
    while ((n = read(fds[0], buffer, sizeof buffer)) > 0)
        output.append(buffer, size_t(n));
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    std::istringstream line(output);
    std::string gotKind;
    long long paint, main, kernel, inMain;
    if (!(line >> gotKind >> paint >> main >> kernel >> inMain >> sample.hwmKb >> sample.platform) || gotKind != kind
        || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return false;
    std::string name;
    double ms;
    long rss;
    while (line >> name >> ms >> rss)
        sample.steps.push_back({ name, { ms, rss } });
    sample.firstPaintMs = paint / 1e6;
    sample.mainMs = main / 1e6;
    sample.kernelStartMs = kernel / 1e6;
    sample.inMainMs = inMain / 1e6;
    return true;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

std::string loadAverage()
{
    std::ifstream file("/proc/loadavg");
    std::string one, five;
    file >> one >> five;
    return one + " " + five;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 4 && !std::strcmp(argv[1], "--child"))
        return runChild(argc, argv, argv[2], std::stoll(argv[3]));

    int runs = 15;
    for (int i = 1; i + 1 < argc; i += 2)
        if (!std::strcmp(argv[i], "--runs"))
            runs = std::max(1, std::atoi(argv[i + 1]));

    std::printf("startup: %d start-ups of each, alternating, load average %s at the start\n", runs, loadAverage().c_str());
    std::vector<Sample> game, bare;
    const std::string kinds[2] = { "game", "bare" };
    // One unmeasured start-up of each first, so that both are measured with warm caches.
    for (const std::string &kind : kinds) {
        Sample warm;
        if (!spawnChild(argv[0], kind, warm)) {
            std::fprintf(stderr, "startup: the %s start-up failed\n", kind.c_str());
            return 1;
        }
    }
    for (int i = 0; i < runs; ++i) {
        for (const std::string &kind : kinds) {
            Sample s;
            if (!spawnChild(argv[0], kind, s)) {
                std::fprintf(stderr, "startup: the %s start-up failed\n", kind.c_str());
                return 1;
            }
            (kind == "game" ? game : bare).push_back(s);
        }
    }
    // Where the main window's construction goes: its pieces, one by one, in fresh processes.
    std::vector<Sample> parts;
    for (int i = 0; i < std::min(runs, 5); ++i) {
        Sample s;
        if (spawnChild(argv[0], "parts", s))
            parts.push_back(s);
    }
    if (!parts.empty()) {
        std::printf("  the main window's pieces, median of %zu fresh processes, ms (VmRSS after, MiB):", parts.size());
        for (size_t k = 0; k < parts[0].steps.size(); ++k) {
            std::vector<double> ms, rss;
            for (const Sample &s : parts) {
                ms.push_back(s.steps[k].second.first);
                rss.push_back(double(s.steps[k].second.second));
            }
            std::sort(ms.begin(), ms.end());
            std::sort(rss.begin(), rss.end());
            std::printf(" %s %.1f (%.1f)", parts[0].steps[k].first.c_str(), ms[ms.size() / 2], rss[rss.size() / 2] / 1024);
        }
        std::printf("\n");
    }
    auto field = [](const std::vector<Sample> &samples, double Sample::*member) {
        std::vector<double> v;
        for (const Sample &s : samples)
            v.push_back(s.*member);
        return v;
    };
    auto hwm = [](const std::vector<Sample> &samples) {
        std::vector<double> v;
        for (const Sample &s : samples)
            v.push_back(double(s.hwmKb));
        return median(v);
    };
    for (const auto *set : { &game, &bare }) {
        const std::string &name = set == &game ? kinds[0] : kinds[1];
        const auto paints = field(*set, &Sample::firstPaintMs);
        std::printf("  %s (%s): spawn -> first paint median %.1f ms (min %.1f, max %.1f); spawn -> main() %.1f ms; "
                    "main() -> first paint %.1f ms; kernel start time -> first paint %.0f ms; VmHWM median %.0f kB\n",
                    name.c_str(), (*set)[0].platform.c_str(), median(paints),
                    *std::min_element(paints.begin(), paints.end()), *std::max_element(paints.begin(), paints.end()),
                    median(field(*set, &Sample::mainMs)), median(field(*set, &Sample::inMainMs)),
                    median(field(*set, &Sample::kernelStartMs)), hwm(*set));
        std::printf("    steps inside main(), median ms (VmRSS after, MiB):");
        for (size_t k = 0; k < (*set)[0].steps.size(); ++k) {
            std::vector<double> ms, rss;
            for (const Sample &s : *set) {
                ms.push_back(s.steps[k].second.first);
                rss.push_back(double(s.steps[k].second.second));
            }
            std::printf(" %s %.1f (%.1f)", (*set)[0].steps[k].first.c_str(), median(ms), median(rss) / 1024);
        }
        std::printf("\n");
    }
    const double gamePaint = median(field(game, &Sample::firstPaintMs));
    const double barePaint = median(field(bare, &Sample::firstPaintMs));
    const std::string platform = game[0].platform;
    std::printf("ROW\tStart-up to first paint, %s (median of %d)\tgame %.1f ms, bare window %.1f ms: %.2fx\t<= 1.5x\n",
                platform.c_str(), runs, gamePaint, barePaint, gamePaint / barePaint);
    std::printf("ROW\tPeak memory VmHWM, %s\tgame %.1f MiB, bare window %.1f MiB: %.2fx\t<= 1.5x\n", platform.c_str(),
                hwm(game) / 1024, hwm(bare) / 1024, hwm(game) / hwm(bare));
    return 0;
}
