// The soak: spins the real machine many times through the event loop, offscreen, with the
// real sound layer, and checks that its memory stays flat.
//
// Each spin is a real press and release of SPIN (QTest input events), then the event loop
// runs until the stop timer has stopped the cells. The stop timer's interval is shortened
// for the soak only, so that 10,000 spins take minutes rather than hours. Every 1,000 spins
// it samples the heap in use (bytes allocated and not yet freed: the sanitizer allocator's
// count in the sanitizer build, malloc's otherwise) and the resident set size. After the
// first 1,000 spins (caches, fonts, the audio layer settle), the heap in use may grow by no
// more than the allowed slack in total. The resident size is printed beside it and, in the
// ordinary build, bounded loosely at four times the slack (it also moves with malloc's free
// lists); in the sanitizer build it is not bounded, since the sanitizer's quarantine of freed
// memory cycles through fresh pages until it is full (several MiB).
//
// Usage: zorvix_soak [spins [slack-KiB]]   (defaults 10000 and 256)
// Exit status 0 when memory stayed flat and every spin stopped, 1 otherwise.
#include "Helpit/THelpForm.h"
#include "ThemeStyle/TStyleForm.h"
#include "main/TForm1.h"
#include "platform/AudioMediaControl.h"
#include "platform/MessageBox.h"
#include "runtime/Application.h"
#include "widgets/TRzAnimator.h"
#include "widgets/TRzBmpButton.h"
#include "widgets/TRzEdit.h"
#include "widgets/TTimer.h"
#include "widgets/TrmSpinEdit.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QTest>

#include <malloc.h>
#include <unistd.h>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZORVIX_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define ZORVIX_ASAN 1
#endif
#ifdef ZORVIX_ASAN
// The sanitizer allocator's count of bytes allocated and not freed (exported by its
// runtime; GCC ships no header that declares it).
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

#include <cstdio>
#include <limits>
#include <vector>

namespace {

// Any failure report during the soak is a fault: count it instead of waiting for a player.
class CountingMessageBoxes final : public MessageBoxes {
public:
    void showStop(const QString &text, const QString &caption) override
    {
        ++m_count;
        std::fprintf(stderr, "soak: report \"%s\": %s\n", qPrintable(caption), qPrintable(text));
    }
    int count() const { return m_count; }

private:
    int m_count = 0;
};

// The resident set size in KiB, from /proc/self/statm (its second field, in pages).
long residentKiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    if (fields.size() < 2)
        return -1;
    return fields[1].toLong() * (sysconf(_SC_PAGESIZE) / 1024);
}

// The heap in use, in KiB.
long heapInUseKiB()
{
#ifdef ZORVIX_ASAN
    return long(__sanitizer_get_current_allocated_bytes() / 1024);
#else
    return long(mallinfo2().uordblks / 1024);
#endif
}

bool anyCellAnimating(const TForm1 &form)
{
    for (TRzAnimator *cell : form.cells())
        if (cell->Animate())
            return true;
    return false;
}

// One press and release of SPIN, then the event loop until the stop has run.
bool spinOnce(TForm1 &form)
{
    const QPoint centre = form.Pull->rect().center();
    QTest::mousePress(form.Pull, Qt::LeftButton, {}, centre);
    QTest::mouseRelease(form.Pull, Qt::LeftButton, {}, centre);
    if (!form.Timer2->Enabled())
        return false;
    return QTest::qWaitFor([&] { return !form.Timer2->Enabled() && !anyCellAnimating(form); }, 5000);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication app(argc, argv);
    app.setTitle(QStringLiteral("Zorvixia"));
    const QStringList args = app.arguments();
    const int spins = args.size() > 1 ? args[1].toInt() : 10000;
    const long slackKiB = args.size() > 2 ? args[2].toLong() : 256;
    constexpr int kSampleEvery = 1000;
    constexpr int kBet = 10;

    // The cues synthesised into the build tree stand for drive c:.
    setGameDataRoot(QStringLiteral(ZORVIX_CUE_DIR "/.."));
    CountingMessageBoxes boxes;
    setMessageBoxes(&boxes);

    int failedSpins = 0;
    std::vector<long> heap, resident;
    {
        TForm1 Form1;
        TStyleForm StyleForm;
        THelpForm HelpForm;
        Form1.setStyleForm(&StyleForm);
        Form1.setHelpForm(&HelpForm);
        Form1.show();
        if (!QTest::qWaitForWindowExposed(&Form1)) {
            std::fprintf(stderr, "soak: the machine window was not exposed\n");
            return 1;
        }
        Form1.Timer2->setInterval(2);
        Form1.Bet->setValue(kBet);

        for (int spin = 1; spin <= spins; ++spin) {
            // Keep the bank able to pay the bet (the soak's own top-up, not a coin press).
            if (Form1.BankAccount->Text().toInt() < kBet)
                Form1.BankAccount->setText(QStringLiteral("1000"));
            if (!spinOnce(Form1)) {
                ++failedSpins;
                std::fprintf(stderr, "soak: spin %d did not stop\n", spin);
                if (failedSpins > 10)
                    break;
            }
            if (spin % kSampleEvery == 0) {
                heap.push_back(heapInUseKiB());
                resident.push_back(residentKiB());
                std::printf("soak: %6d spins  heap in use %7ld KiB  RSS %7ld KiB  bank %s\n", spin, heap.back(),
                            resident.back(), qPrintable(Form1.BankAccount->Text()));
                std::fflush(stdout);
            }
        }
        Form1.hide();
        // Let deferred deletions (stopped audio sinks, timers) run before the windows go.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    setMessageBoxes(nullptr);

    bool ok = failedSpins == 0 && boxes.count() == 0;
    if (heap.size() >= 2) {
        const long heapGrowth = heap.back() - heap.front();
        const long residentGrowth = resident.back() - resident.front();
#ifdef ZORVIX_ASAN
        const long residentBound = std::numeric_limits<long>::max();
#else
        const long residentBound = 4 * slackKiB;
#endif
        std::printf("soak: growth after the first %d spins: heap in use %ld KiB (allowed %ld), RSS %ld KiB "
                    "(allowed %s)\n",
                    kSampleEvery, heapGrowth, slackKiB, residentGrowth,
                    residentBound == std::numeric_limits<long>::max() ? "any, sanitizer build"
                                                                       : qPrintable(QString::number(residentBound)));
        if (heapGrowth > slackKiB || residentGrowth > residentBound) {
            std::fprintf(stderr, "soak: memory grows\n");
            ok = false;
        }
    } else {
        std::fprintf(stderr, "soak: too few spins to judge memory\n");
        ok = false;
    }
    std::printf("soak: %s (%d failed spins, %d failure reports)\n", ok ? "passed" : "FAILED", failedSpins, boxes.count());
    return ok ? 0 : 1;
}
