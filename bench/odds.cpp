// odds: the return to player, the hit frequency and the longest run of losing stops of the
// machine, measured by driving the game's own handlers through many stops, next to the
// exact values derived from the rules.
//
//   odds [--stops N] [--seed S]
//
// Each stop is a real press (Pull2MouseDown, Pull2MouseUp) and a real stop (Timer2Timer)
// of the main window, offscreen, at a fixed bet. Before the stop the nine cells are set to
// frames drawn uniformly with a fixed-seed std::mt19937, which is where a player's cells
// come to rest. The clock is set to a uniformly drawn time of day before the press and
// before the stop, and moves on one millisecond at each reading, so the forced-win
// schedule draws from the game's own generator and its threshold loop ends.
//
// Prints a ROW line per figure (for bench/run.sh) and exits 1 when a losing run exceeds
// 14 stops or a measured figure lies more than three standard errors from its exact value.

#include "OddsModel.h"

#include "main/TForm1.h"
#include "runtime/Application.h"
#include "support/Recorders.h"
#include "widgets/TRzAnimator.h"
#include "widgets/TRzBmpButton.h"
#include "widgets/TRzEdit.h"
#include "widgets/TTimer.h"
#include "widgets/TfcImageBtn.h"
#include "widgets/TrmSpinEdit.h"

#include <QElapsedTimer>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>

namespace {

constexpr int Bet = 50;

// Sums over the cycles of the schedule (from the stop after a win to the next win), which
// are independent of one another, so their spread gives the standard errors.
struct CycleStats {
    uint64_t cycles = 0;
    long double sumLength = 0, sumLength2 = 0;
    long double sumPaid = 0, sumPaid2 = 0, sumLengthPaid = 0;

    void add(double length, double paid)
    {
        ++cycles;
        sumLength += length;
        sumLength2 += length * length;
        sumPaid += paid;
        sumPaid2 += paid * paid;
        sumLengthPaid += length * paid;
    }
    double meanLength() const { return double(sumLength / cycles); }
    double rtp() const { return double(sumPaid / sumLength); }
    double hitFrequency() const { return double(cycles / sumLength); }
    // Ratio estimators: Var(sum M / sum L) ~ Var(M - r L) / (n mean(L)^2).
    double rtpStandardError() const
    {
        const long double n = cycles, r = rtp(), l = sumLength / n;
        const long double varL = sumLength2 / n - l * l;
        const long double m = sumPaid / n;
        const long double varM = sumPaid2 / n - m * m;
        const long double cov = sumLengthPaid / n - l * m;
        const long double var = varM - 2 * r * cov + r * r * varL;
        return double(std::sqrt(var / (n * l * l)));
    }
    double hitStandardError() const
    {
        const long double n = cycles, l = sumLength / n;
        const long double varL = sumLength2 / n - l * l;
        return double(std::sqrt(varL / n) / (l * l));
    }
};

void row(const char *figure, const std::string &value, const char *goal)
{
    std::printf("ROW\t%s\t%s\t%s\n", figure, value.c_str(), goal);
}

std::string format(const char *fmt, double a, double b = 0, double c = 0)
{
    char text[160];
    std::snprintf(text, sizeof text, fmt, a, b, c);
    return text;
}

} // namespace

int main(int argc, char **argv)
{
    long long targetStops = 1'000'000;
    unsigned seed = 20240611;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--stops"))
            targetStops = std::atoll(argv[i + 1]);
        else if (!std::strcmp(argv[i], "--seed"))
            seed = unsigned(std::strtoul(argv[i + 1], nullptr, 10));
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    // The exact values first: they do not depend on the simulation.
    QElapsedTimer exactClock;
    exactClock.start();
    const OddsModel::Histogram natural = OddsModel::naturalStops();
    const OddsModel::Histogram forcedUniform = OddsModel::forcedStops(OddsModel::uniformLineSymbols());
    const OddsModel::ThresholdWeights thresholds = OddsModel::generatorThresholds();
    const OddsModel::LineSymbolWeights lineSymbols = OddsModel::generatorLineSymbols();
    const OddsModel::Histogram forcedGenerator = OddsModel::forcedStops(lineSymbols);
    const auto rules = OddsModel::stationary(natural, forcedUniform, OddsModel::uniformThresholds());
    const auto generator = OddsModel::stationary(natural, forcedGenerator, thresholds);
    const double exactSeconds = exactClock.elapsed() / 1000.0;

    std::printf("Exact values (all %llu grids enumerated, %.1f s)\n", (unsigned long long)natural.total, exactSeconds);
    std::printf("  natural stop: P(win) = %llu / %llu = %.9f, mean multiplier %.9f (276/729 = %.9f)\n",
                (unsigned long long)(natural.total - natural.counts[0]), (unsigned long long)natural.total,
                natural.winProbability(), natural.mean(), 276.0 / 729.0);
    std::printf("  forced stop (line and symbol uniform): mean multiplier %.9f (3956/729 = %.9f)\n",
                forcedUniform.mean(), 3956.0 / 729.0);
    std::printf("  forced stop (line and symbol as the generator draws them over a day): mean multiplier %.9f\n",
                forcedGenerator.mean());
    std::printf("  threshold as the generator draws it (clock uniform over the day, loop ending at the first "
                "reading whose draw is 5 or more):\n   ");
    for (int t = 5; t <= OddsModel::MaxThreshold; ++t)
        std::printf(" T=%d %.6f", t, double(thresholds[size_t(t)]) / OddsModel::MsPerDay);
    std::printf("\n  forced line as the generator draws it:");
    for (int line = 0; line < OddsModel::Lines; ++line) {
        uint64_t sum = 0;
        for (uint64_t w : lineSymbols[size_t(line)])
            sum += w;
        std::printf(" %d: %.6f", line + 1, double(sum) / OddsModel::MsPerDay);
    }
    std::printf("\n  forced symbol as the generator draws it:");
    for (int s = 0; s < OddsModel::Symbols; ++s) {
        uint64_t sum = 0;
        for (const auto &line : lineSymbols)
            sum += line[size_t(s)];
        std::printf(" %d: %.6f", s, double(sum) / OddsModel::MsPerDay);
    }
    std::printf("\n  schedule with uniform draws: RTP %.9f, hit frequency %.9f, %.6f stops per win, %.6f of stops forced\n",
                rules.returnToPlayer, rules.hitFrequency, rules.meanCycle, rules.forcedShare);
    std::printf("  schedule with the generator's draws: RTP %.9f, hit frequency %.9f, %.6f stops per win, %.6f of stops forced\n",
                generator.returnToPlayer, generator.hitFrequency, generator.meanCycle, generator.forcedShare);

    // The simulation through the game's handlers.
    TApplication app(argc, argv);
    MediaRecorder media;
    MessageBoxRecorder boxes;
    BeepRecorder beeps;
    FixedClock clock(0);
    clock.advanceOnRead = true;
    TForm1 form;
    form.BankAccount->setText(QStringLiteral("1000000000"));
    form.Bet->setValue(Bet);

    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> frame(0, OddsModel::Symbols - 1);
    std::uniform_int_distribution<uint32_t> timeOfDay(0, OddsModel::MsPerDay - 1);
    const auto cells = form.cells();

    CycleStats stats;
    long long stops = 0, losingRun = 0, longestLosingRun = 0, naturalMismatches = 0, payoutMismatches = 0;
    long long cycleLength = 0, cyclePaid = 0, forcedStops = 0;
    long double totalPaid = 0;
    QElapsedTimer simClock;
    simClock.start();
    while (stops < targetStops || cycleLength != 0) {
        clock.set(timeOfDay(rng));
        form.Pull2MouseDown(form.Pull2, TMouseButton::mbLeft, {}, 0, 0);
        form.Pull2MouseUp(form.Pull2, TMouseButton::mbLeft, {}, 0, 0);
        std::array<int, 9> drawn {};
        for (size_t i = 0; i < 9; ++i) {
            drawn[i] = frame(rng);
            cells[i]->setImageIndex(drawn[i]);
        }
        // Whether this stop is forced, from the schedule's counters before it.
        const int threshold = form.coinslot->Tag();
        const bool forced = threshold != 0 && form.Pull->Tag() + 1 > threshold;
        clock.set(timeOfDay(rng));
        form.Timer2Timer(form.Timer2);
        media.clear();

        const int multiplier = form.Tag();
        const int paid = form.WinnerPaid->Text().toInt();
        if (paid != Bet * multiplier)
            ++payoutMismatches;
        if (!forced && multiplier != OddsModel::multiplier(drawn))
            ++naturalMismatches;
        forcedStops += forced;
        totalPaid += paid;
        ++stops;
        ++cycleLength;
        cyclePaid += multiplier;
        if (multiplier > 0) {
            stats.add(double(cycleLength), double(cyclePaid));
            cycleLength = 0;
            cyclePaid = 0;
            losingRun = 0;
        } else {
            longestLosingRun = std::max(longestLosingRun, ++losingRun);
        }
    }
    const double simSeconds = simClock.elapsed() / 1000.0;
    const double rtp = double(totalPaid / (double(Bet) * stops));
    const double hit = stats.hitFrequency();
    const double rtpSe = stats.rtpStandardError(), hitSe = stats.hitStandardError();
    const double zRtpRules = (rtp - rules.returnToPlayer) / rtpSe;
    const double zHitRules = (hit - rules.hitFrequency) / hitSe;
    const double zRtpGen = (rtp - generator.returnToPlayer) / rtpSe;
    const double zHitGen = (hit - generator.hitFrequency) / hitSe;

    std::printf("Simulation: %lld stops through the game's handlers at bet %d (mt19937 seed %u), %.1f s, "
                "%lld forced stops (%.6f), %llu wins\n",
                stops, Bet, seed, simSeconds, forcedStops, double(forcedStops) / stops, (unsigned long long)stats.cycles);
    std::printf("  RTP %.6f +- %.6f (standard error), z = %.2f against the uniform schedule, %.2f against the generator's\n",
                rtp, rtpSe, zRtpRules, zRtpGen);
    std::printf("  hit frequency %.6f +- %.6f, z = %.2f against the uniform schedule, %.2f against the generator's\n",
                hit, hitSe, zHitRules, zHitGen);
    std::printf("  longest run of losing stops %lld (no more than 14 allowed)\n", longestLosingRun);
    std::printf("  natural stops whose total differs from the rules' count of the drawn grid: %lld; "
                "stops paying other than bet x total: %lld; failure reports: %lld\n",
                naturalMismatches, payoutMismatches, (long long)boxes.boxes.size());

    row("RTP, exact (uniform draws as the rules state)", format("%.4f (%.2f %%)", rules.returnToPlayer, 100 * rules.returnToPlayer), "-");
    row("RTP, exact (the generator's draws over a day)", format("%.4f (%.2f %%)", generator.returnToPlayer, 100 * generator.returnToPlayer), "-");
    row("RTP, simulated", format("%.4f +- %.4f", rtp, rtpSe) + format(" (z = %.2f uniform, %.2f generator)", zRtpRules, zRtpGen), "abs(z) <= 3 (generator)");
    row("Hit frequency, exact (uniform draws)", format("%.4f (1 stop in %.3f)", rules.hitFrequency, rules.meanCycle), "-");
    row("Hit frequency, exact (the generator's draws)", format("%.4f (1 stop in %.3f)", generator.hitFrequency, generator.meanCycle), "-");
    row("Hit frequency, simulated", format("%.4f +- %.4f", hit, hitSe) + format(" (z = %.2f uniform, %.2f generator)", zHitRules, zHitGen), "abs(z) <= 3 (generator)");
    row("Natural stop: P(win), mean multiplier", format("%.6f, %.6f", natural.winProbability(), natural.mean()), "-");
    row("Forced stop: mean multiplier (uniform)", format("%.6f", forcedUniform.mean()), "-");
    row("Longest run of losing stops, simulated", format("%.0f", double(longestLosingRun)) + format(" in %.0f stops", double(stops)), "<= 14");

    // The game draws its threshold with its own generator, whose threshold is not uniform
    // (see above): the simulation must agree with the generator's schedule. The uniform
    // schedule's z-scores are printed to show how far apart the two are.
    const bool ok = longestLosingRun <= 14 && std::abs(zRtpGen) <= 3 && std::abs(zHitGen) <= 3 && naturalMismatches == 0 && payoutMismatches == 0
        && boxes.boxes.isEmpty();
    std::printf("%s\n", ok ? "odds: simulation agrees with the exact values" : "odds: FAILED");
    return ok ? 0 : 1;
}
