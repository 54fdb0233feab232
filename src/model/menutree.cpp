#include "model/menutree.h"

#include "model/product.h"

const char* const kRootNodeText = kProductName;
