#include "console/product.h"

const char* const kProductWebUrl = "https://www.quizmora.example";
const char* const kProductHostName = "www.quizmora.example";
