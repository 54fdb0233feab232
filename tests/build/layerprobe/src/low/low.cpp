#include "low/low.h"

#include "high/high.h"

int Low() { return 1; }
