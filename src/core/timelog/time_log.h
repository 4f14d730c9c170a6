#pragma once
// The operations on the time log horalo.log. They hold no state: every one
// opens the log, works and closes it again.
#include "core/timelog/day_entries.h"     // IWYU pragma: export
#include "core/timelog/log_record.h"      // IWYU pragma: export
#include "core/timelog/log_rewrite.h"     // IWYU pragma: export
#include "core/timelog/month_records.h"   // IWYU pragma: export
#include "core/timelog/record_edits.h"    // IWYU pragma: export
