#pragma once
// The operations on the time log horalo.log. They hold no state: every one
// opens the log, works and closes it again.
#include "core/store/day_entries.h"     // IWYU pragma: export
#include "core/store/log_record.h"      // IWYU pragma: export
#include "core/store/log_rewrite.h"     // IWYU pragma: export
#include "core/store/month_records.h"   // IWYU pragma: export
#include "core/store/record_edits.h"    // IWYU pragma: export
