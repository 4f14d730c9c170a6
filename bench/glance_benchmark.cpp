// Today at a glance, as the minute timer makes it on a log of decades: the
// day's figures from the month kept since its read, the tooltip and the
// status line (GlanceMinute), beside the floor of formatting the same two
// texts from figures already made (GlanceTextFloor). The minute must read
// nothing: the reads are counted.
#include <string>

#include "bench_log.h"
#include "core/calendar/local_time.h"
#include "core/recorder/glance.h"
#include "core/recorder/glance_text.h"
#include "core/settings/settings_record.h"

namespace horalo::bench {
namespace {

struct GlanceInputs {
    SettingsRecord settings = DefaultSettings();
    SpecialEntryList specialDays;
    // 10:30 on a working day in the middle of the generated log, whose
    // days start at 8:00.
    TimeValue now = static_cast<TimeValue>(
        MakeLocalTime(kFirstYear + years / 2, 5, 15, 10, 30, 0, DaylightSaving::FromCalendar));
    GlanceFormats formats{"Horalo", "Not at work yet today", "Present since %s", "Present since %s, on a break since %s",
                          "Worked today from %s to %s", "A day off today", "Presence %s, breaks %s",
                          "Required time reached at %s", "No required time today", "Daily maximum at %s",
                          "Balance %s"};
};

void GlanceMinute(benchmark::State& state) {
    GlanceInputs inputs;
    GlanceSource source;
    source.At(host, inputs.now, 0, inputs.settings, inputs.specialDays);  // the month's read, as at a change
    for (auto _ : state) {
        const Glance glance = source.At(host, inputs.now, 0, inputs.settings, inputs.specialDays);
        benchmark::DoNotOptimize(GlanceTooltip(glance.day, glance.balance, inputs.formats).size());
        benchmark::DoNotOptimize(GlanceStatus(glance.day, glance.balance, inputs.formats).size());
    }
    state.counters["reads"] = source.reads();
}

void GlanceTextFloor(benchmark::State& state) {
    GlanceInputs inputs;
    GlanceSource source;
    const Glance glance = source.At(host, inputs.now, 0, inputs.settings, inputs.specialDays);
    for (auto _ : state) {
        benchmark::DoNotOptimize(GlanceTooltip(glance.day, glance.balance, inputs.formats).size());
        benchmark::DoNotOptimize(GlanceStatus(glance.day, glance.balance, inputs.formats).size());
    }
}

BENCHMARK(GlanceMinute)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(GlanceTextFloor)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace
}  // namespace horalo::bench
