#include "win/system_time_zone.h"

#include <stdlib.h>
#include <time.h>

namespace horalo::win {

void UseSystemTimeZone() {
    _putenv("TZ=");
    _tzset();
}

}  // namespace horalo::win
