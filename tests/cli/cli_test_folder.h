#pragma once
// A program folder for the tool's tests: a log made of records, special
// days, and a run of the tool in-process that collects what it prints. The
// tests run with TZ=Europe/Berlin; WINEPREFIX points into the folder so the
// user's own registry is never read.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_commands.h"
#include "core/calendar_days/calendar_entry_file.h"
#include "core/timelog/log_record.h"
#include "core/timelog/month_records.h"
#include "local_time_helper.h"
#include "test_host.h"

namespace horalo::test {

struct CliRun {
    int code = -1;
    std::string out;
    std::string err;
};

class CliFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("WINEPREFIX", host.Folder().string().c_str(), 1);
        SpecialEntryList days;
        SpecialEntry christmasEve;  // first in the file, last in the year
        christmasEve.day = 24;
        christmasEve.month = 11;
        christmasEve.name = "Christmas Eve";
        christmasEve.secondText = "shops close at 14:00";
        days.Append(christmasEve);
        SpecialEntry newYear;
        newYear.day = 1;
        newYear.month = 0;
        newYear.holiday = true;
        newYear.name = "New Year";
        days.Append(newYear);
        SpecialEntry goodFriday;
        goodFriday.day = -2;
        goodFriday.easter = true;
        goodFriday.holiday = true;
        goodFriday.name = "Good Friday";
        days.Append(goodFriday);
        ASSERT_EQ(WriteSpecialFile(File(kSpecialFileName), days), kSpecialFileOk);
    }

    std::string File(const std::string& name) const { return host.File(name).string(); }

    void WriteBytes(const std::string& name, const std::string& bytes) const {
        std::ofstream(File(name), std::ios::binary) << bytes;
    }
    std::string ReadBytes(const std::string& name) const {
        std::ifstream in(File(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    void WriteLog(std::initializer_list<LogRecord> records, const std::string& tail = "") const {
        std::string bytes;
        for (const LogRecord& record : records) {
            const auto encoded = EncodeRecord(record);
            bytes.append(encoded.begin(), encoded.end());
        }
        WriteBytes(kLogFileName, bytes + tail);
    }

    // A day of work with one break (month 0 to 11).
    static std::vector<LogRecord> Day(int year, int month, int day, int startHour, int endHour, int breakMinutes = 0) {
        std::vector<LogRecord> day_{LogRecord::Of(LogRecordType::WorkStart, LocalAt(year, month, day, startHour))};
        if (breakMinutes)
            day_.push_back(LogRecord::Break(LocalAt(year, month, day, 12), LocalAt(year, month, day, 12, breakMinutes)));
        day_.push_back(LogRecord::Of(LogRecordType::WorkEnd, LocalAt(year, month, day, endHour)));
        return day_;
    }
    void WriteLog(const std::vector<LogRecord>& records) const {
        std::string bytes;
        for (const LogRecord& record : records) {
            const auto encoded = EncodeRecord(record);
            bytes.append(encoded.begin(), encoded.end());
        }
        WriteBytes(kLogFileName, bytes);
    }

    CliRun Run(std::vector<std::string> args) const {
        args.insert(args.begin(), {"--folder", host.Folder().string()});
        std::ostringstream out, err;
        CliRun run;
        run.code = cli::RunCli(args, out, err);
        run.out = out.str();
        run.err = err.str();
        return run;
    }

    TestHost host;
};

}  // namespace horalo::test
