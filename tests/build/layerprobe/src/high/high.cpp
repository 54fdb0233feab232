#include "high.h"

int High() { return Low() + 1; }
