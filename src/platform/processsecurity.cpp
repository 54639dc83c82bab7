#include "platform/processsecurity.h"

#include <sys/prctl.h>

namespace processsecurity {

bool makeUndumpable() { return prctl(PR_SET_DUMPABLE, 0, 0, 0, 0) == 0; }

} // namespace processsecurity
